// The coastline generator: GMT's bin-cut pieces in, level files out, read
// back by the store.
#include "tests/map/tdc_test.h"
#include "tools/cotes/generation.h"
#include "tools/cotes/lecture_gmt.h"

#include <cmath>
#include <random>
#include <sstream>
#include <tuple>

namespace {

// A dump as `gmt coast -M` writes it for a small made-up region: an island
// across the squares of 0 E and 50 N cut into three bin pieces, a lake in
// it, an island across the dateline written half in negative longitudes,
// a polar land once around the world in three pieces (one in 0..360
// longitudes), and a river in two.
const char* const DUMP =
    "> Shore Bin # 1, Level 1\n"
    "-6\t46\n2\t46\n2\t47\n"
    "> Shore Bin # 2, Level 1\n"
    "-2\t51\n-6\t51\n-6\t46\n"
    "> Shore Bin # 3, Level 1\n"
    "2\t47\n4\t48\n2\t51\n-2\t51\n"
    "> Shore Bin # 4, Level 2\n"
    "-1\t49\n1\t49\n1\t50.5\n-1\t50.5\n-1\t49\n"
    "> Shore Bin # 5, Level 1\n"
    "175\t-18\n180\t-18\n"
    "> Shore Bin # 6, Level 1\n"
    "180\t-16\n175\t-16\n175\t-18\n"
    "> Shore Bin # 7, Level 1\n"
    "-180\t-18\n-175\t-18\n-175\t-16\n-180\t-16\n"
    "> Shore Bin # 8, Level 1\n"
    "180\t-70\n270\t-75\n360\t-68\n"
    "> Shore Bin # 9, Level 1\n"
    "90\t-72\n180\t-70\n"
    "> Shore Bin # 10, Level 1\n"
    "0\t-68\n45\t-66\n90\t-72\n"
    "> River Bin # 1, Level 1\n"
    "-5\t48\n-3\t49\n"
    "> River Bin # 2, Level 1\n"
    "-3\t49\n1\t48.5\n";

std::vector<Morceau> lire(const std::string& texte)
{
    std::istringstream in(texte);
    std::vector<Morceau> m;
    std::string erreur;
    EXPECT_TRUE(bLireGmt(in, m, erreur)) << erreur;
    return m;
}

class Generateur : public DossierTdc {
protected:
    // Generates `niveau` from the dump and loads it in a fresh store.
    void charger(int niveau, const std::string& dump = DUMP)
    {
        const std::string octets = sGenererNiveau(niveau, lire(dump), bilan);
        ecrire(niveau, octets);
        t = std::make_unique<tdc>();
        if (niveau > 0)
            t->load_file(niveau);
    }
    BilanGeneration bilan;
    std::unique_ptr<tdc> t;
};

// The island of the dump with its lake, by the even-odd rule.
int surfaceAttendue(double lat, double lon)
{
    const bool ile = (lat > 46 && lat < 51 && lon > -6 && lon < 2) ||
                     (lat > 46 && lat < 51 && lon >= 2 && lon < 4 &&
                      (lat < 48 ? lon - 2 < 2 * (lat - 47) : lon - 2 < (51 - lat) * 2 / 3));
    if (lat > 49 && lat < 50.5 && lon > -1 && lon < 1)
        return 2;
    return ile ? 1 : 0;
}

}  // namespace

TEST(LectureGmt, RefusesWhatIsNotADump)
{
    const struct {
        const char* texte;
        const char* motif;
    } cas[] = {
        {"1 2\n", "line 1: not a point"},
        {"> Shore Bin # 1, Level 1\n1 2\nabc\n", "line 3: not a point"},
        {"> Shore Bin # 1, Level 1\n1 95\n", "line 2: not a point"},
        {"> Lake Bin # 1, Level 1\n", "line 1: unknown header"},
        {"> Shore Bin # 1, Level 7\n", "line 1: unknown header"},
        {"> Border Bin # 1, Level 10\n", "line 1: unknown header"},
    };
    for (const auto& c : cas) {
        std::istringstream in(c.texte);
        std::vector<Morceau> m;
        std::string erreur;
        EXPECT_FALSE(bLireGmt(in, m, erreur)) << c.texte;
        EXPECT_NE(erreur.find(c.motif), std::string::npos) << erreur;
    }
    const auto m = lire("> River Bin # 3, Level 10\n1 2\n\n> Border Bin # 1, Level 2\n3 4\n");
    ASSERT_EQ(m.size(), 2u);
    EXPECT_EQ(m[0].type, 20);
    EXPECT_EQ(m[1].type, 22);
}

TEST(Assemblage, PiecesJoinIntoRingsAndLines)
{
    BilanAssemblage b;
    const auto m = vAssembler(lire(DUMP), b);
    EXPECT_EQ(b.anneaux, 4);
    EXPECT_EQ(b.polaires, 1);
    EXPECT_EQ(b.ouverts, 0);
    EXPECT_EQ(b.lignes, 1);
    ASSERT_EQ(m.size(), 5u);
    for (const Morceau& r : m) {
        if (!r.anneau()) {
            EXPECT_EQ(r.points.size(), 3u);
            continue;
        }
        EXPECT_EQ(r.points.front().x, r.points.back().x);
        EXPECT_EQ(r.points.front().y, r.points.back().y);
        double ouest = 1e9;
        for (const PointPlan& p : r.points)
            ouest = std::min(ouest, p.x);
        EXPECT_GE(ouest, -180);
        EXPECT_LT(ouest, 180);
    }
    // A shoreline that never closes is reported.
    BilanAssemblage ouvert;
    vAssembler(lire("> Shore Bin # 1, Level 1\n0 0\n1 0\n1 1\n"), ouvert);
    EXPECT_EQ(ouvert.ouverts, 1);
}

