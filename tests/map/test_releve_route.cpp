// The samples of the charts along a route on written GRIB files: eccodes'
// nearest values at the companion's positions, the charts' order, the
// grids' steps, longitudes across Greenwich and the antimeridian, wave
// records without their partners and partners on other grids.
#include "map/releve_route.h"

#include "champs_decodes_test.h"
#include "gribdata/champ_grib.h"
#include "gribdata/fichier_grib.h"
#include "map/cellule_grille.h"
#include "map/echelles_couleurs.h"
#include "routes/classe_route.h"
#include "tests/outils/outils_test.h"

#include <cmath>
#include <gtest/gtest.h>
#include <memory>

namespace {

const long T0 = 1796558400;  // 6 December 2026, 12 UTC: the fixtures' run
const long H = 3600;

// A route through the given points, each `pas` hours after the previous.
std::unique_ptr<classeRoute> route(std::initializer_list<std::pair<double, double>> points,
                                   long debut, long pas)
{
    auto r = std::make_unique<classeRoute>("r");
    long t = debut;
    for (const auto& [lat, lon] : points) {
        r->append(t, lat, lon);
        t += pas;
    }
    r->recalcul(0);
    r->histogramme = 1;
    return r;
}

class ReleveRoute_ : public ChampsDecodes {
protected:
    ReleveRoute relever(classeRoute& r)
    {
        classeRoute* c = r.classeRouteRecalculAvecToutesLesEcheances(fichier.list);
        EXPECT_NE(c, nullptr);
        return c ? releverRoute(fichier.list, *c) : ReleveRoute{};
    }
};

std::vector<int> genres(const ReleveRoute& e)
{
    std::vector<int> v;
    for (const auto& x : e.echantillons)
        v.push_back(x.genre);
    return v;
}

std::vector<double> valeursDe(const ReleveRoute& e, int genre)
{
    std::vector<double> v;
    for (const auto& x : e.echantillons)
        if (x.genre == genre)
            v.push_back(x.valeur);
    return v;
}

}  // namespace

