// The codes a product button puts into a bulletin request, by range of its
// number, over the small test tree: the volume each press counts, the
// coastal codes entered once, a full list that drops codes only with a
// log line, and the bounded copy of a single code.
#include "tests/transport/requete_test.h"

#include "tests/catalogue/arbre_test.h"

#include <FL/Fl_Button.H>
#include <string>
#include <vector>

namespace {

const std::string DEBUT = "@mto@reqt@bull@\n";
const std::string FIN = "@mto@reqt@fin@\n";

class Objets : public RequeteTest {
protected:
    // Presses on buttons carrying these numbers, in turn.
    void presser(std::initializer_list<int> numeros)
    {
        for (int n : numeros) {
            Fl_Button b(0, 0, 10, 10);
            b.shortcut(n);
            bulletin.vSetObjet(&b);
        }
    }
    std::string corps()
    {
        const std::string t = texte(tamponBulletin);
        return t.substr(DEBUT.size(), t.size() - DEBUT.size() - FIN.size());
    }
    void remplir(int n)
    {
        for (int i = 0; i < n; ++i)
            bulletin.vSetObjet(("CODE_" + std::to_string(i)).c_str());
    }
    ArbreTest arbre;
};

}  // namespace

TEST_F(Objets, ByRangeOverTheTestTree)
{
    const struct {
        std::vector<int> numeros;
        std::string codes;
        const char* volume;
    } cas[] = {
        {{1}, "GMDSS_METAREA1_INMARSAT\nGMDSS_METAREA1_OFFSHORE\n", "5.000"},
        // A label pressed as a toggle, and XI (China): no identifier.
        {{0}, "", "5.000"},
        {{0, 2}, "GMDSS_METAREA2_INMARSAT\n", "10.000"},
        {{4521, 4521}, "BMS_COTE_MANCHE_HAG-AIG\n", "10.000"},
        {{4521, 4531, 4551, 4561}, "BMS_COTE_MANCHE_HAG-AIG\nBMS_COTE_MEDIT\n", "20.000"},
        {{5241, 5241}, "NAVTEX_4_NEW-ORLEANS_FORECAST\nNAVTEX_4_NEW-ORLEANS_FORECAST\n", "10.000"},
        {{6102}, "NAVTEX_11_NAHA_IMPORTANT_WARNING\nNAVTEX_11_NAHA_VITAL_WARNING\n", "5.000"},
        {{5242}, "NAVTEX_4_NEW-ORLEANS_WARNING\n", "5.000"},
        {{1012}, "SAT_GLOBE2\n", "30.000"},
        {{1099}, "", "30.000"},
        {{2003}, "PREISO24\n", "60.000"},
        {{3500, 7001, -3}, "", "15.000"},
        // A chart button is no bulletin; the Ice Sea sends an advisory.
        {{4009, 6271}, "NAVTEX_12_KODIAK_ICE_SEA_ADVISORY\n", "10.000"},
        {{4490, 4081}, "CYCLONES\nBMS_TAHITI\n", "10.000"},
    };
    for (const auto& c : cas) {
        bulletin.vFreeObjets();
        for (int n : c.numeros)
            presser({n});
        EXPECT_EQ(corps(), c.codes) << c.numeros[0];
        EXPECT_EQ(recapBulletin.volume, c.volume) << c.numeros[0];
        EXPECT_EQ(bulletin.objetsPerdus, 0);
    }
}

TEST_F(Objets, AFreedListRendersItsFrameAndNoVolume)
{
    presser({1, 4500, 1012});
    bulletin.vFreeObjets();
    EXPECT_EQ(bulletin.volumeBulletins, 0);
    bulletin.vEcrire(0);
    EXPECT_EQ(texte(tamponBulletin), "@mto@reqt@bull@\n@mto@reqt@fin@\n");
    EXPECT_EQ(recapBulletin.volume, "0.000");
}

// With the 128 slots taken a press still counts 5 Ko, whatever it is,
// and each code it loses is logged and counted.
TEST_F(Objets, AFullListDropsCodesAloud)
{
    remplir(128);
    presser({1012});
    EXPECT_EQ(bulletin.volumeBulletins, 128 * 5 + 5);
    EXPECT_EQ(bulletin.objetsPerdus, 1);
    EXPECT_NE(journal().find("SAT_GLOBE2"), std::string::npos) << journal();
    EXPECT_EQ(corps().find("SAT_GLOBE2"), std::string::npos);
    // Room for one of Metarea I's two identifiers: the other is dropped.
    bulletin.vFreeObjets();
    remplir(127);
    presser({1});
    EXPECT_NE(corps().find("GMDSS_METAREA1_INMARSAT\n"), std::string::npos);
    EXPECT_EQ(corps().find("GMDSS_METAREA1_OFFSHORE"), std::string::npos);
    EXPECT_EQ(bulletin.objetsPerdus, 1);
    EXPECT_NE(journal().find("GMDSS_METAREA1_OFFSHORE"), std::string::npos);
    EXPECT_EQ(bulletin.volumeBulletins, 127 * 5 + 5);
    // A code typed in the list the same.
    bulletin.vSetObjet("DE_TROP");
    EXPECT_EQ(bulletin.objetsPerdus, 2);
    EXPECT_NE(journal().find("DE_TROP"), std::string::npos);
    bulletin.vFreeObjets();
    EXPECT_EQ(bulletin.objetsPerdus, 0);
}

TEST_F(Objets, ASingleCodeIsBounded)
{
    const std::string long60(60, 'N');
    bulletin.vSetObjet(long60.c_str());
    EXPECT_EQ(corps(), std::string(47, 'N') + "\n");
    EXPECT_EQ(bulletin.volumeBulletins, 5);
    bulletin.vSetObjet(static_cast<const char*>(nullptr));
    bulletin.vSetObjet("");
    bulletin.vSetObjet(static_cast<Fl_Button*>(nullptr));
    EXPECT_EQ(bulletin.volumeBulletins, 5);
    EXPECT_EQ(corps(), std::string(47, 'N') + "\n");
}