// The round trip on the made-up region: every filed record lies in its
// square, land comes before lakes in each square, and the fill of the
// loaded records is the fill of the original rings.
TEST_F(Generateur, FiledLevelsRoundTripThroughTheStore)
{
    charger(3);
    EXPECT_EQ(bilan.assemblage.ouverts, 0);
    EXPECT_EQ(t->charge[3], 1);
    int enregistrements = 0;
    for (int c = 0; c < TDC_CARRES; ++c) {
        int dernierType = 0;
        for (const TYPEDEF_TDC* r : listeCarre(t->carres[3][c])) {
            ++enregistrements;
            EXPECT_EQ(iMarsden(r->sud, r->ouest), c);
            EXPECT_LE(r->est - std::floor(r->ouest / 10) * 10, 10);
            EXPECT_LE(r->nord - std::floor(r->sud / 10) * 10, 10);
            EXPECT_GE(r->niveau, dernierType);
            dernierType = r->niveau;
        }
    }
    EXPECT_EQ(enregistrements, bilan.enregistrements);
    // Pieces around the lake's square and across the dateline.
    EXPECT_GE(listeCarre(t->carres[3][iMarsden(46, -6)]).size(), 3u);
    EXPECT_FALSE(listeCarre(t->carres[3][iMarsden(-18, 179)]).empty());
    EXPECT_FALSE(listeCarre(t->carres[3][iMarsden(-18, -179)]).empty());

    std::mt19937 alea(11);
    std::uniform_real_distribution<double> lat(45, 52), lon(-7, 5);
    for (int i = 0; i < 3000; ++i) {
        const double y = lat(alea), x = lon(alea);
        ASSERT_EQ(iSurfaceTdc(t->chaines[3], 3, y, x), surfaceAttendue(y, x)) << y << " " << x;
    }
    for (auto [y, x, surface] : {std::tuple{-17.0, 179.5, 1}, {-17.0, -176.0, 1}, {-17.0, -170.0, 0},
                                 {-85.0, 100.0, 1}, {-60.0, 100.0, 0}})
        EXPECT_EQ(iSurfaceTdc(t->chaines[3], 3, y, x), surface) << y << " " << x;
}

TEST_F(Generateur, UnfiledLevelsKeepWholeRingsWithinTheirOffsets)
{
    charger(1);
    const auto chaine = listeChaine(t->chaines[1]);
    int terres = 0;
    for (const TYPEDEF_TDC* r : chaine) {
        terres += r->niveau == 1;
        EXPECT_LE((r->est - r->ouest) * 150, 32767);
    }
    // The island and its lake whole, the dateline island whole, the polar
    // land in bands; the lake after every land.
    EXPECT_GE(terres, 4);
    EXPECT_EQ(chaine.back()->niveau, 11);
    EXPECT_EQ(chaine[chaine.size() - 2]->niveau, 2);
    for (auto [y, x, surface] : {std::tuple{49.5, 0.0, 2}, {48.0, 3.5, 1}, {-89.0, -100.0, 1},
                                 {-17.0, -176.0, 1}})
        EXPECT_EQ(iSurfaceTdc(t->chaines[1], 1, y, x), surface) << y << " " << x;

    // Level 0: land only, in absolute hundredths.
    charger(0);
    for (const TYPEDEF_TDC* r : listeChaine(t->chaines[0]))
        EXPECT_EQ(r->niveau, 1);
    for (auto [y, x, surface] : {std::tuple{49.5, 0.0, 1}, {-89.0, 100.0, 1}, {45.0, 0.0, 0}})
        EXPECT_EQ(iSurfaceTdc(t->chaines[0], 0, y, x), surface) << y << " " << x;
}

TEST(Enregistrement, RoundedPartsThatVanishAreDropped)
{
    EnregistrementTdc e;
    // A ring smaller than a level-1 unit (1/150 degree) rounds to a point.
    EXPECT_FALSE(bEnregistrement({1, {{0, 0}, {0.001, 0}, {0.001, 0.001}, {0, 0}}}, 1, e));
    EXPECT_TRUE(bEnregistrement({1, {{0, 0}, {0.001, 0}, {0.001, 0.001}, {0, 0}}}, 5, e));
    EXPECT_EQ(e.latitudes.size(), 4u);
    EXPECT_EQ(e.sud, 0);
    EXPECT_EQ(e.est, 3);
    // A flat ring has no surface; a line needs two distinct points.
    EXPECT_FALSE(bEnregistrement({1, {{0, 0}, {1, 0}, {2, 0}, {0, 0}}}, 5, e));
    EXPECT_FALSE(bEnregistrement({12, {{0, 0}, {0, 0}}}, 5, e));
    EXPECT_TRUE(bEnregistrement({12, {{0, 0}, {0, 1}}}, 5, e));
    // Offsets beyond 16 bits do not fit a record.
    EXPECT_FALSE(bEnregistrement({12, {{0, 0}, {11, 0}}}, 5, e));
    EXPECT_TRUE(bEnregistrement({12, {{0, 0}, {10, 0}}}, 5, e));
    EXPECT_FALSE(bEnregistrement({12, {{0, 0}, {330, 0}}}, 0, e));
}
