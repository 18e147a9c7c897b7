#include "routes/orthodromie.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(Orthodromie, ReferenceDistances)
{
    EXPECT_NEAR(orthodromie2(0, 0, 0, 1), 60, 1e-9);
    EXPECT_NEAR(orthodromie2(0, 0, 0, 180), 10800, 1e-9);
    EXPECT_NEAR(orthodromie2(0, 0, 1, 0), 60, 1e-9);
    EXPECT_NEAR(orthodromie2(-90, 0, 90, 0), 10800, 1e-9);
    // Along the parallel 60 N the great circle is shorter than the
    // 30 miles of the rhumb line.
    const double d = orthodromie2(60, 0, 60, 1);
    EXPECT_LT(d, 30);
    EXPECT_GT(d, 29.99);
    // Brest to New York, against the haversine form of the same sphere.
    const double p1 = 48.39 * M_PI / 180, p2 = 40.71 * M_PI / 180;
    const double dl = (-4.49 + 74.01) * M_PI / 180;
    const double h = std::pow(std::sin((p2 - p1) / 2), 2) +
                     std::cos(p1) * std::cos(p2) * std::pow(std::sin(dl / 2), 2);
    EXPECT_NEAR(orthodromie2(48.39, -4.49, 40.71, -74.01),
                2 * std::asin(std::sqrt(h)) * 10800 / M_PI, 1e-6);
}

TEST(Orthodromie, SymmetricAndBlindToFullTurns)
{
    EXPECT_DOUBLE_EQ(orthodromie2(10, 20, -30, 140), orthodromie2(-30, 140, 10, 20));
    EXPECT_NEAR(orthodromie2(0, 179.5, 0, -179.5), 60, 1e-9);
    EXPECT_NEAR(orthodromie2(45, 10, 45, 370), 0, 1e-4);
}

TEST(Orthodromie, CoincidentPointsGiveZeroNeverNaN)
{
    // Latitudes such as -71.74 round the cosine to just above 1.
    for (double lat = -89.5; lat < 90; lat += 0.37)
        for (double lon : {-179.0, -3.1, 0.0, 2.35, 123.456789}) {
            const double d = orthodromie2(lat, lon, lat, lon);
            EXPECT_FALSE(std::isnan(d)) << lat << " " << lon;
            EXPECT_NEAR(d, 0, 1e-3) << lat << " " << lon;
        }
}
