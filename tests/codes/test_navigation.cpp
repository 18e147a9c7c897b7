#include "codes/navigation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <random>
#include <utility>
#include <vector>

TEST(Loxodromie, ValeursDeReference)
{
    double lat, lon;
    vCodesLoxoLLCD(45, 0, 90, 60, lat, lon);
    EXPECT_NEAR(lat, 45, 1e-12);
    EXPECT_NEAR(lon, 1.414214, 1e-6);
    vCodesLoxoLLCD(45, 0, 0, 60, lat, lon);
    EXPECT_DOUBLE_EQ(lat, 46);
    EXPECT_DOUBLE_EQ(lon, 0);
    vCodesLoxoLLCD(0, 179.5, 90, 60, lat, lon);
    EXPECT_NEAR(lon, -179.5, 1e-9);
    vCodesLoxoLLCD(10, -179.5, 270, 60, lat, lon);
    EXPECT_NEAR(lon, 360 - 179.5 - 1 / std::cos(10 * M_PI / 180), 1e-9);
    // South-west by 100 miles from 48 N 5 W, against the Mercator formula.
    vCodesLoxoLLCD(48, -5, 225, 100, lat, lon);
    double lat1 = 48 - 100.0 / 60 * std::sqrt(0.5);
    EXPECT_NEAR(lat, lat1, 1e-12);
    double dm = std::log(std::tan(M_PI / 4 + lat1 * M_PI / 360) /
                         std::tan(M_PI / 4 + 48 * M_PI / 360));
    EXPECT_NEAR(lon, -5 + dm * 180 / M_PI, 1e-9);
}

// Far enough to wrap more than once, and near the poles: always finite and
// folded into -180..180.
TEST(Loxodromie, LongitudeToujoursReplieeNiNanNiInfini)
{
    double lat, lon;
    vCodesLoxoLLCD(0, 170, 90, 60 * 400, lat, lon);
    EXPECT_NEAR(lon, 170 + 400 - 720, 1e-9);
    const double cas[][4] = {{60, -170, 270, 60000}, {90, 0, 90, 1200},   {90, 0, 45, 1200},
                             {-90, 0, 270, 1200},    {89.9999, 10, 10, 1200}, {80, 0, 30, 1200},
                             {80, 0, 0, 1200},       {-85, 0, 200, 1200}, {0, 0, 89.9999999, 1200}};
    for (auto& c : cas) {
        vCodesLoxoLLCD(c[0], c[1], c[2], c[3], lat, lon);
        EXPECT_TRUE(std::isfinite(lat) && std::isfinite(lon) && lon >= -180 && lon <= 180)
            << c[0] << " " << c[2] << ": " << lat << " " << lon;
    }
    for (double cap = 0; cap < 360; cap += 7.5)
        for (double lat0 : {-80.0, -30.0, 0.0, 45.0, 85.0}) {
            vCodesLoxoLLCD(lat0, 179, cap, 3000, lat, lon);
            EXPECT_TRUE(std::isfinite(lon) && lon >= -180 && lon <= 180) << cap << " " << lat0;
        }
}

TEST(Vent, ComposantesEtDirection)
{
    // The direction the wind comes from; due north is 360, not 0.
    const float cas[][4] = {{1, 0, 270, 1}, {0, 1, 180, 1}, {-1, 0, 90, 1}, {0, -1, 360, 1},
                            {0, 0, 0, 0}};
    float d, f;
    for (auto& c : cas) {
        vUVDF(c[0], c[1], d, f);
        EXPECT_EQ(d, c[2]) << c[0] << " " << c[1];
        EXPECT_EQ(f, c[3]) << c[0] << " " << c[1];
    }
    vUVDF(-3, -4, d, f);
    EXPECT_FLOAT_EQ(f, 5);
    EXPECT_NEAR(d, std::atan2(3.0, 4.0) * 180 / M_PI, 1e-4);
    float u, v;
    vDFUV(270, 10, u, v);
    EXPECT_NEAR(u, 10, 1e-5);
    EXPECT_NEAR(v, 0, 1e-5);
}

