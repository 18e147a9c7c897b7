// Rhumb lines and great circles of the route model against GeographicLib's
// solvers on the same sphere (radius 10800 / pi nautical miles), for seeded
// pairs in every quadrant, up to 89 degrees and across the 180th meridian.
#include "routes/classe_position.h"
#include "routes/loxodromie.h"
#include "routes/orthodromie.h"

#include "tests/routes/outils_routes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <sstream>

namespace {

struct Paire {
    double lat1, lon1, lat2, lon2;  // lon2 unwrapped: within 180 of lon1
};

std::vector<Paire> paires()
{
    std::mt19937 g(20240611);
    std::uniform_real_distribution<double> lat(-89, 89), lon(-180, 180), ecart(-178, 178);
    std::vector<Paire> v;
    for (int i = 0; i < 300; ++i) {
        const double l1 = lon(g);
        v.push_back({lat(g), l1, lat(g), l1 + ecart(g) * (i % 3 ? 1 : 0.02)});
    }
    // Along a parallel and a meridian, and across the 180th meridian.
    v.push_back({45, 10, 45, 20});
    v.push_back({-30, 170, -30, 190});
    v.push_back({10, -175, 20, -185});
    v.push_back({-60, 5, 70, 5});
    v.push_back({89, 0, 89, 90});
    return v;
}

classePosition point(double lat, double lon)
{
    classePosition p(0);
    p.set(lat, lon);
    return p;
}

}  // namespace

TEST(NavigationRoutes, LegsAgainstGeographicLib)
{
    if (!bGeographicLib())
        GTEST_SKIP() << "geographiclib-tools is not installed";
    const std::vector<Paire> v = paires();
    std::ostringstream entree;
    entree.precision(17);
    for (const Paire& p : v)
        entree << p.lat1 << " " << p.lon1 << " " << p.lat2 << " " << p.lon2 << "\n";
    const auto rhumb = resoudre("RhumbSolve -i", entree.str());
    const auto geodesique = resoudre("GeodSolve -i", entree.str());
    ASSERT_EQ(rhumb.size(), v.size());
    ASSERT_EQ(geodesique.size(), v.size());
    for (size_t i = 0; i < v.size(); ++i) {
        const Paire& p = v[i];
        classePosition a = point(p.lat1, p.lon1), b = point(p.lat2, p.lon2);
        const double loxo = loxodromie(&a, &b);
        // RhumbSolve gives -180..180 with north 0; the route model 0..360
        // with north 360.
        const double cap = rhumb[i][0] <= 0 ? rhumb[i][0] + 360 : rhumb[i][0];
        EXPECT_NEAR(loxo, rhumb[i][1], 1e-6) << i;
        EXPECT_NEAR(a.cap, cap, 1e-7) << i;
        EXPECT_GT(a.cap, 0) << i;
        EXPECT_LE(a.cap, 360) << i;
        EXPECT_NEAR(orthodromie(&a, &b), geodesique[i][2], 1e-6) << i;
        EXPECT_NEAR(orthodromie2(p.lat1, p.lon1, p.lat2, p.lon2), geodesique[i][2], 1e-6) << i;
    }
}

TEST(NavigationRoutes, DeadReckoningAgainstGeographicLib)
{
    if (!bGeographicLib())
        GTEST_SKIP() << "geographiclib-tools is not installed";
    std::mt19937 g(7);
    std::uniform_real_distribution<double> lat(-85, 85), lon(-180, 180), cap(-360, 720),
        fraction(0.01, 1);
    struct Cas {
        double lat, lon, cap, distance;
    };
    std::vector<Cas> cas;
    for (int i = 0; i < 300; ++i) {
        Cas c{lat(g), lon(g), cap(g), 0};
        // The distance stays within 89 degrees of latitude.
        const double nord = std::cos(c.cap * M_PI / 180);
        const double marge = nord > 0 ? 89 - c.lat : nord < 0 ? c.lat + 89 : 180;
        c.distance = std::min(6000.0, marge * 60 / std::max(std::fabs(nord), 1e-3)) * fraction(g);
        cas.push_back(c);
    }
    for (double c : {0.0, 90.0, 180.0, 270.0, 450.0, -90.0, 89.995, 270.004})
        cas.push_back({37.5, 179.5, c, 500});
    std::ostringstream entree;
    entree.precision(17);
    for (const Cas& c : cas)
        entree << c.lat << " " << c.lon << " " << c.cap << " " << c.distance << "\n";
    const auto attendu = resoudre("RhumbSolve", entree.str());
    ASSERT_EQ(attendu.size(), cas.size());
    for (size_t i = 0; i < cas.size(); ++i) {
        const Cas& c = cas[i];
        double lat2, lon2;
        loxoCapVitesse(c.lat, c.lon, c.cap, c.distance, lat2, lon2);
        // The tangent times the logarithm loses digits near east and west.
        const bool estOuest = ecartAngle(c.cap, 90) < 0.01 || ecartAngle(c.cap, 270) < 0.01;
        const double tolerance = estOuest ? 1e-5 : 1e-9;
        EXPECT_NEAR(lat2, attendu[i][0], 1e-9) << i;
        EXPECT_LT(ecartAngle(lon2, attendu[i][1]), tolerance) << i << " " << lon2;
        EXPECT_LE(std::fabs(lon2), 180) << i;
    }
}

