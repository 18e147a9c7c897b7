#include "tests/catalogue/arbre_test.h"

#include "catalogue/arbre_metareas.h"

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

TYPEDEF_LISTE_METAREA* pArbreTest()
{
    TYPEDEF_LISTE_METAREA* arbre = new TYPEDEF_LISTE_METAREA{nullptr, nullptr};
    for (const Aire& a : AIRES) {
        TYPEDEF_METAREA* m =
            pAjouterMetarea(*arbre, a.nom, a.nom2, nullptr, a.couleur, a.numero, a.bulletins);
        m->lat = a.lat, m->lon = a.lon;
        m->nord = a.nord, m->sud = a.sud, m->ouest = a.ouest, m->est = a.est;
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
