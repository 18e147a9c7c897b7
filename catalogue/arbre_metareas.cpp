#include "catalogue/arbre_metareas.h"

#include <cstring>

TYPEDEF_LISTE_METAREA* GMDSS = nullptr;

namespace {

char* pcCopie(const char* texte)
{
    if (!texte)
        return nullptr;
    char* c = new char[std::strlen(texte) + 1];
    std::strcpy(c, texte);
    return c;
}

char** ppcCopies(const char* const* textes)
{
    if (!textes || !textes[0])
        return nullptr;
    int n = 0;
    while (textes[n])
        ++n;
    char** c = new char*[size_t(n) + 1];
    for (int i = 0; i < n; ++i)
        c[i] = pcCopie(textes[i]);
    c[n] = nullptr;
    return c;
}

void vLibererSommets(TYPEDEF_SOUS_ZONE& z)
{
    for (TYPEDEF_SOMMET* s = z.sommets_premier; s;) {
        TYPEDEF_SOMMET* suivant = s->suivant;
        delete s;
        s = suivant;
    }
    z.sommets_premier = z.sommets_courant = nullptr;
}

void vLibererTextes(TYPEDEF_SOUS_ZONE& z)
{
    delete[] z.nom;
    delete[] z.nom2;
    delete[] z.nom3;
    if (z.bulletins)
        for (char** b = z.bulletins; *b; ++b)
            delete[] *b;
    delete[] z.bulletins;
}

void vLibererSousZones(TYPEDEF_METAREA& m)
{
    for (TYPEDEF_MAILLON* c = m.sous_zones_premier; c;) {
        TYPEDEF_MAILLON* suivant = c->suivant;
        TYPEDEF_SOUS_ZONE* z = static_cast<TYPEDEF_SOUS_ZONE*>(c->element);
        if (z) {
            vLibererSommets(*z);
            vLibererTextes(*z);
            delete z;
        }
        delete c;
        c = suivant;
    }
    m.sous_zones_premier = m.sous_zones_courant = nullptr;
}

}  // namespace

TYPEDEF_METAREA* pAjouterMetarea(TYPEDEF_LISTE_METAREA& arbre, const char* nom, const char* nom2,
                                 const char* nom3, uint32_t couleur, int numero,
                                 const char* const* bulletins)
{
    TYPEDEF_METAREA* m = new TYPEDEF_METAREA;
    m->nom = pcCopie(nom);
    m->nom2 = pcCopie(nom2);
    m->nom3 = pcCopie(nom3);
    m->couleur = couleur;
    m->numero = numero;
    m->bulletins = ppcCopies(bulletins);
    TYPEDEF_MAILLON* cellule = new TYPEDEF_MAILLON{m, nullptr};
    if (!arbre.premier)
        arbre.premier = cellule;
    else
        arbre.courant->suivant = cellule;
    arbre.courant = cellule;
    return m;
}

const TYPEDEF_METAREA* pMetareaNumero(const TYPEDEF_LISTE_METAREA* arbre, int numero)
{
    if (!arbre || numero == 0)
        return nullptr;
    for (const TYPEDEF_MAILLON* c = arbre->premier; c; c = c->suivant) {
        const TYPEDEF_METAREA* m = static_cast<const TYPEDEF_METAREA*>(c->element);
        if (m && m->numero == numero)
            return m;
    }
    return nullptr;
}

void vLibererMetareas(TYPEDEF_LISTE_METAREA* arbre)
{
    if (!arbre)
        return;
    for (TYPEDEF_MAILLON* c = arbre->premier; c;) {
        TYPEDEF_MAILLON* suivant = c->suivant;
        TYPEDEF_METAREA* m = static_cast<TYPEDEF_METAREA*>(c->element);
        if (m) {
            vLibererSousZones(*m);
            vLibererSommets(*m);
            vLibererTextes(*m);
            delete m;
        }
        delete c;
        c = suivant;
    }
    delete arbre;
}
