// What a product button stands for, by range of its number, over the small
// test tree; the zone chart of a chart button; the tree built and freed.
#include "catalogue/metareas.h"
#include "catalogue/objets_produits.h"

#include "tests/catalogue/arbre_test.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

std::vector<std::string> codes(int numero)
{
    const ObjetsProduit o = objetsProduit(numero);
    return std::vector<std::string>(o.codes.begin(), o.codes.end());
}

using Codes = std::vector<std::string>;

}  // namespace

TEST(ObjetsProduits, ByRange)
{
    ArbreTest arbre;
    const struct {
        int numero;
        Codes codes;
        int volume;
        bool unique;
    } cas[] = {
        {1, {"GMDSS_METAREA1_INMARSAT", "GMDSS_METAREA1_OFFSHORE"}, 5, false},
        {2, {"GMDSS_METAREA2_INMARSAT"}, 5, false},
        {0, {}, 5, false},     // XI (China): no identifier, and 0 never matches
        {20, {"GMDSS_METAREA19_INMARSAT"}, 5, false},
        {7, {}, 5, false},     // no such area in this tree
        {-3, {}, 5, false},
        {1012, {"SAT_GLOBE2"}, 30, false},
        {1009, {}, 30, false},  // no such satellite picture
        {2003, {"PREISO24"}, 60, false},
        {3001, {}, 5, false},
        {4000, {"RFI"}, 5, false},
        {4009, {}, 5, false},  // a chart button is no bulletin
        {4490, {"CYCLONES"}, 5, false},
        {4052, {"BMS_REUNION_Anglais"}, 5, false},
        {4521, {"BMS_COTE_MANCHE_HAG-AIG"}, 5, true},
        {4531, {"BMS_COTE_MANCHE_HAG-AIG"}, 5, true},
        {5241, {"NAVTEX_4_NEW-ORLEANS_FORECAST"}, 5, false},
        {5242, {"NAVTEX_4_NEW-ORLEANS_WARNING"}, 5, false},
        {6102, {"NAVTEX_11_NAHA_IMPORTANT_WARNING", "NAVTEX_11_NAHA_VITAL_WARNING"}, 5, false},
        {6103, {"NAVTEX_11_NAHA_VITAL_WARNING"}, 5, false},
        {6271, {"NAVTEX_12_KODIAK_ICE_SEA_ADVISORY"}, 5, false},
        {7000, {}, 5, false},
    };
    for (const auto& c : cas) {
        const ObjetsProduit o = objetsProduit(c.numero);
        EXPECT_EQ(codes(c.numero), c.codes) << c.numero;
        EXPECT_EQ(o.volume, c.volume) << c.numero;
        EXPECT_EQ(o.unique, c.unique) << c.numero;
    }
}

TEST(ObjetsProduits, WithoutATreeTheMetareasStandForNothing)
{
    TYPEDEF_LISTE_METAREA* garde = GMDSS;
    GMDSS = nullptr;
    EXPECT_TRUE(codes(1).empty());
    EXPECT_EQ(objetsProduit(1).volume, 5);
    GMDSS = garde;
}

TEST(ObjetsProduits, ChartFiles)
{
    const struct {
        unsigned numero;
        const char* fichier;
    } cas[] = {{4009, "zones_rfi.pl"},       {4019, "zones_ism.pl"},
               {4079, "zones_caledonie.pl"}, {4089, "zones_polynesie.pl"},
               {4099, "zones_antilles.pl"},  {4509, "zones_cotes.pl"},
               {4029, nullptr},              {4519, nullptr},
               {4000, nullptr},              {9, nullptr},
               {19, nullptr},                {5009, nullptr},
               {3009, nullptr},              {4294967289u, nullptr}};
    for (const auto& c : cas) {
        const char* f = pcFichierCarteZones(c.numero);
        if (c.fichier)
            EXPECT_STREQ(f, c.fichier) << c.numero;
        else
            EXPECT_EQ(f, nullptr) << c.numero;
    }
}

// Built and freed again and again (the sanitizers see each text, array,
// vertex, record and cell freed once).
TEST(ObjetsProduits, TheTreeIsBuiltAndFreedWhole)
{
    for (int i = 0; i < 10; ++i) {
        TYPEDEF_LISTE_METAREA* a = pArbreTest();
        TYPEDEF_METAREA* m = pMetarea(a->premier);
        m->sommets_premier = new TYPEDEF_SOMMET{1, 2, new TYPEDEF_SOMMET{3, 4, nullptr}};
        TYPEDEF_SOUS_ZONE* z = new TYPEDEF_SOUS_ZONE;
        z->nom = new char[4]{'a', 'b', 'c', 0};
        m->sous_zones_premier = m->sous_zones_courant = new TYPEDEF_MAILLON{z, nullptr};
        int n = 0;
        for (TYPEDEF_MAILLON* c = a->premier; c; c = c->suivant)
            ++n;
        EXPECT_EQ(n, 5);
        EXPECT_EQ(pMetareaNumero(a, 0), nullptr);
        ASSERT_NE(pMetareaNumero(a, 22), nullptr);
        EXPECT_STREQ(pMetareaNumero(a, 22)->nom, "XXI");
        EXPECT_EQ(pMetareaNumero(a, 3), nullptr);
        vLibererMetareas(a);
    }
    vLibererMetareas(nullptr);
    TYPEDEF_LISTE_METAREA* arbre = Metareas();
    ASSERT_NE(arbre, nullptr);
    vLibererMetareas(arbre);
}
