// What a send records of a request: the snapshot taken when the send
// starts, and the saved request's lines.
#include "transport/requete.h"

#include "ui/jours_mois.h"
#include "ui/local.h"

#include <FL/Fl_Text_Buffer.H>
#include <cstdio>
#include <cstdlib>

namespace {

std::string format(const char* f, double a, double b, double c, double d)
{
    char t[1024];
    std::snprintf(t, sizeof t, f, a, b, c, d);
    return t;
}

}  // namespace

std::string requete::corpsGrib() const
{
    std::string c = format("dimensions %lf %lf %lf\n", centreLatitude, centreLongitude,
                           2 * etendueLatitude, 0);
    c += format("zone %lf %lf %lf %lf\n", nord, sud, ouest, est);
    c += "domaine " + ligneDomaine + "\n";
    c += "maille " + ligneMaille + "\n";
    c += "parametres" + parametres.texte(" ", "") + "\n";
    c += modeValidites == 1 ? "validites" + validites.texte(" ", "")
                            : "echeances" + echeances.texte(" ", "");
    c += "\n";
    if (ligneCapVitesse != "V")
        c += "capvitesse " + ligneCapVitesse + "\n";
    if (ligneCompression != "C")
        c += "compression " + ligneCompression + "\n";
    if (ligneTerre != "F 1")
        c += "terremer " + ligneTerre + "\n";
    return c;
}

EnvoiRequete requete::instantane() const
{
    EnvoiRequete e;
    e.type = type;
    if (tampon) {
        char* t = tampon->text();
        e.texte = t;
        std::free(t);
    } else {
        e.texte = texteRequete();
    }
    e.volume = volumeAffiche;
    e.cout = coutAffiche;
    e.corps = type == 0 ? corpsGrib() : objets.texte("", "\n");
    for (size_t i = 0; i < e.jours.size(); ++i)
        e.jours[i] = pcTraduire(pc_Fr_Jours[i]);
    for (size_t i = 0; i < e.mois.size(); ++i)
        e.mois[i] = pcTraduire(pc_Fr_Mois[i]);
    return e;
}

int requete::vEnregistre()
{
    return iEnregistrerEnvoi(instantane(), std::time(nullptr));
}

int requete::vEnregistre_Requete()
{
    return iEnregistrerRequete(instantane(), std::time(nullptr));
}