TEST(NavigationRoutes, SphereReferenceLegs)
{
    const struct {
        double lat1, lon1, lat2, lon2, cap, milles;
    } cas[] = {
        {0, 0, 0, 1, 90, 60},      {0, 0, 0, -1, 270, 60},   {0, 0, 1, 0, 360, 60},
        {1, 0, 0, 0, 180, 60},     {0, 0, 0, 0, 0, 0},       {60, 0, 60, 1, 90, 30},
        {10, 170, 10, 190, 90, 20 * 60 * std::cos(10 * M_PI / 180)},
    };
    for (const auto& c : cas) {
        classePosition a = point(c.lat1, c.lon1), b = point(c.lat2, c.lon2);
        EXPECT_NEAR(loxodromie(&a, &b), c.milles, 1e-9) << c.lat1 << " " << c.lon2;
        EXPECT_EQ(a.cap, c.cap) << c.lat1 << " " << c.lon2;
    }
    double lat, lon;
    loxoCapVitesse(0, 179.5, 90, 60, lat, lon);
    EXPECT_NEAR(lon, -179.5, 1e-9);
    loxoCapVitesse(0, 20, 0, 600, lat, lon);
    EXPECT_NEAR(lat, 10, 1e-12);
    EXPECT_EQ(lon, 20);
}

// Coincident points never make a not-a-number leg, and points at or past
// the poles give finite lengths, courses and places.
TEST(NavigationRoutes, CoincidentPointsAndPolesStayFinite)
{
    for (double lat = -90; lat <= 90; lat += 0.173)
        for (double lon : {-179.9, -71.74, 0.0, 33.3, 123.456789, 190.0}) {
            classePosition a = point(lat, lon), b = point(lat, lon);
            EXPECT_FALSE(std::isnan(orthodromie(&a, &b))) << lat;
            EXPECT_NEAR(orthodromie(&a, &b), 0, 1e-3) << lat << " " << lon;
            EXPECT_EQ(loxodromie(&a, &b), 0) << lat;
        }
    const double poles[][4] = {
        {90, 0, 89.999, 45}, {-90, 10, -89.5, -170}, {90, 0, -90, 0},  {89.995, 0, 89.999, 120},
        {90, 0, 90, 90},     {-90, 0, 45, 10},       {0, 0, 90, 180},
    };
    for (const auto& p : poles) {
        classePosition a = point(p[0], p[1]), b = point(p[2], p[3]);
        EXPECT_TRUE(std::isfinite(loxodromie(&a, &b))) << p[0] << " " << p[2];
        EXPECT_TRUE(std::isfinite(a.cap)) << p[0] << " " << p[2];
        EXPECT_TRUE(std::isfinite(orthodromie(&a, &b))) << p[0] << " " << p[2];
    }
    for (double depart : {89.0, 90.0, -90.0, -89.9})
        for (double cap : {0.0, 45.0, 90.0, 135.0, 180.0, 270.0, 300.0}) {
            double lat, lon;
            loxoCapVitesse(depart, 10, cap, 300, lat, lon);
            EXPECT_TRUE(std::isfinite(lat) && std::isfinite(lon)) << depart << " " << cap;
        }
}
