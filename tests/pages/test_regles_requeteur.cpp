// The request page's rules without a display: the product bar's widths,
// the place of the GRIB accordion's help pane, the product page the
// settings ask for.
#include "pages/regles_requeteur.h"
#include "pages/vr.h"

#include <gtest/gtest.h>

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
