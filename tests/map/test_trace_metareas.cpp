// Where the catalogue overlays put their lines, labels and frames on a
// map, without a display, on a view of 1000 x 500 pixels showing 10
// pixels per degree of longitude from 10 W and 14 per degree of latitude
// from 60 N: x = 10 lon + 100, y = 14 (60 - lat).
#include "gribdata/modeles.h"
#include "map/cadres_modeles.h"
#include "map/places_etiquettes.h"
#include "map/trace_metareas.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

VueCarte vue(int x = 0, int y = 0)
{
    VueCarte v;
    v.W = 36000000, v.H = 25200000, v.largeur = 1000, v.hauteur = 500;
    v.x = x, v.y = y;
    v.s = 10000, v.ox = 17000000, v.oy = 4200000;
    return v;
}

struct CasSegment {
    const char* nom;
    double lat1, lon1, lat2, lon2;
    bool visible;
    SegmentCarte attendu;
};

TEST(TraceMetareas, SegmentsAreKeptClampedOrCutToTheMap)
{
    const CasSegment cas[] = {
        {"level inside", 50, 0, 50, 20, true, {100, 140, 300, 140}},
        // Written east to west or south to north: ordered, then brought in.
        {"level east to west off the left", 55, 5, 55, -20, true, {1, 70, 150, 70}},
        {"upright south to north off the top", 50, 30, 65, 30, true, {400, 1, 400, 140}},
        {"upright north to south off the bottom", 40, 50, 10, 50, true, {600, 280, 600, 499}},
        {"level off both sides", 30, -40, 30, 120, true, {1, 420, 999, 420}},
        {"level above the map", 70, 0, 70, 10, false, {}},
        {"upright right of the map", 50, 100, 40, 100, false, {}},
        // Slanted: inside as it is, crossing the sides cut at them.
        {"slanted inside", 50, 0, 40, 20, true, {100, 140, 300, 280}},
        {"slanted off the right", 40, 80, 30, 100, true, {900, 280, 1000, 350}},
        {"slanted through the map", 65, -20, 22, 100, true, {40, 0, 1000, 481}},
        {"slanted outside", 70, -20, 58, -30, false, {}},
        {"slanted past a corner", 63, 85, 58, 95, false, {}},
    };
    const VueCarte v = vue();
    for (const CasSegment& c : cas) {
        SegmentCarte s{-7, -7, -7, -7};
        ASSERT_EQ(bSegmentCarte(v, c.lat1, c.lon1, c.lat2, c.lon2, s), c.visible) << c.nom;
        if (c.visible) {
            EXPECT_EQ(std::vector<int>({s.xa, s.ya, s.xb, s.yb}),
                      std::vector<int>({c.attendu.xa, c.attendu.ya, c.attendu.xb, c.attendu.yb}))
                << c.nom;
        }
    }
}

// So deep a zoom that the ends lie millions of pixels away: what reaches
// the display stays within the map.
TEST(TraceMetareas, FarEndsNeverLeaveTheMap)
{
    VueCarte v = vue();
    v.s = 1, v.ox = 18000000;
    SegmentCarte s;
    const double lat = 90 - (v.oy + 250.5) / 140000.0;
    ASSERT_TRUE(bSegmentCarte(v, lat, -10, lat, 10, s));
    EXPECT_EQ(std::vector<int>({s.xa, s.ya, s.xb, s.yb}), std::vector<int>({1, 250, 999, 250}));
    ASSERT_TRUE(bSegmentCarte(v, lat + 1, -10, lat - 1, 10, s));
    for (int c : {s.xa, s.xb})
        EXPECT_TRUE(0 <= c && c <= 1000) << c;
    for (int c : {s.ya, s.yb})
        EXPECT_TRUE(0 <= c && c <= 500) << c;
}

struct CasEtiquette {
    const char* nom;
    int x, y;
    int largeurs[3];
    int lignes;
    double place;
    bool visible;
    std::vector<int> attendu;  // x, y of each line
};

TEST(TraceMetareas, SubAreaLabelsNeedRoomAndClearance)
{
    const CasEtiquette cas[] = {
        {"one line", 100, 100, {40, 0, 0}, 1, 50, true, {80, 106}},
        {"two lines, up by 7", 100, 100, {40, 60, 0}, 2, 61, true, {80, 99, 70, 114}},
        {"three lines, up by 15", 100, 100, {40, 60, 20}, 3, 61, true, {80, 91, 70, 106, 90, 121}},
        {"room equal to the widest line", 100, 100, {40, 60, 0}, 2, 60, false, {}},
        {"room 0", 100, 100, {40, 0, 0}, 1, 0, false, {}},
        {"22 from the top", 100, 22, {40, 0, 0}, 1, 50, false, {}},
        {"23 from the top", 100, 23, {40, 0, 0}, 1, 50, true, {80, 29}},
        {"34 from the bottom", 100, 466, {40, 0, 0}, 1, 50, false, {}},
        {"35 from the bottom", 100, 465, {40, 0, 0}, 1, 50, true, {80, 471}},
        {"touching the left side", 40, 100, {40, 0, 0}, 1, 50, false, {}},
        {"clear of the left side", 41, 100, {40, 0, 0}, 1, 50, true, {21, 106}},
        {"at the right side", 980, 100, {40, 0, 0}, 1, 50, false, {}},
        {"clear of the right side", 979, 100, {40, 0, 0}, 1, 50, true, {959, 106}},
    };
    for (const CasEtiquette& c : cas) {
        EtiquetteCarte e;
        ASSERT_EQ(bEtiquetteSousZone(c.x, c.y, c.largeurs, c.lignes, c.place, 1000, 500, e), c.visible)
            << c.nom;
        std::vector<int> places;
        for (int i = 0; c.visible && i < e.lignes; ++i)
            places.insert(places.end(), {e.x[i], e.y[i]});
        EXPECT_EQ(places, c.attendu) << c.nom;
    }
}

