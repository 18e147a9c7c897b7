// The companion of a charted route: a position at every validity of the
// records inside each leg, where GeographicLib's RhumbSolve puts it, typed
// by the validity shown, and the chart side asked for the charts.
#include "tests/routes/outils_routes.h"

#include "gribdata/enregistrement_grib.h"
#include "tests/outils/outils_test.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

const long T0 = 1699920000;  // 00:00 UTC
const long H = 3600;

// Records of the given parameters at each validity, in file order.
class Enregistrements {
public:
    Enregistrements(std::initializer_list<long> validites, std::initializer_list<int> parametres)
    {
        for (long t : validites)
            for (int p : parametres) {
                grib g{};
                g.parametre = uint8_t(p);
                g.tValidite = t;
                liste_.push_back(g);
            }
        for (size_t i = 0; i + 1 < liste_.size(); ++i)
            liste_[i].suivant = &liste_[i + 1];
    }
    grib* premier() { return liste_.empty() ? nullptr : &liste_[0]; }
    grib& operator[](size_t i) { return liste_[i]; }

private:
    std::vector<grib> liste_;
};

// The chart side as a recorder of what it was asked.
struct Appel {
    classeRoute* route;
    grib* premier;
    classeRoute* compagnon;
    int positions;
};
std::vector<Appel> appels;

class Echeances : public ::testing::Test {
protected:
    void SetUp() override
    {
        appels.clear();
        crochetRouteHistogramme = [](classeRoute& r, grib* g, classeRoute& c) {
            appels.push_back({&r, g, &c, c.dernierNumero + 1});
        };
    }
    void TearDown() override { crochetRouteHistogramme = nullptr; }
};

std::vector<std::pair<long, int>> datesEtTypes(const classeRoute& r)
{
    std::vector<std::pair<long, int>> v;
    for (const classePosition& p : positions(r))
        v.push_back({long(p.date), p.type});
    return v;
}

}  // namespace

// A leg of 8 hours across validities every two hours: three points inside
// it; the first position, on a validity, stays the user's.
TEST_F(Echeances, ALegAcrossThreeValiditiesGetsThreePointsWhereRhumbSolvePutsThem)
{
    if (!bGeographicLib())
        GTEST_SKIP() << "geographiclib-tools is not installed";
    auto r = route({{T0, 45, -10}, {T0 + 8 * H, 47, -5}});
    r->recalcul(0);
    r->histogramme = 1;
    r->dateEcheance = T0 + 4 * H;
    Enregistrements g({T0, T0 + 2 * H, T0 + 4 * H, T0 + 6 * H, T0 + 8 * H}, {2, 33, 34});
    classeRoute* c = r->classeRouteRecalculAvecToutesLesEcheances(g.premier());
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c, r->routeEcheances);
    EXPECT_EQ(datesEtTypes(*c), (std::vector<std::pair<long, int>>{{T0, 1},
                                                                  {T0 + 2 * H, 4},
                                                                  {T0 + 4 * H, 3},
                                                                  {T0 + 6 * H, 4},
                                                                  {T0 + 8 * H, 1}}));
    EXPECT_EQ(r->dernierNumero, 1);  // the route itself is unchanged
    const auto leg = resoudre("RhumbSolve -i", "45 -10 47 -5\n");
    ASSERT_EQ(leg.size(), 1u);
    std::ostringstream direct;
    direct.precision(17);
    for (int k = 1; k <= 3; ++k)
        direct << "45 -10 " << leg[0][0] << " " << leg[0][1] * k / 4 << "\n";
    const auto attendu = resoudre("RhumbSolve", direct.str());
    ASSERT_EQ(attendu.size(), 3u);
    for (int k = 1; k <= 3; ++k) {
        EXPECT_NEAR(c->position(k)->latitude, attendu[k - 1][0], 1e-9) << k;
        EXPECT_NEAR(c->position(k)->longitude, attendu[k - 1][1], 1e-9) << k;
    }
    ASSERT_EQ(appels.size(), 1u);
    EXPECT_EQ(appels[0].route, r.get());
    EXPECT_EQ(appels[0].premier, g.premier());
    EXPECT_EQ(appels[0].compagnon, c);
}

// Across the antimeridian the points stay within half a turn of the leg's
// start, so the companion's legs stay short.
TEST_F(Echeances, PointsAcrossTheAntimeridianFollowTheLeg)
{
    auto r = route({{T0, -20, 178}, {T0 + 4 * H, -20, 182}});
    r->recalcul(0);
    r->histogramme = 1;
    Enregistrements g({T0 + 2 * H, T0 + 3 * H}, {33, 34});
    classeRoute* c = r->classeRouteRecalculAvecToutesLesEcheances(g.premier());
    ASSERT_NE(c, nullptr);
    ASSERT_EQ(c->dernierNumero, 3);
    EXPECT_NEAR(c->position(1)->longitude, 180, 1e-6);
    EXPECT_NEAR(c->position(2)->longitude, 181, 1e-6);
    EXPECT_NEAR(c->totalLoxo, r->totalLoxo, 1e-6);
}

