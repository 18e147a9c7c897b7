// The object codes of a bulletin request: each product button stands for
// the codes the catalogue gives its number, a code is held in 47
// characters, and the 128 slots bound the list. A code that finds no slot
// is dropped, but never silently: it is logged and counted, so that the
// page can tell the user, and the volume keeps the count the service
// would make of the press.
#include "transport/requete.h"

#include "catalogue/objets_produits.h"
#include "gribdata/globales.h"
#include "transport/regles_requete.h"

#include <FL/Fl_Button.H>

namespace {

const size_t CODE_OBJET_MAX = 47;

}  // namespace

bool requete::bAjouterObjet(const char* code)
{
    const std::string c = std::string(code).substr(0, CODE_OBJET_MAX);
    if (objets.bAjouter(c))
        return true;
    ++objetsPerdus;
    vJournal(TAG_REQUETE, "plus de %d objets, code non demande: %s\n", ListeCodes::TAILLE,
             c.c_str());
    return false;
}

void requete::vSetObjet(Fl_Button* button)
{
    if (!button)
        return;
    const bool plein = objets.iNombre() >= ListeCodes::TAILLE;
    const ObjetsProduit o = objetsProduit(button->shortcut());
    for (const char* code : o.codes)
        if (!o.unique || !objets.bContient(code))
            bAjouterObjet(code);
    volumeBulletins += plein ? 5 : o.volume;
    vEcrire(0);
}

void requete::vSetObjet(const char* code)
{
    if (!code || !*code)
        return;
    bAjouterObjet(code);
    volumeBulletins += 5;
    vEcrire(0);
}

void requete::vFreeObjets()
{
    objets.vVider();
    volumeBulletins = 0;
    objetsPerdus = 0;
}
