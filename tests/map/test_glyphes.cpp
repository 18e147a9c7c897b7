// Wind flags and arrows as drawn, recorded without a display: the glyph of
// each speed in its force colours, the flag's length on the map, and how
// far apart the map draws them.
#include "map/fdc.h"
#include "map/glyphes.h"
#include "tests/map/carte_champs_test.h"
#include "tests/map/trace_test.h"

#include <gtest/gtest.h>

using Rvb = TraceTest::Rvb;

TEST(Glyphes, EachSpeedGivesItsFlagInItsForceColours)
{
    const struct {
        float noeuds;
        long traits, cercles, triangles;
        Rvb clair, sombre;
    } cas[] = {
        {2.4f, 0, 2, 0, {0, 254, 128}, {0, 127, 64}},   {2.5f, 10, 0, 0, {0, 254, 128}, {0, 127, 64}},
        {12, 10, 0, 0, {0, 254, 0}, {0, 127, 1}},        {13, 12, 0, 0, {0, 254, 0}, {0, 127, 1}},
        {47.5f, 8, 0, 2, {254, 32, 32}, {127, 16, 16}}, {65, 14, 0, 2, {192, 32, 32}, {96, 16, 16}},
    };
    for (const auto& c : cas) {
        TraceTest t;
        vDrapeauVent(t, 100, 100, 24, 0, c.noeuds, false);
        EXPECT_EQ((std::array<long, 3>{t.nombre('t'), t.nombre('c'), t.nombre('f')}),
                  (std::array<long, 3>{c.traits, c.cercles, c.triangles})) << c.noeuds;
        // Dark and 3 wide first, bright and 1 wide last.
        for (const auto& a : t.appels)
            EXPECT_EQ(a.rvb, a.epaisseur == 3 ? c.sombre : a.epaisseur == 1 ? c.clair : Rvb{})
                << c.noeuds;
        EXPECT_EQ(t.appels.front().epaisseur, 3);
        EXPECT_EQ(t.appels.back().epaisseur, 1);
    }
    // From the station (100, 100) up a 24-pixel shaft: the half barb at its
    // end, the full barb 6 further, the pennant beyond; a lone half barb
    // stands a quarter in from a shaft drawn on to 30.
    TraceTest t, demi;
    vDrapeauVent(t, 100, 100, 24, 0, 65, false);
    vDrapeauVent(demi, 100, 100, 24, 0, 2.5f, false);
    EXPECT_EQ((std::array<int, 4>{t.appels[7].v[1], t.appels[11].v[1], t.appels.back().v[1],
                                  demi.appels.back().v[3]}),
              (std::array<int, 4>{76, 70, 64, 70}));
}

TEST(Glyphes, ArrowsOfCalmAndOfWeakCurrent)
{
    TraceTest mer, courant, autre;
    vFlecheGlyphe(mer, GLYPHE_MER, 100, 100, 20, 0, 0.005f);
    ASSERT_EQ(mer.nombre('c'), 2);
    EXPECT_EQ(mer.appels[0].v[2], 3);
    EXPECT_EQ(mer.appels[0].rvb, (Rvb{0, 127, 64}));
    vFlecheGlyphe(courant, GLYPHE_COURANT, 100, 100, 20, 0, 0.005f);
    ASSERT_EQ(courant.nombre('t'), 6);
    EXPECT_EQ(courant.appels[2].v, (std::array<int, 6>{100, 100, 100, 110, 0, 0}));
    vFlecheGlyphe(autre, 3, 100, 100, 20, 0, 1);
    vDrapeauVent(autre, 100, 100, 24, 0, 1e30f, false);
    EXPECT_TRUE(autre.appels.empty());
}

