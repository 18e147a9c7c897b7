// The place-name list of "img/datapays.txt" and the compiled gazetteer.
#include "map/pays.h"
#include "tests/outils/outils_test.h"

#include <cstring>
#include <filesystem>
#include <vector>

namespace {

class ListePays : public ::testing::Test {
protected:
    ListePays() { std::filesystem::create_directory("img"); }
    ~ListePays() override { delete_Pays(); }
    std::vector<const TYPEDEF_PAYS*> lire(const std::string& texte)
    {
        ecrireFichier("img/datapays.txt", texte);
        Pays();
        std::vector<const TYPEDEF_PAYS*> v;
        for (const TYPEDEF_PAYS* p = ST_PAYS; p; p = p->suivant)
            v.push_back(p);
        return v;
    }
    DossierTemporaire dossier;
    DossierCourant ici{dossier.chemin()};
    JournalTemporaire journal{"log.txt"};
};

}  // namespace

// The last line is longer than 125 characters: read whole, one name.
TEST_F(ListePays, SevenAndEightFieldsAndLongNames)
{
    const std::string long60 = std::string(45, 'a') + "éééé" + std::string(7, 'b');
    const auto v = lire("# comment\n"
                        "6 224224224 12 2 10 8 Nigéria\n"
                        "4 255255128 11 1 27.6 -81.4 Floride Florida\r\n"
                        "8 0 10 0 1 2 " + long60 + " " + std::string(200, 'x') + "\n");
    ASSERT_EQ(v.size(), 3u);
    EXPECT_STREQ(v[0]->autre, "Nigéria");  // seven fields: the same name
    EXPECT_EQ(v[0]->masque, 6);
    EXPECT_DOUBLE_EQ(v[1]->longitude, -81.4);
    EXPECT_STREQ(v[1]->autre, "Florida");
    // Cut at 47 bytes, not inside the "é" that straddles them.
    EXPECT_EQ(std::string(v[2]->francais), std::string(45, 'a') + "é");
    EXPECT_EQ(std::string(v[2]->autre), std::string(47, 'x'));
}

TEST_F(ListePays, ABadLineDropsTheFile)
{
    for (const char* mauvaise : {"2 0 12 0 1 2\n", "\n", "2 0 douze 0 1 2 A B\n"}) {
        EXPECT_TRUE(lire(std::string("6 0 12 2 10 8 Nigeria\n") + mauvaise).empty()) << mauvaise;
        EXPECT_NE(journal.contenu().find("<BoutonsRVA> ERROR: " + std::string(mauvaise)),
                  std::string::npos);
    }
    EXPECT_TRUE(lire("").empty());
    std::filesystem::remove("img/datapays.txt");
    Pays();
    EXPECT_EQ(ST_PAYS, nullptr);
}

TEST(Gazetteer, HoldsTheTellingRows)
{
    struct Rangee {
        int masque;
        unsigned couleur, taille, style;
        const char *francais, *autre;
    };
    const Rangee attendues[] = {{6, 224224224, 12, 2, "Nigeria", "Nigeria"},
                                {2, 224224224, 12, 2, "France", "France"},
                                {12, 224224224, 20, 2, "P h i l i p p i n e s", nullptr},
                                {2, 224224224, 12, 2, "Philippines", nullptr},
                                {4, 255255128, 11, 1, "Floride", "Florida"},
                                {8, 255224160, 10, 0, "Nord 59", "Nord 59"}};
    int lignes = 0;
    for (const TYPEDEF_PAYS* p = ST_PAYS2; p->masque; ++p)
        ++lignes;
    EXPECT_GT(lignes, 700);
    for (const Rangee& r : attendues) {
        const TYPEDEF_PAYS* p = ST_PAYS2;
        while (p->masque && std::strcmp(p->francais, r.francais) != 0)
            ++p;
        ASSERT_TRUE(p->masque) << r.francais;
        EXPECT_EQ(p->masque, r.masque) << r.francais;
        EXPECT_EQ(p->couleur, r.couleur) << r.francais;
        EXPECT_EQ(p->taille, r.taille) << r.francais;
        EXPECT_EQ(p->style, r.style) << r.francais;
        EXPECT_STREQ(p->autre, r.autre ? r.autre : r.francais);
        if (r.francais == std::string("Nigeria")) {
            EXPECT_EQ(p->latitude, 10);
            EXPECT_EQ(p->longitude, 8);
        }
    }
}