// Whether a companion is made, by the span rule and the route's state; an
// earlier companion goes first whatever the outcome.
TEST_F(Echeances, ACompanionOnlyWhenTheSpansMeet)
{
    Enregistrements g({T0, T0 + 6 * H, T0 + 12 * H}, {2});
    Enregistrements autres({T0, T0 + 6 * H}, {34, 50, 200});
    const struct {
        long debut, fin;
        int histogramme;
        bool fichier, autre;
        bool compagnon;
    } cas[] = {
        {T0, T0 + 6 * H, 1, true, false, true},             // starts at the first validity
        {T0 - 6 * H, T0 + 3 * H, 1, true, false, true},     // ends inside
        {T0 + 12 * H, T0 + 18 * H, 1, true, false, false},  // starts at the last
        {T0 - 6 * H, T0, 1, true, false, false},            // ends at the first
        {T0, T0 + 6 * H, 0, true, false, false},            // charts off
        {T0, T0 + 6 * H, 1, false, false, false},           // no file
        {T0, T0 + 6 * H, 1, false, true, false},            // nothing charted
    };
    for (const auto& k : cas) {
        appels.clear();
        auto r = route({{k.debut, 45, -10}, {k.fin, 46, -10}});
        r->recalcul(0);
        r->histogramme = 1;
        ASSERT_NE(r->classeRouteRecalculAvecToutesLesEcheances(g.premier()) != nullptr,
                  k.debut == T0 + 12 * H || k.fin == T0);
        r->histogramme = k.histogramme;
        grib* liste = k.fichier ? g.premier() : k.autre ? autres.premier() : nullptr;
        classeRoute* c = r->classeRouteRecalculAvecToutesLesEcheances(liste);
        EXPECT_EQ(c != nullptr, k.compagnon) << k.debut - T0 << " " << k.histogramme;
        EXPECT_EQ(r->routeEcheances, c);
    }
}

// A one-position route inside the span: the companion is a plain copy,
// and the chart side is asked all the same (it finds nothing to sample).
TEST_F(Echeances, AOnePositionRouteIsCopiedAsItIs)
{
    auto r = route({{T0 + 3 * H, 45, -10}});
    r->histogramme = 1;
    Enregistrements g({T0, T0 + 3 * H, T0 + 6 * H}, {2});
    classeRoute* c = r->classeRouteRecalculAvecToutesLesEcheances(g.premier());
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(datesEtTypes(*c), (std::vector<std::pair<long, int>>{{T0 + 3 * H, 1}}));
    ASSERT_EQ(appels.size(), 1u);
    EXPECT_EQ(appels[0].positions, 1);
}

// Validities within a minute of a position: the point cannot take its date
// and would stand for no validity, so it is not kept.
TEST_F(Echeances, AValidityWithinAMinuteOfAPositionAddsNoPoint)
{
    auto r = route({{T0 + 30, 45, -10}, {T0 + 6 * H - 30, 46, -10}});
    r->recalcul(0);
    r->histogramme = 1;
    Enregistrements g({T0, T0 + 60, T0 + 3 * H, T0 + 6 * H - 60, T0 + 6 * H}, {2});
    classeRoute* c = r->classeRouteRecalculAvecToutesLesEcheances(g.premier());
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(datesEtTypes(*c), (std::vector<std::pair<long, int>>{
                                    {T0 + 30, 1}, {T0 + 3 * H, 4}, {T0 + 6 * H - 30, 1}}));
}

// The companion is kept while the route, the records and the validity
// shown stay the same; any of them changed makes it again.
TEST_F(Echeances, TheCompanionIsKeptWhileNothingChanged)
{
    crochetRouteHistogramme = [](classeRoute& r, grib*, classeRoute&) { r.modifiee = 0; };
    auto r = route({{T0, 45, -10}, {T0 + 8 * H, 47, -5}});
    r->recalcul(0);
    r->histogramme = 1;
    Enregistrements g({T0, T0 + 4 * H, T0 + 8 * H}, {2});
    Enregistrements autre({T0, T0 + 4 * H, T0 + 6 * H}, {2});
    classeRoute* c = r->classeRouteRecalculAvecToutesLesEcheances(g.premier());
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(r->classeRouteRecalculAvecToutesLesEcheances(g.premier()), c);
    r->dateEcheance = T0 + 4 * H;
    c = r->classeRouteRecalculAvecToutesLesEcheances(g.premier());
    EXPECT_EQ(c->position(1)->type, POSITION_ECHEANCE);
    EXPECT_EQ(r->classeRouteRecalculAvecToutesLesEcheances(g.premier()), c);
    EXPECT_EQ(r->classeRouteRecalculAvecToutesLesEcheances(autre.premier())->dernierNumero, 3);
    r->change(1, 47.5, -5.0);
    EXPECT_EQ(r->modifiee, 1);
    c = r->classeRouteRecalculAvecToutesLesEcheances(autre.premier());
    EXPECT_NEAR(c->position(3)->latitude, 47.5, 1e-12);
    r->histogramme = 0;
    EXPECT_EQ(r->classeRouteRecalculAvecToutesLesEcheances(autre.premier()), nullptr);
    EXPECT_EQ(r->routeEcheances, nullptr);
}