TEST(Glyphes, StrideKeepsGlyphsAbout24PixelsApart)
{
    // Below a pixel a step still counts: 0.3 pixel is every 80th point.
    for (auto [pixels, pas] : {std::pair{0.0, 24}, {5.0, 4}, {7.0, 3}, {23.0, 1}, {24.0, 1},
                               {1.19, 20}, {0.3, 80}})
        EXPECT_EQ(iPasGlyphes(pixels), pas) << pixels;
}

namespace {

// The stations of the calm flags (circles) of a still wind on a world grid
// of that step, in a view of that height in degrees centred on 0, 0.
std::vector<std::array<int, 2>> stations(int pas, double etendue)
{
    ChampEcrit u = champUniforme(33, 0), v = champUniforme(34, 0);
    u.ni = v.ni = 360000 / pas, u.nj = v.nj = 180000 / pas + 1;
    u.di = v.di = u.dj = v.dj = pas;
    TraceTest t;
    CarteChamps c({u, v}, {33}, t);
    c.carte.zoom(0, 0, etendue, 0);
    c.carte.drawgrib(0);
    std::vector<std::array<int, 2>> s;
    for (const auto& a : t.appels)
        if (a.genre == 'c' && a.epaisseur == 1)
            s.push_back({a.v[1], a.v[0]});
    std::sort(s.begin(), s.end());
    return s;
}

}  // namespace

// Along a row, flags stand about 24 pixels apart (within a grid step under
// that, rounding aside), or one step apart when a step is wider; a wide
// view draws about as many at any grid step.
TEST(Glyphes, FlagsStandAbout24PixelsApartAtEveryGridStepAndZoom)
{
    for (double etendue : {180.0, 30.0, 5.0}) {
        std::vector<size_t> nombres;
        for (int pas : {500, 250, 125}) {
            // A degree across is 600 / (1.4 x the view's height) pixels.
            const double pixels = pas / 1000.0 * 600 / (1.4 * etendue);
            const auto s = stations(pas, etendue);
            ASSERT_GT(s.size(), 10u) << pas << " " << etendue;
            nombres.push_back(s.size());
            for (size_t i = 1; i < s.size(); ++i) {
                if (s[i][0] != s[i - 1][0])
                    continue;
                const int ecart = s[i][1] - s[i - 1][1];
                const bool attendu = pixels >= 24 ? std::abs(ecart - pixels) <= 1
                                                  : ecart >= 24 - pixels - 1 && ecart <= 25;
                EXPECT_TRUE(attendu) << ecart << " " << pas << " " << etendue;
            }
        }
        const auto [moins, plus] = std::minmax_element(nombres.begin(), nombres.end());
        EXPECT_TRUE(etendue != 180.0 || *plus < 1.25 * *moins) << *moins << " " << *plus;
    }
}

// On the whole-world vector map 1024 x 600, 2.38 pixels a degree: the shaft
// is half the spacing's width, half as long again with isotachs, kept
// within 10..50; barbs lean right in the north, left in the south.
TEST(Glyphes, FlagLengthOnTheMapAndBarbsByHemisphere)
{
    fdc carte{0, 0, 1024, 600};
    carte.load_image(nullptr, nullptr);
    TraceTest t;
    carte.traceGlyphes = &t;
    const struct {
        double espacement;
        int isotaches, longueur;
    } cas[] = {{2, 0, 10}, {10, 0, 12}, {50, 0, 50}, {10, 1, 18}, {2, 1, 10}, {30, 1, 50}};
    for (const auto& c : cas)
        for (double latitude : {45.0, -45.0}) {
            t.appels.clear();
            carte.isotaches = c.isotaches;
            carte.windflag(0, 12, 0, latitude, c.espacement);
            ASSERT_EQ(t.nombre('t'), 10);
            const auto& fut = t.appels[2].v;
            EXPECT_EQ(fut[1] - fut[3], c.longueur) << c.espacement << " " << c.isotaches;
            const auto& barbe = t.appels.back().v;
            EXPECT_EQ(barbe[2] > barbe[0], latitude > 0) << latitude;
        }
}
