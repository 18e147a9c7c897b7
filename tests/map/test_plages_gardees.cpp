// A small field seen twice on a wide view: its two copies show whole at the
// same width and share one picture, which is the picture each copy's
// `calcul` makes afresh; the labels are those written afresh too.
#include "map/fdc.h"
#include "map/isoplages.h"

#include "gribdata/enregistrement_grib.h"
#include "tests/map/carte_champs_test.h"
#include "tests/map/trace_test.h"

#include <cmath>
#include <gtest/gtest.h>
#include <tuple>

namespace {

// The pictures blended in, with their pixels.
class TracePixels : public TraceTest {
public:
    std::vector<const unsigned char*> sources;
    std::vector<std::vector<unsigned char>> pixels;
    void image(const unsigned char* p, int li, int hi, int x, int y, int l, int h, int cx, int cy) override
    {
        TraceTest::image(p, li, hi, x, y, l, h, cx, cy);
        sources.push_back(p);
        pixels.emplace_back(p, p + size_t(li) * size_t(hi) * 4);
    }
};

auto textes(const TraceTest& t)
{
    std::vector<std::tuple<std::string, int, int, int>> v;
    for (const auto& e : t.textes)
        v.emplace_back(e.texte, e.x, e.y, e.taille);
    return v;
}

}  // namespace

TEST(PlagesGardees, CopiesShowingWholeShareThePictureEachWouldMake)
{
    // 150 E to 170 E: on the whole-world view (215 W to 215 E) it shows
    // there and 360 degrees west.
    ChampEcrit c = champUniforme(2, 0);
    c.ni = c.nj = 21, c.la1 = 20000, c.lo1 = 150000;
    c.valeur = [](double lat, double lon) { return 101000 + 300 * lat + 200 * std::sin(lon); };
    TracePixels trace;
    CarteChamps champs({c}, {2}, trace);
    fdc& carte = champs.carte;
    carte.drawgrib(0), carte.drawgrib(1);
    ASSERT_EQ(trace.images.size(), 2u);
    EXPECT_EQ(trace.sources[0], trace.sources[1]);

    // Each copy made afresh, west then east as the map orders them.
    isoplages o;
    o.set(carte.champs->champ, 0);
    carte.vReglerIsoplages(o);
    o.vue = carte.vueCarte();
    for (size_t k = 0; k < 2; ++k) {
        double nord, sud, ouest, est;
        o.calcul(nord, sud, ouest, est, k ? 0.0 : -360.0);
        const auto [li, hi, x, y, l, h, cx, cy] = trace.images[k];
        EXPECT_EQ(std::tuple(li, hi, x - cx, y - cy),
                  std::tuple(o.colonnes, o.lignes, carte.iColonne(ouest), int(carte.dLigne(nord))));
        EXPECT_TRUE(trace.pixels[k] == std::vector<unsigned char>(o.image.begin(), o.image.end()));
    }
    TraceTest etiquettes;
    o.trace = &etiquettes;
    o.labels();
    EXPECT_FALSE(etiquettes.textes.empty());
    EXPECT_EQ(textes(trace), textes(etiquettes));
}
