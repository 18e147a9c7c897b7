// What a send records of a request: the snapshot taken when the send
// starts, and the saved request's lines.
#include "transport/requete.h"

#include "transport/envoi_texte.h"
#include "transport/regles_requete.h"
#include "ui/jours_mois.h"
#include "ui/local.h"

#include <FL/Fl_Text_Buffer.H>
#include <cstdlib>
#include <initializer_list>

namespace {

// A keyword and its numbers, each as "%lf" writes it but for the sign of
// a zero.
std::string ligneNombres(const char* mot, std::initializer_list<double> nombres)
{
    std::string l = mot;
    for (double v : nombres)
        l += " " + texteCoordonnee(v, 6);
    return l + "\n";
}

}  // namespace

std::string requete::corpsGrib() const
{
    std::string c =
        ligneNombres("dimensions", {centreLatitude, centreLongitude, 2 * etendueLatitude});
    c += ligneNombres("zone", {nord, sud, ouest, est});
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
    EnvoiRequete e = instantanePage();
    vAccorderAuTexte(e);
    return e;
}

EnvoiRequete requete::instantanePage() const
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
    e.corps = type == 0 ? corpsGrib() : "";
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
