// The bulletin page's rules without a display: the Metarea buttons'
// places and the products' areas the request frame is tested against.
#include "pages/boites_produits.h"
#include "pages/regles_bulletins.h"
#include "pages/zones_produits.h"

#include "tests/catalogue/arbre_test.h"

#include <gtest/gtest.h>

// 22 buttons from 4 px inside the pack (at 18): five a line, the sixth
// back at the start 21 px lower.
TEST(ReglesBulletins, MetareaButtonsWrapAt226)
{
    int bas = 0;
    const std::vector<PlaceBouton> p = placesGmdss(22, 100, 0, 22, bas);
    ASSERT_EQ(p.size(), 22u);
    const int xs[] = {22, 63, 104, 145, 186};
    for (size_t i = 0; i < p.size(); ++i) {
        EXPECT_EQ(p[i].x, xs[i % 5]) << i;
        EXPECT_EQ(p[i].y, 100 + 21 * int(i / 5)) << i;
    }
    EXPECT_EQ(bas, 100 + 4 * 21 + 22);
    // The rule counts from the panel's left edge.
    const std::vector<PlaceBouton> q = placesGmdss(322, 0, 300, 6, bas);
    EXPECT_EQ(q[4].x, 486);
    EXPECT_EQ(q[5].x, 322);
    EXPECT_EQ(q[5].y, 21);
    EXPECT_EQ(bas, 43);
    // No button: the line's own 22 px; a panel too narrow for one button
    // still puts one a line.
    EXPECT_TRUE(placesGmdss(22, 100, 0, 0, bas).empty());
    EXPECT_EQ(bas, 122);
    const std::vector<PlaceBouton> r = placesGmdss(200, 0, 0, 2, bas);
    EXPECT_EQ(r[1].x, 200);
    EXPECT_EQ(r[1].y, 21);
}


// The areas the frame's marks are tested against.
TEST(ReglesBulletins, ProductAreas)
{
    ArbreTest arbre;
    CadreZone b{};
    ASSERT_TRUE(bBoiteProduit(PRODUIT_METAREA, 1, b));
    EXPECT_EQ(b.nord, 71);
    EXPECT_EQ(b.sud, 48.45);
    EXPECT_EQ(b.ouest, -35);
    EXPECT_EQ(b.est, 30);
    EXPECT_FALSE(bBoiteProduit(PRODUIT_METAREA, 20, b)) << "past 17";
    EXPECT_FALSE(bBoiteProduit(PRODUIT_METAREA, 0, b));
    EXPECT_FALSE(bBoiteProduit(PRODUIT_METAREA, 5, b)) << "not in this tree";
    ASSERT_TRUE(bBoiteProduit(PRODUIT_SATELLITE, 1004, b));
    EXPECT_EQ(b.est, 210);
    ASSERT_TRUE(bBoiteProduit(PRODUIT_PREISO, 2005, b));
    EXPECT_EQ(b.ouest, -80);
    EXPECT_FALSE(bBoiteProduit(PRODUIT_SATELLITE, 2005, b));
    EXPECT_FALSE(bBoiteProduit(7, 1, b));
}

// A loaded request's codes on the buttons: a Metarea by any bulletin, any
// other product by all its codes (a NAVTEX warning with its third code),
// none for a code four coastal buttons share; the rest kept in order.
TEST(ReglesBulletins, TheButtonsALoadedRequestPresses)
{
    ArbreTest arbre;
    const std::vector<int> numeros = {1, 2, 1006, 4020, 4021, 4550, 4551, 4561, 4571,
                                      4581, 5241, 6116, 6117};
    const struct {
        std::vector<std::string> codes;
        std::vector<int> enfonces;
        std::vector<std::string> sansBouton;
    } cas[] = {
        {{"GMDSS_METAREA1_OFFSHORE", "NAVTEX_4_NEW-ORLEANS_FORECAST"}, {1, 5241}, {}},
        {{"NAVTEX_11_OTARU_IMPORTANT_WARNING", "NAVTEX_11_OTARU_VITAL_WARNING"}, {6117}, {}},
        {{"NAVTEX_11_OTARU_VITAL_WARNING"}, {}, {"NAVTEX_11_OTARU_VITAL_WARNING"}},
        {{"BMS_COTE_MEDIT", "COTE_MEDIT_CER-POR", "INCONNU"}, {4550},
         {"BMS_COTE_MEDIT", "INCONNU"}},
        {{"MANCHE_ET_SUD_DE_MER_DU_NORD", "SAT_EUROPE"}, {1006, 4020}, {}},
    };
    for (const auto& c : cas) {
        const ProduitsCharges p = produitsCharges(numeros, c.codes);
        EXPECT_EQ(p.enfonces, c.enfonces) << c.codes[0];
        EXPECT_EQ(p.sansBouton, c.sansBouton) << c.codes[0];
    }
}