TEST(TraceMetareas, AreaLabelsStackTheirLinesUnderTheNumeral)
{
    const CasEtiquette cas[] = {
        {"numeral and country", 100, 100, {20, 80, 0}, 2, 0, true, {90, 100, 90, 116}},
        {"third name centred", 100, 100, {20, 80, 30}, 3, 0, true, {90, 100, 90, 116, 85, 130}},
        {"15 from the top", 100, 15, {20, 80, 0}, 2, 0, false, {}},
        {"16 from the top", 100, 16, {20, 80, 0}, 2, 0, true, {90, 16, 90, 32}},
        {"24 from the bottom", 100, 476, {20, 80, 0}, 2, 0, false, {}},
        {"at the left side", 10, 100, {20, 80, 0}, 2, 0, false, {}},
        {"at the right side", 990, 100, {20, 80, 0}, 2, 0, false, {}},
        // The lines below the numeral stay whole on the map too.
        {"country reaching the right side", 930, 100, {20, 80, 0}, 2, 0, false, {}},
        {"country clear of the right side", 929, 100, {20, 80, 0}, 2, 0, true, {919, 100, 919, 116}},
        {"third name past the left side", 20, 100, {20, 30, 60}, 3, 0, false, {}},
        {"third name too near the bottom", 100, 466, {20, 80, 30}, 3, 0, false, {}},
        {"two lines there", 100, 466, {20, 80, 0}, 2, 0, true, {90, 466, 90, 482}},
    };
    for (const CasEtiquette& c : cas) {
        EtiquetteCarte e;
        ASSERT_EQ(bEtiquetteMetarea(c.x, c.y, c.largeurs, c.lignes, 1000, 500, e), c.visible) << c.nom;
        std::vector<int> places;
        for (int i = 0; c.visible && i < e.lignes; ++i)
            places.insert(places.end(), {e.x[i], e.y[i]});
        EXPECT_EQ(places, c.attendu) << c.nom;
    }
}

TYPEDEF_MODELE ligne(int groupe, const char* nom, unsigned couleur, float n, float s, float o, float e)
{
    return {groupe, nom, nom, 85, 1, couleur, n, s, o, e, {}, {}};
}

struct Passes {
    std::vector<CadreModele> moins, zero, plus;
};

Passes passes(const VueCarte& v, const std::vector<const TYPEDEF_MODELE*>& lignes)
{
    auto largeur = [](const char* t) { return 6.0 * double(std::strlen(t)); };
    return {cadresModeles(v, -360, lignes, largeur), cadresModeles(v, 0, lignes, largeur),
            cadresModeles(v, 360, lignes, largeur)};
}

// On a map of 200 x 100 pixels, in cells of 32: a box is crossed by the
// segments through it, whatever cells they are filed in.
TEST(PlacesEtiquettes, SegmentsAndLabelsTakeTheirRoom)
{
    PlacesEtiquettes places(200, 100);
    places.vTrait({0, 50, 199, 50});   // level across the map
    places.vTrait({10, 10, 90, 90});   // slanted over several cells
    places.vTrait({150, 0, 150, 20});  // upright, top right
    const struct {
        const char* nom;
        BoiteCarte boite;
        bool traverse;
    } cas[] = {
        {"over the level line", {100, 40, 140, 60}, true},
        {"over the slanted line", {40, 30, 60, 42}, true},
        {"beside the slanted line", {60, 5, 90, 25}, false},
        {"the upright one's end just below", {140, 21, 160, 30}, false},
        {"right edge excluded", {120, 10, 150, 20}, false},
        {"right edge taken", {120, 10, 151, 20}, true},
    };
    for (const auto& c : cas)
        EXPECT_EQ(places.bTraverse({1, {c.boite}}), c.traverse) << c.nom;
    // Taken over several cells, met from another.
    places.vPrendre({1, {{20, 60, 60, 75}}});
    EXPECT_TRUE(places.bCouvre({2, {{0, 0, 5, 5}, {59, 74, 70, 80}}}));
    EXPECT_FALSE(places.bCouvre({1, {{60, 60, 70, 75}}}));
    EXPECT_TRUE(PlacesEtiquettes::bCouvre({1, {{0, 0, 5, 5}}}, {{4, 4, 9, 9}}));
}

