#include "transport/requete.h"

#include "gribdata/decode.h"
#include "gribdata/globales.h"
#include "transport/regles_requete.h"

#include <memory>

namespace {

// The service's value of the "s" line, in its stored form.
const char* const VALEUR_S_STOCKEE = "6A5F275E6A";

std::string ligneS()
{
    std::unique_ptr<char[]> valeur(decode(VALEUR_S_STOCKEE));
    return std::string("s ") + valeur.get();
}

}  // namespace

requete::requete(Fl_Text_Buffer* buffer, int type_) : tampon(buffer), type(type_)
{
    if (type == 0)
        ligneS = ::ligneS();
    vInitialisation();
}

void requete::vInitialisation()
{
    forfaitActif = 0;
    nord = 1;
    sud = -1;
    ouest = -1;
    est = 1;
    ligneAutomatisation = "A 1";
    // The figures shown go with the request they were counted for.
    vAfficher("0", "0.0", false);
    if (type == 1) {
        vFreeObjets();
        vEcrire(1);
        return;
    }
    ligneForfait = "F";
    ligneZone = "Z";
    ligneMaille = "M";
    ligneCapVitesse = "V";
    ligneDomaine = "D";
    parametres.vVider();
    echeances.vVider();
    validites.vVider();
    ligneCompression = "C bzip2";
    ligneTerre = "F 1";
    maille = 1.0;
    modele = 0;
    vEcrire(1);
}
