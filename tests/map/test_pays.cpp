// The place-name list of "img/datapays.txt" and the compiled gazetteer.
#include "map/pays.h"
#include "tests/map/tdc_test.h"

#include <filesystem>
#include <set>
#include <vector>

namespace {

class ListePays : public DossierTdc {
protected:
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
};

}  // namespace

// The last line is longer than 125 characters: read whole, one name.
TEST_F(ListePays, SevenAndEightFieldsAndLongNames)
{
    const std::string long60 = std::string(45, 'a') + "éééé" + std::string(7, 'b');
    const auto v = lire("# comment\n6 224224224 12 2 10 8 Nigéria\n"
                        "4 255255128 11 1 27.6 -81.4 Floride Florida\r\n"
                        "8 0 10 0 1 2 " + long60 + " " + std::string(200, 'x') + "\n");
    ASSERT_EQ(v.size(), 3u);
    EXPECT_STREQ(v[0]->autre, "Nigéria");  // seven fields: the same name
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
        EXPECT_NE(journal().find("<BoutonsRVA> ERROR: " + std::string(mauvaise)),
                  std::string::npos);
    }
    std::filesystem::remove("img/datapays.txt");
    Pays();
    EXPECT_EQ(ST_PAYS, nullptr);
}

TEST(Gazetteer, HoldsTheTellingRows)
{
    std::set<std::string> rangees;
    for (const TYPEDEF_PAYS* p = ST_PAYS2; p->masque; ++p) {
        char r[160];
        std::snprintf(r, sizeof r, "%d %u %u %u %s/%s", p->masque, p->couleur, p->taille,
                      p->style, p->francais, p->autre);
        rangees.insert(r);
        EXPECT_TRUE(p->francais != std::string("Nigeria") ||
                    (p->latitude == 10 && p->longitude == 8));
    }
    EXPECT_GT(rangees.size(), 700u);
    for (const char* r :
         {"6 224224224 12 2 Nigeria/Nigeria", "2 224224224 12 2 France/France",
          "12 224224224 20 2 P h i l i p p i n e s/P h i l i p p i n e s",
          "2 224224224 12 2 Philippines/Philippines", "4 255255128 11 1 Floride/Florida",
          "8 255224160 10 0 Nord 59/Nord 59"})
        EXPECT_EQ(rangees.count(r), 1u) << r;
}
