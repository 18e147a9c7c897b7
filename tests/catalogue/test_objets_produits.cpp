// The zone chart of a chart button; the tree built and freed. What a
// product button stands for is tested through the request model.
#include "catalogue/metareas.h"
#include "catalogue/objets_produits.h"

#include "tests/catalogue/arbre_test.h"
#include "tests/outils/outils_test.h"

#include <gtest/gtest.h>
#include <optional>
#include <set>
#include <sstream>
#include <string>

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

// The codes the numbers of the real tree and of the tables stand for are
// those the stand-in service knows: its list is written from the
// service's descriptions, apart from the program's tables.
TEST(ObjetsProduits, EveryCodeIsOneTheServiceKnows)
{
    const std::optional<std::string> liste = sortie(
        std::string(QUENBREL_PYTHON3) + " " + QUENBREL_SOURCE_DIR + "/tests/support/catalogue_factice.py");
    ASSERT_TRUE(liste);
    std::set<std::string> connus;
    std::istringstream lignes(*liste);
    for (std::string l; std::getline(lignes, l);)
        connus.insert(l);
    ASSERT_EQ(connus.size(), 147u);
    TYPEDEF_LISTE_METAREA* garde = GMDSS;
    GMDSS = Metareas();
    std::set<std::string> demandes;
    for (int numero = 0; numero <= 7000; ++numero)
        for (const char* c : objetsProduit(numero).codes)
            demandes.insert(c);
    vLibererMetareas(GMDSS);
    GMDSS = garde;
    EXPECT_EQ(demandes, connus);
}
