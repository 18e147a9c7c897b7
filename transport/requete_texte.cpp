// The request text the service reads: a header line, the keyword lines and
// a closing line, each ended by one line feed. The text has no size of its
// own: each sender applies its own limit.
#include "transport/requete.h"

#include <FL/Fl_Text_Buffer.H>

namespace {

const char* const FIN = "@mto@reqt@fin@\n";

void vLigne(std::string& t, const std::string& ligne)
{
    t.append(ligne).push_back('\n');
}

}  // namespace

std::string requete::texteRequete() const
{
    std::string t;
    const bool tout = ligneAutomatisation != "A 0";
    if (type == 1) {
        vLigne(t, "@mto@reqt@bull@");
        if (ligneAutomatisation != "A 1")
            vLigne(t, ligneAutomatisation);
        if (tout)
            t += objets.texte("", "\n");
        return t + FIN;
    }
    if (forfaitActif) {
        vLigne(t, "@mto@reqt@forfait@");
        vLigne(t, ligneAutomatisation);
        if (tout)
            for (const std::string* l : {&ligneZone, &ligneForfait, &ligneDomaine})
                vLigne(t, *l);
    } else {
        vLigne(t, "@mto@reqt@grib@");
        vLigne(t, ligneAutomatisation);
        if (tout) {
            for (const std::string* l : {&ligneZone, &ligneMaille, &ligneDomaine})
                vLigne(t, *l);
            vLigne(t, "P " + parametres.texte("", " "));
            if (modeValidites == 1)
                vLigne(t, "G " + validites.texte("", " "));
            else
                vLigne(t, "E " + echeances.texte("", " "));
            if (ligneCapVitesse != "V")
                vLigne(t, ligneCapVitesse);
            if (ligneCompression != "C")
                vLigne(t, ligneCompression);
            if (ligneTerre != "F 1")
                vLigne(t, ligneTerre);
        }
    }
    vLigne(t, ligneS);
    return t + FIN;
}

void requete::vEcrire(int mode)
{
    // A saved request being read is rendered once, at its end.
    if (lecture && mode == 0)
        return;
    const std::string t = mode == 1 ? "" : mode == 2 ? "@mto@reqt@sys@infos" : texteRequete();
    if (tampon)
        tampon->text(t.c_str());
    if (mode != 1 && mode != 2 && ligneAutomatisation != "A 0")
        vCout();
}