TEST(Vent, AllerRetourSurTousLesQuadrants)
{
    for (float u = -20; u <= 20; u += 2.5f)
        for (float v = -20; v <= 20; v += 2.5f) {
            float d, f, u2, v2;
            vUVDF(u, v, d, f);
            EXPECT_TRUE(d >= 0 && d <= 360) << u << " " << v;
            vDFUV(d, f, u2, v2);
            EXPECT_NEAR(u2, u, 1e-4) << u << " " << v;
            EXPECT_NEAR(v2, v, 1e-4) << u << " " << v;
            // u = -f sin(d), v = -f cos(d)
            EXPECT_NEAR(-f * std::sin(d * M_PI / 180), u, 1e-4);
        }
}

TEST(Fmod1000, ResteAuMillieme)
{
    EXPECT_FLOAT_EQ(fmod1000(7.5f, 2), 1.5f);
    EXPECT_FLOAT_EQ(fmod1000(-7.5f, 2), -1.5f);
    EXPECT_FLOAT_EQ(fmod1000(0, 2), 0);
    EXPECT_FLOAT_EQ(fmod1000(3, 0), 0);
    EXPECT_FLOAT_EQ(fmod1000(0.3f, 0.1f), 0);
    EXPECT_FLOAT_EQ(fmod1000(370.25f, 360), 10.25f);
    // A divisor that rounds to no thousandth: no trap, answer 0.
    EXPECT_FLOAT_EQ(fmod1000(5, 0.0004f), 0);
    EXPECT_FLOAT_EQ(fmod1000(5, -0.0004f), 0);
    // Values far beyond an integer's range stay defined.
    EXPECT_TRUE(std::isfinite(fmod1000(3e30f, 7)));
}

// The direction as it was worked out with acos at every point, against
// the one that takes acos only near a right angle: the same bits.
TEST(Vent, DirectionSansAcosLoinDeLAngleDroit)
{
    const auto reference = [](float u, float v, float& direction, float& force) {
        force = std::sqrt(u * u + v * v);
        if (force == 0) {
            direction = 0;
            return;
        }
        const float a = std::acos(u / force);
        const float sinus = std::clamp(v / force, -1.0f, 1.0f);
        if (a < 1.5707963705062866f)
            direction = 90 - std::asin(sinus) * 57.29578f;
        else
            direction = std::asin(sinus) * 57.29578f + 270;
        direction += 180;
        if (direction < 0)
            direction += 360;
        else if (direction > 360)
            direction -= 360;
    };
    std::vector<std::pair<float, float>> cas;
    std::mt19937 alea(3);
    std::uniform_real_distribution<float> vent(-40, 40);
    for (int k = 0; k < 200000; ++k)
        cas.push_back({vent(alea), vent(alea)});
    // Near a right angle (u / force about 1e-4 and below), and along the
    // axes down to winds so slight that their squares lose digits: there a
    // rounded force falls below |u| and acos has no value.
    for (float u = -2e-3f; u <= 2e-3f; u += 1.3e-6f)
        cas.push_back({u, 10}), cas.push_back({u, -7});
    int auDela = 0;
    for (float u = 1e-22f; u < 50; u *= 1.0007f) {
        cas.push_back({u, 0}), cas.push_back({-u, 0}), cas.push_back({u, u * 1e-5f});
        auDela += u / std::sqrt(u * u) > 1;
    }
    EXPECT_GT(auDela, 0);
    for (const auto& [u, v] : cas) {
        float d, f, dr, fr;
        vUVDF(u, v, d, f);
        reference(u, v, dr, fr);
        uint32_t a, b;
        std::memcpy(&a, &d, 4), std::memcpy(&b, &dr, 4);
        ASSERT_EQ(a, b) << u << " " << v;
        ASSERT_EQ(f, fr) << u << " " << v;
    }
}
