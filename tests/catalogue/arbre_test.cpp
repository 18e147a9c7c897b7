#include "tests/catalogue/arbre_test.h"

#include <cstring>

namespace {

struct Aire {
    const char* nom;
    const char* nom2;
    unsigned couleur;
    int numero;
    const char* bulletins[3];
    double lat, lon, nord, sud, ouest, est;
};

const Aire AIRES[] = {
    {"I", "United Kingdom", 63, 1, {"GMDSS_METAREA1_INMARSAT", "GMDSS_METAREA1_OFFSHORE", nullptr},
     52.5, -2, 71, 48.45, -35, 30},
    {"II", "France", 63, 2, {"GMDSS_METAREA2_INMARSAT", nullptr}, 40, -22, 48.45, -6, -35, 10},
    {"XI", "China", 95, 0, {nullptr}, 20, 117, 45, 9, 95, 180},
    {"XIX", "Norway", 223, 20, {"GMDSS_METAREA19_INMARSAT", nullptr}, 80, 12, 90, 65, -20, 30},
    {"XXI", "Russian Federation", 63, 22, {"GMDSS_METAREA21_INMARSAT", nullptr}, 80, 157, 90, 65,
     125, 165},
};

}  // namespace

namespace {

// Texts and arrays as the tree owns them.
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
    int n = 0;
    while (textes[n])
        ++n;
    if (n == 0)
        return nullptr;
    char** c = new char*[size_t(n) + 1];
    for (int i = 0; i < n; ++i)
        c[i] = pcCopie(textes[i]);
    c[n] = nullptr;
    return c;
}

}  // namespace

TYPEDEF_LISTE_METAREA* pArbreTest()
{
    TYPEDEF_LISTE_METAREA* arbre = new TYPEDEF_LISTE_METAREA;
    for (const Aire& a : AIRES) {
        TYPEDEF_METAREA* m = new TYPEDEF_METAREA;
        m->nom = pcCopie(a.nom);
        m->nom2 = pcCopie(a.nom2);
        m->couleur = a.couleur;
        m->numero = a.numero;
        m->bulletins = ppcCopies(a.bulletins);
        m->lat = a.lat, m->lon = a.lon;
        m->nord = a.nord, m->sud = a.sud, m->ouest = a.ouest, m->est = a.est;
        TYPEDEF_MAILLON* cellule = new TYPEDEF_MAILLON{m, nullptr};
        if (!arbre->premier)
            arbre->premier = cellule;
        else
            arbre->courant->suivant = cellule;
        arbre->courant = cellule;
    }
    return arbre;
}

ArbreTest::ArbreTest() : arbre(pArbreTest()), avant(GMDSS)
{
    GMDSS = arbre;
}

ArbreTest::~ArbreTest()
{
    GMDSS = avant;
    vLibererMetareas(arbre);
}
