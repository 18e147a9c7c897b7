// The request page's rules without a display: the product bar's widths,
// the place of the GRIB accordion's help pane, the product page the
// settings ask for.
#include "pages/bandeau_textes.h"
#include "pages/regles_requeteur.h"
#include "pages/vr.h"

#include <gtest/gtest.h>
#include <tuple>

TEST(ReglesRequeteur, TheBarSharesOutItsRoomAndNeverNarrowsAButton)
{
    const struct {
        int f, b, i;
        LargeursGBI attendu;
    } cas[] = {
        {52, 54, 46, {69, 71, 64}},       // 54 left: 18 each, one less for the first two
        {60, 60, 75, {62, 62, 78}},       // 11 left: shared
        {60, 60, 76, {60, 60, 76}},       // exactly 10 left: the measures stand
        {90, 110, 120, {90, 110, 120}},   // long translations: wider than the bar
        {0, 0, 0, {67, 67, 68}},
    };
    for (const auto& c : cas) {
        const LargeursGBI l = largeursGBI(c.f, c.b, c.i);
        EXPECT_EQ(l.forfaits, c.attendu.forfaits) << c.f;
        EXPECT_EQ(l.bulletins, c.attendu.bulletins) << c.f;
        EXPECT_EQ(l.images, c.attendu.images) << c.f;
        EXPECT_GE(l.forfaits, c.f);
        EXPECT_GE(l.bulletins, c.b);
        EXPECT_GE(l.images, c.i);
    }
}

TEST(ReglesRequeteur, TheHelpPaneGoesToItsTopicsSectionWithinThePack)
{
    const struct {
        int topic, enfants, index;
    } cas[] = {
        {1, 12, 0},   {0, 12, 0},   {2, 12, 2},    {3, 12, 4},   {6, 12, 10},
        {7, 12, 10},  {8, 12, 12},  {9, 12, 12},   {-61, 12, 0}, {-23, 12, 4},
        {10, 12, 0},  {-70, 12, 0}, {9, 5, 5},     {3, 0, 0},    {-191, 3, 0},
    };
    for (const auto& c : cas)
        EXPECT_EQ(iIndexAideGrib(c.topic, c.enfants), c.index) << c.topic << " " << c.enfants;
}

TEST(ReglesRequeteur, TheSettingsProductPageIsTakenOnlyWhenThePageCanShowIt)
{
    const struct {
        int page, forfaits;
        bool routes;
        OngletsRequeteur attendu;
    } cas[] = {
        {0, 1, false, {0, 1, false}}, {0, 0, false, {0, 0, false}}, {1, 0, false, {1, 0, false}},
        {2, 1, false, {2, 1, false}}, {3, 0, true, {3, 0, false}},  {3, 1, false, {0, 0, true}},
        {7, 0, false, {0, 0, true}},  {-1, 1, true, {0, 0, true}},  {0, 5, false, {0, 0, false}},
        {1, -2, false, {1, 0, false}},
    };
    for (const auto& c : cas) {
        const OngletsRequeteur o = ongletsRequeteur(c.page, c.forfaits, c.routes);
        EXPECT_EQ(o.page, c.attendu.page) << c.page << " " << c.forfaits;
        EXPECT_EQ(o.forfaits, c.attendu.forfaits) << c.page << " " << c.forfaits;
        EXPECT_EQ(o.refus, c.attendu.refus) << c.page << " " << c.forfaits;
    }
}

// In a row of 500 pixels from 100, texts so many pixels a size wide: one
// centred, or cut at 9 over the row; a pair at one size 16 apart, or at 9
// sharing the row in proportion.
TEST(BandeauTextes, EachTextAtTheLargestSizeThatShowsItWhole)
{
    using Place = std::tuple<int, int, int>;
    auto large = [](int n) { return MesureTexte([n](int taille) { return n * taille; }); };
    auto place = [](const PlaceTexte& p) { return Place{p.x, p.l, p.taille}; };
    const std::tuple<int, int, Place> seules[] = {
        {10, 18, {260, 180, 18}}, {40, 18, {110, 480, 12}}, {60, 12, {100, 500, 9}}};
    for (auto [n, taille, attendue] : seules)
        EXPECT_EQ(place(placeSeule(100, 600, taille, large(n))), attendue) << n;
    const std::tuple<int, int, Place, Place> paires[] = {{20, 15, {100, 240, 12}, {420, 180, 12}},
                                                         {30, 20, {100, 270, 9}, {420, 180, 9}},
                                                         {40, 20, {100, 322, 9}, {438, 162, 9}}};
    for (auto [a, b, g, d] : paires) {
        PlaceTexte pg, pd;
        vPlacerPaire(100, 600, 12, large(a), large(b), pg, pd);
        EXPECT_EQ(std::make_pair(place(pg), place(pd)), std::make_pair(g, d)) << a << " " << b;
    }
}