// Records replaced in place, as a file loaded where the last one stood
// with as many records and the same last validity: the companion follows
// their times, and another file or run is charted again.
TEST_F(Echeances, ACompanionIsMadeAgainWhenTheValiditiesChangeInPlace)
{
    crochetRouteHistogramme = [](classeRoute& r, grib* g, classeRoute& c) {
        r.modifiee = 0;
        appels.push_back({&r, g, &c, c.dernierNumero + 1});
    };
    auto r = route({{T0, 45, -10}, {T0 + 8 * H, 47, -5}});
    r->recalcul(0);
    r->histogramme = 1;
    Enregistrements g({T0, T0 + 4 * H, T0 + 8 * H}, {2});
    classeRoute* c = r->classeRouteRecalculAvecToutesLesEcheances(g.premier());
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->position(1)->date, T0 + 4 * H);
    g[1].tValidite = T0 + 2 * H;
    c = r->classeRouteRecalculAvecToutesLesEcheances(g.premier());
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->position(1)->date, T0 + 2 * H);
    ASSERT_EQ(appels.size(), 2u);
    // The same times from another file, or another run: charted again.
    EXPECT_EQ(r->classeRouteRecalculAvecToutesLesEcheances(g.premier()), c);
    EXPECT_EQ(appels.size(), 2u);
    g[0].nomFichier = "autre.grb";
    r->classeRouteRecalculAvecToutesLesEcheances(g.premier());
    EXPECT_EQ(appels.size(), 3u);
    g[2].heure = 6;
    r->classeRouteRecalculAvecToutesLesEcheances(g.premier());
    EXPECT_EQ(appels.size(), 4u);
    r->classeRouteRecalculAvecToutesLesEcheances(g.premier());
    EXPECT_EQ(appels.size(), 4u);
}

// The kept companion follows what changes without `modifiee`: the active
// position (the map's keys, hiding the route) and the look.
TEST_F(Echeances, TheKeptCompanionTakesTheActivePositionAndTheLook)
{
    auto r = route({{T0, 45, -10}, {T0 + 8 * H, 47, -5}});
    r->recalcul(0);
    r->histogramme = 1;
    r->actif = 1;
    Enregistrements g({T0, T0 + 4 * H, T0 + 8 * H}, {2});
    classeRoute* c = r->classeRouteRecalculAvecToutesLesEcheances(g.premier());
    ASSERT_NE(c, nullptr);
    ASSERT_EQ(c->actif, 1);
    r->modifiee = 0;
    const struct {
        int actif, attendu;
    } cas[] = {{2, 2}, {-2, -2}, {5, 2}, {0, 0}};
    for (const auto& k : cas) {
        r->actif = k.actif;
        r->symbole = 3, r->couleur = 0x11223300, r->style = 2, r->taille = 4, r->texte = 1;
        ASSERT_EQ(r->classeRouteRecalculAvecToutesLesEcheances(g.premier()), c) << k.actif;
        EXPECT_EQ(c->actif, k.attendu) << k.actif;
        EXPECT_EQ((std::vector<int>{c->symbole, c->couleur, c->style, c->taille, c->texte}),
                  (std::vector<int>{3, 0x11223300, 2, 4, 1}));
        r->symbole = 0, r->couleur = ROUTE_COULEUR_DEFAUT, r->style = r->taille = r->texte = 0;
    }
}

// The validity shown on a position's date, as given or as its marker moved
// it: the position keeps its type, a validity point goes 10 seconds after
// it; other validities on positions add nothing.
TEST_F(Echeances, TheValidityShownOnAPositionGetsItsPointBeside)
{
    Enregistrements g({T0 - 6 * H, T0, T0 + 3 * H, T0 + 6 * H}, {2, 33});
    for (long montree : {T0, T0 + 10}) {
        auto r = route({{T0 - 6 * H, 45, -10}, {T0, 46, -10}, {T0 + 6 * H, 47, -10}});
        r->recalcul(0);
        r->histogramme = 1;
        r->dateEcheance = montree;
        classeRoute* c = r->classeRouteRecalculAvecToutesLesEcheances(g.premier());
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(datesEtTypes(*c), (std::vector<std::pair<long, int>>{{T0 - 6 * H, 1},
                                                                      {T0, 1},
                                                                      {T0 + 10, 3},
                                                                      {T0 + 3 * H, 4},
                                                                      {T0 + 6 * H, 1}}))
            << montree - T0;
        EXPECT_NEAR(c->position(2)->latitude, 46, 0.01);
        EXPECT_NEAR(c->totalLoxo, r->totalLoxo, 1e-6);
    }
}
