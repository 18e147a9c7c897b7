// Until the Metarea catalogue's data is built the tree is empty: the map
// draws no zone and the bulletin page shows no Metarea button. Freeing and
// the look-up by key serve any tree.
#include "catalogue/metareas.h"

TYPEDEF_LISTE_METAREA* GMDSS = nullptr;

namespace {

// Everything a record owns, not the record.
void vLibererContenu(TYPEDEF_SOUS_ZONE& z)
{
    for (TYPEDEF_SOMMET* s = z.sommets_premier; s;) {
        TYPEDEF_SOMMET* suivant = s->suivant;
        delete s;
        s = suivant;
    }
    delete[] z.nom;
    delete[] z.nom2;
    delete[] z.nom3;
    if (z.bulletins) {
        for (char** b = z.bulletins; *b; ++b)
            delete[] *b;
        delete[] z.bulletins;
    }
}

void vLibererMetarea(TYPEDEF_METAREA* m)
{
    for (TYPEDEF_MAILLON* c = m->sous_zones_premier; c;) {
        TYPEDEF_MAILLON* suivant = c->suivant;
        vLibererContenu(*c->element);
        delete c->element;
        delete c;
        c = suivant;
    }
    vLibererContenu(*m);
    delete m;
}

}  // namespace

TYPEDEF_LISTE_METAREA* Metareas()
{
    return new TYPEDEF_LISTE_METAREA;
}

void vLibererMetareas(TYPEDEF_LISTE_METAREA* arbre)
{
    if (!arbre)
        return;
    for (TYPEDEF_MAILLON* c = arbre->premier; c;) {
        TYPEDEF_MAILLON* suivant = c->suivant;
        vLibererMetarea(pMetarea(c));
        delete c;
        c = suivant;
    }
    delete arbre;
}

TYPEDEF_METAREA* pMetareaNumero(const TYPEDEF_LISTE_METAREA* arbre, int numero)
{
    if (!arbre || numero == 0)
        return nullptr;
    for (const TYPEDEF_MAILLON* c = arbre->premier; c; c = c->suivant)
        if (pMetarea(c)->numero == numero)
            return pMetarea(c);
    return nullptr;
}