// Pressure, wind, current, rain and a total sea with its direction and
// period over five validities, along a route crossing the grid: each
// sample is eccodes' nearest value at the companion's position there.
TEST_F(ReleveRoute_, SamplesAreEccodesNearestValuesAlongTheCompanion)
{
    if (!eccodesPresent())
        GTEST_SKIP() << "eccodes is not installed";
    std::vector<ChampEcrit> champs;
    const double pluies[5] = {0, 2, 5, 4, 9};
    for (int k = 0; k < 5; ++k) {
        const int p1 = 6 * k;
        champs.push_back(champ(2, p1, [k](double la, double lo) { return 100000 + 40 * la * lo + 300 * k; }));
        champs.push_back(champ(33, p1, [k](double la, double lo) { return la / 5 - lo + k; }));
        champs.push_back(champ(34, p1, [k](double la, double lo) { return lo / 2 - la / 10 - k; }));
        champs.push_back(champ(49, p1, [k](double la, double) { return (la - 45) / 4 + k / 8.0; }));
        champs.push_back(champ(50, p1, [](double, double lo) { return lo / 10; }));
        ChampEcrit pluie = uniforme(61, 0, pluies[k]);
        pluie.indicateur = 4, pluie.p2 = p1;
        champs.push_back(pluie);
        champs.push_back(champ(100, p1, [k](double la, double) { return la / 20 + k / 4.0; }));
        champs.push_back(champ(200, p1, [](double, double lo) { return 200 + 4 * lo; }));
        champs.push_back(champ(201, p1, [k](double la, double) { return la / 5 + k; }));
    }
    ecrire(champs);
    auto r = route({{49.13, -9.31}, {44.07, -1.18}}, T0 - 3 * H, 30 * H);
    r->dateEcheance = T0 + 12 * H;
    const ReleveRoute e = relever(*r);
    EXPECT_TRUE(e.touche);
    // Charts in the order of their first sample.
    std::vector<int> ordre;
    for (int g : genres(e))
        if (std::find(ordre.begin(), ordre.end(), g) == ordre.end())
            ordre.push_back(g);
    EXPECT_EQ(ordre, (std::vector<int>{7, 1, 14, 23, 22, 2, 15}));
    ASSERT_EQ(e.echantillons.size(), 5u * 7);
    classeRoute& c = *r->routeEcheances;
    ASSERT_EQ(c.dernierNumero, 6);
    const long dates[5] = {20261206'1200, 20261206'1800, 20261207'0000, 20261207'0600,
                           20261207'1200};
    for (int k = 0; k < 5; ++k) {
        const classePosition& p = *c.position(k + 1);
        EXPECT_EQ(p.date, T0 + 6 * k * H);
        EXPECT_EQ(p.type, k == 2 ? 3 : 4);
        auto ec = plusProches(d / "f.grb", p.latitude, p.longitude);
        auto val = [&](int parametre) { return ec.at({parametre, dates[k]}); };
        const EchantillonHistogramme* s = &e.echantillons[7 * k];
        EXPECT_NEAR(s[0].valeur, val(2) / 100, 1e-3) << k;
        float direction, vitesse;
        vInlineUVDF(float(val(33)), float(val(34)), direction, vitesse);
        EXPECT_NEAR(s[1].valeur, vitesse * 3600 / 1852, 1e-3) << k;
        EXPECT_NEAR(s[1].second, direction, 1e-2) << k;
        vInlineUVDF(float(val(49)), float(val(50)), direction, vitesse);
        EXPECT_NEAR(s[2].valeur, vitesse * 3600 / 1852, 1e-3) << k;
        EXPECT_NEAR(s[2].second, direction, 1e-2) << k;
        EXPECT_EQ(s[3].valeur, s[2].valeur);
        EXPECT_NEAR(s[5].valeur, val(100), 1e-4) << k;
        EXPECT_NEAR(s[5].second, val(200), 1e-3) << k;
        EXPECT_NEAR(s[6].valeur, val(201), 1e-4) << k;
        EXPECT_EQ(s[1].heure, (12 + 6 * k) % 24);
        EXPECT_EQ(s[1].jour, k < 2 ? 6 : 7);
    }
    // Rain per step: what fell since the previous total, as the read-out
    // shows it.
    EXPECT_EQ(valeursDe(e, 22), (std::vector<double>{0, 2, 3, 0, 5}));
}

// Grid steps, longitudes on grids that start at Greenwich or cross the
// antimeridian, and the shift that puts the point inside.
TEST(CelluleGrille, RowsAndColumnsOfAPoint)
{
    const struct {
        int ni, nj, la1, lo1, di, dj;
        double lat, lon;
        bool dedans;
        int ligne, colonne;
    } cas[] = {
        {100, 300, 50000, 0, 83, 83, 30, 1, true, 240, 12},          // 1/12 degree
        {720, 361, 90000, 0, 500, 500, 10, -30, true, 160, 660},     // 0..359.5
        {720, 361, 90000, 0, 500, 500, 10, 330, true, 160, 660},
        {41, 21, 0, 170000, 500, 500, -5, 190, true, 10, 40},        // 170 to 190
        {41, 21, 0, 170000, 500, 500, -5, -170, true, 10, 40},
        {41, 21, 0, 170000, 500, 500, -5, 175.2, true, 10, 10},
        {41, 21, 0, 170000, 500, 500, -5, -169, false, 0, 0},        // east of it
        {41, 21, 0, 170000, 500, 500, -11, 175, false, 0, 0},        // south of it
        {20, 15, 50000, -10000, 500, 500, 46.25, -5.25, true, 8, 10},  // halves to even
        {20, 15, 50000, -10000, 0, 500, 46, -5, false, 0, 0},        // no step
    };
    for (const auto& k : cas) {
        Grib g;
        g.ni = k.ni, g.nj = k.nj, g.la1 = k.la1, g.lo1 = k.lo1, g.di = k.di, g.dj = k.dj;
        CelluleGrille c;
        ASSERT_EQ(bCelluleGrille(g, k.lat, k.lon, c), k.dedans) << k.lat << " " << k.lon;
        if (k.dedans) {
            EXPECT_EQ((std::array<int, 2>{c.ligne, c.colonne}),
                      (std::array<int, 2>{k.ligne, k.colonne}))
                << k.lat << " " << k.lon;
        }
    }
}

// A global grid from Greenwich samples a route west of it; a Pacific grid
// a route across the antimeridian.
TEST_F(ReleveRoute_, GridsFromGreenwichAndAcrossTheAntimeridian)
{
    ChampEcrit monde = champ(2, 0, [](double, double lo) { return 100000 + 10 * lo; });
    monde.ni = 720, monde.nj = 361, monde.la1 = 90000, monde.lo1 = 0;
    ChampEcrit monde6 = monde;
    monde6.p1 = 6;
    ecrire({monde, monde6});
    auto r = route({{10, -30.2}, {10, -29.8}, {10, -29.4}}, T0, 6 * H);
    EXPECT_EQ(genres(relever(*r)), (std::vector<int>{7, 7}));
    EXPECT_NEAR(valeursDe(relever(*r), 7)[0], (100000 + 10 * 330.0) / 100, 0.2);

    ChampEcrit pacifique = champ(11, 0, [](double, double lo) { return 280 + lo / 100; });
    pacifique.ni = 41, pacifique.nj = 21, pacifique.la1 = 0, pacifique.lo1 = 170000;
    ChampEcrit pacifique6 = pacifique;
    pacifique6.p1 = 6;
    ecrire({pacifique, pacifique6});
    auto p = route({{-5, 190}, {-5, -170}, {-5, -170.5}}, T0, 6 * H);
    EXPECT_EQ(genres(relever(*p)), (std::vector<int>{8, 8}));
}

// Wave heights without direction records chart direction 0; a v record on
// a grid laid otherwise gives no wind sample, and a smaller one is never
// read past its values.
TEST_F(ReleveRoute_, PartnersMissingOrOnOtherGrids)
{
    ChampEcrit decale = uniforme(34, 0, 5);
    decale.lo1 = -9500;
    ChampEcrit petit = uniforme(34, 6, 5);
    petit.ni = 3, petit.nj = 2;
    ecrire({uniforme(33, 0, 5), decale, uniforme(100, 0, 2.5), uniforme(201, 0, 8),
            uniforme(33, 6, 5), petit, uniforme(100, 6, 3), uniforme(201, 6, 9),
            uniforme(2, 12, 100000)});
    for (const grib* g = fichier.list; g; g = g->suivant)
        if (g->parametre == 100) {
            EXPECT_EQ(g->direction, nullptr);
        }
    auto r = route({{46, -5}, {46.2, -5.3}, {46.4, -5.6}}, T0, 6 * H);
    const ReleveRoute e = relever(*r);
    EXPECT_TRUE(e.touche);
    EXPECT_EQ(genres(e), (std::vector<int>{2, 15, 2, 15}));
    EXPECT_EQ(e.echantillons[0].second, 0);
    EXPECT_EQ(valeursDe(e, 15), (std::vector<double>{8, 9}));
}

// Positions outside every grid, absent values, records of parameters the
// charts do not show: no sample, and nothing touched.
TEST_F(ReleveRoute_, NothingAlongTheRoute)
{
    ChampEcrit trou = champ(2, 0, [](double la, double) { return la > 45 ? NAN : 100000.0; });
    ChampEcrit trou6 = trou;
    trou6.p1 = 6;
    ecrire({trou, uniforme(52, 0, 70), trou6, uniforme(2, 12, 100000)});
    auto r = route({{47, -5}, {47.5, -4}, {47.6, -4}}, T0, 6 * H);
    const ReleveRoute e = relever(*r);
    EXPECT_TRUE(e.echantillons.empty());
    EXPECT_FALSE(e.touche);
    // A one-position route: its only position is the last, never sampled.
    auto seule = route({{44, -5}}, T0 + 3 * H, H);
    EXPECT_FALSE(relever(*seule).touche);
}

// The service's rain, each record the amount of its own six hours, along
// routes that stay in the cell of 46 N 5 W, and of 48 N 3 W where a step's
// packed amount lies below 0: each step charts eccodes' amount there. The
// same records made totals since the run (P1 set to 0) chart what fell
// since the previous total, as the read-out shows it.
TEST_F(ReleveRoute_, RainPerStepOrSinceTheRunByItsTimeRange)
{
    if (!eccodesPresent())
        GTEST_SKIP() << "eccodes is not installed";
    const struct {
        const char* options;
        double lat, lon;
        bool duPas;
    } cas[] = {{"", 46, -5, true},
               {"", 48, -3, true},
               {"-w indicatorOfParameter=61 -s P1=0", 46, -5, false}};
    for (const auto& k : cas) {
        std::vector<double> attendu;
        double total = 0;
        for (double v : service(k.options, k.lat, k.lon, 61)) {
            attendu.push_back(std::max(0.0, k.duPas ? v : v - total));
            total = v;
        }
        ASSERT_EQ(attendu.size(), 3u);
        auto r = route({{k.lat, k.lon - 0.1}, {k.lat, k.lon + 0.1}}, T0 + 5 * H, 14 * H);
        const std::vector<double> pluies = valeursDe(relever(*r), 22);
        ASSERT_EQ(pluies.size(), 3u) << k.options;
        for (size_t i = 0; i < 3; ++i)
            EXPECT_NEAR(pluies[i], attendu[i], 1e-3) << k.options << " " << k.lat << " " << i;
    }
}
