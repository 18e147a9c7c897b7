#include "pages/reglages_visualisateur.h"

#include "map/fdc.h"
#include "ui/boutons.h"

#include <cstdlib>
#include <cstring>

const char* const INTERPOLATION_REPOS = "@-1refresh";

namespace {

const char* const TOURS[] = {"@-1refresh",  "@-11refresh", "@-12refresh", "@-13refresh",
                             "@-14refresh", "@-15refresh", "@-16refresh", "@-17refresh",
                             "@-18refresh", "@-19refresh"};
constexpr int NTOURS = sizeof TOURS / sizeof *TOURS;

// "No interval chosen": the classes are drawn instead.
const double AUCUN = double(1.0e-37f);

void vClasses(double& intervalle, int& mode, const char* texte, int code, int codeClasses)
{
    const bool classes = code == codeClasses;
    intervalle = classes ? AUCUN : std::atof(texte);
    mode = classes ? 1 : 0;
}

}  // namespace

int iReferenceIsobare(int intervalle)
{
    switch (intervalle) {
    case 1: case 5: return 1015;
    case 3: return 1014;
    case 2: case 4: return 1016;
    default: return 1010;
    }
}

int iChoisirIntervalle(fdc& c, const char* menu, const char* texte, int code)
{
    if (!menu || !texte || !menu[0] || menu[1])
        return 0;
    switch (menu[0]) {
    case 'P':
        c.isobareIntervalle = std::atoi(texte);
        c.isobareReference = iReferenceIsobare(c.isobareIntervalle);
        return 1;
    case 'T': c.isothermeIntervalle = std::atof(texte); return 1;
    case 'F': vClasses(c.ventIntervalle, c.beaufort, texte, code, CODE_BEAUFORT); return 1;
    case 'H': vClasses(c.vaguesIntervalle, c.merClasses, texte, code, CODE_ETAT_MER); return 1;
    case 'C': c.courantIntervalle = std::atof(texte); return 1;
    case 's': c.periodeIntervalle = std::atof(texte); return 1;
    case '%': c.humiditeIntervalle = std::atoi(texte); return 1;
    case 'm': c.pluieIntervalle = std::atof(texte); return 1;
    default: return 0;
    }
}

unsigned char ucOpacite(double valeur)
{
    const unsigned char o = static_cast<unsigned char>(static_cast<long>(valeur) & 0xFF);
    return o == 128 ? 127 : o;
}

void vTypeParametres(classeBoutonImage** boutons, int superposer)
{
    bool premier = true;
    for (; boutons && *boutons; ++boutons) {
        classeBoutonImage& b = **boutons;
        b.type(superposer ? FL_TOGGLE_BUTTON : FL_RADIO_BUTTON);
        if (superposer || !b.value())
            continue;
        b.value(premier ? 1 : 0);
        premier = false;
    }
}

int iEcheanceVoisine(int courant, int n, int sens)
{
    if (n <= 0)
        return 0;
    return ((courant + sens) % n + n) % n;
}

const char* pcInterpolationSuivante(const char* etiquette)
{
    for (int i = 0; etiquette && i < NTOURS; ++i)
        if (std::strcmp(etiquette, TOURS[i]) == 0)
            return TOURS[(i + 1) % NTOURS];
    return etiquette;
}