TEST(CadresModeles, RegionalDomainsCutToTheViewAndTheWorldFramedOnce)
{
    const TYPEDEF_MODELE monde = ligne(3, "Monde", 255, 90, -90, -180, 180);
    const TYPEDEF_MODELE b = ligne(12, "B", 223, 50, 30, 0, 20);
    const TYPEDEF_MODELE cache = ligne(12, "Cache", 0, 50, 30, 0, 20);
    const TYPEDEF_MODELE coupe = ligne(12, "Cut", 95, 40, 35, -30, 10);
    const TYPEDEF_MODELE dehors = ligne(12, "Out", 95, 10, 0, 0, 20);
    const Passes p = passes(vue(10, 20), {&monde, &cache, &b, &coupe, &dehors});
    // The world frames the whole map in the first pass only, its label at
    // the cursor of its row.
    ASSERT_EQ(p.moins.size(), 1u);
    const CadreModele& m = p.moins[0];
    EXPECT_EQ(m.modele, &monde);
    EXPECT_EQ(std::vector<int>({m.x, m.y, m.l, m.h}), std::vector<int>({0, 0, 999, 499}));
    EXPECT_TRUE(m.etiquette);
    EXPECT_EQ(std::vector<int>({m.ex, m.ey, m.el}), std::vector<int>({42, 34, 34}));
    // Regional domains in the middle pass; colour 0 and outside: none.
    ASSERT_EQ(p.zero.size(), 2u);
    EXPECT_TRUE(p.plus.empty());
    const CadreModele& r = p.zero[0];
    EXPECT_EQ(r.modele, &b);
    EXPECT_EQ(std::vector<int>({r.x, r.y, r.l, r.h}), std::vector<int>({100, 140, 200, 280}));
    EXPECT_EQ(std::vector<int>({r.ex, r.ey, r.el}), std::vector<int>({124, 160, 10}));
    const CadreModele& c = p.zero[1];
    EXPECT_EQ(c.modele, &coupe);
    EXPECT_EQ(std::vector<int>({c.x, c.y, c.l, c.h}), std::vector<int>({0, 280, 200, 70}));
    EXPECT_EQ(std::vector<int>({c.ex, c.ey}), std::vector<int>({42, 300}));
}

TEST(CadresModeles, LabelsOfFramesWithOneTopAreStacked)
{
    const TYPEDEF_MODELE c = ligne(12, "C", 95, 70, 40, 40, 60);
    const TYPEDEF_MODELE d = ligne(13, "D", 223, 65, 45, 60, 80);
    const TYPEDEF_MODELE bas = ligne(13, "Low", 223, 25, 20, 0, 90);
    const Passes p = passes(vue(10, 20), {&c, &d, &bas});
    ASSERT_EQ(p.zero.size(), 3u);
    EXPECT_EQ(p.zero[0].y, 0);
    EXPECT_EQ(p.zero[1].y, 0);
    // Regional labels start no higher than row 152, then 14 apart.
    EXPECT_EQ(p.zero[0].ey, 152);
    EXPECT_EQ(p.zero[1].ey, 166);
    // A frame too near the bottom for its label has none.
    EXPECT_EQ(p.zero[2].y, 490);
    EXPECT_FALSE(p.zero[2].etiquette);
}

// In the other passes a world row only moves the cursor, further for a
// row of group 4.
TEST(CadresModeles, WorldRowsMoveTheCursorInEveryPass)
{
    const TYPEDEF_MODELE monde = ligne(3, "Monde", 255, 90, -90, -180, 180);
    const TYPEDEF_MODELE groupe4 = ligne(4, "Vostel", 223, 90, -90, -180, 180);
    const TYPEDEF_MODELE europe = ligne(12, "Europe", 223, 70, 40, 0, 20);
    VueCarte v = vue(10, 200);
    const Passes p = passes(v, {&monde, &groupe4, &europe});
    ASSERT_EQ(p.moins.size(), 2u);
    EXPECT_EQ(p.moins[0].ey, 214);
    EXPECT_EQ(p.moins[1].ey, 228);
    ASSERT_EQ(p.zero.size(), 1u);
    EXPECT_EQ(p.zero[0].ey, 242);
}

TEST(CadresModeles, TheCatalogueRowsOfColourZeroAreNeverFramed)
{
    std::vector<const TYPEDEF_MODELE*> toutes;
    for (const TYPEDEF_MODELE* m = MODELES; m->libelleCourt; ++m)
        toutes.push_back(m);
    VueCarte v = vue();
    v.s = 42000, v.ox = -2000000, v.oy = 0;
    const Passes p = passes(v, toutes);
    int mondes = 0;
    for (const auto* passe : {&p.moins, &p.zero, &p.plus})
        for (const CadreModele& c : *passe) {
            EXPECT_NE(c.modele->masque, 0u) << c.modele->libelleCourt;
            mondes += c.modele->nord == 90;
        }
    EXPECT_EQ(mondes, 3);
}

}  // namespace
