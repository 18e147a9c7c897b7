// The object codes of a bulletin request: each product button stands for
// the codes the catalogue gives its number, a code is held in 47
// characters, and the 128 slots bound the list. A code that finds no slot
// is dropped, but never silently: it is logged and counted, so that the
// page can tell the user; a press still counts its volume as the service
// would, a code of a saved list only when it is kept.
#include "transport/requete.h"

#include "catalogue/objets_produits.h"
#include "transport/regles_requete.h"

#include <FL/Fl_Button.H>
#include <set>

bool requete::bAjouterObjet(const char* code)
{
    const std::string c = std::string(code).substr(0, CODE_OBJET_MAX);
    if (objets.bAjouter(c))
        return true;
    ++objetsPerdus;
    vJournalRefus("code ignore, plus de %d: %.47s\n", ListeCodes::TAILLE, c.c_str());
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

// A code of a saved list: only a code kept counts in the volume, and a
// code with a control byte, which would cut the request text, is refused.
void requete::vSetObjet(const char* code)
{
    const std::string c = std::string(code ? code : "").substr(0, CODE_OBJET_MAX);
    if (c.empty())
        return;
    if (!bMotImprimable(c)) {
        vJournalRefus("code refuse (octet de controle)\n");
        return;
    }
    if (!bAjouterObjet(c.c_str()))
        return;
    volumeBulletins += 5;
    vEcrire(0);
}

void requete::vCompterObjets()
{
    std::set<int> metareas;
    volumeBulletins = 0;
    for (int i = 0; i < ListeCodes::TAILLE; ++i) {
        if (objets[i].empty())
            continue;
        const ProduitCode p = produitCode(objets[i].c_str());
        if (!p.metarea || metareas.insert(p.metarea).second)
            volumeBulletins += p.volume;
    }
}

void requete::vFreeObjets()
{
    objets.vVider();
    volumeBulletins = 0;
    objetsPerdus = 0;
}
