// What the route window decides without a display: the date of a row's six
// fields (checked against the C library's timegm where the fields stay in
// their ranges), the carries past a range, the refused values, the
// coordinates with their hemisphere and a new route name.
#include "routes/regles_fenetre.h"

#include <cmath>
#include <ctime>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace {

long timegmChamps(int a, int mo, int j, int h, int mi, int s)
{
    std::tm t{};
    t.tm_year = a - 1900;
    t.tm_mon = mo - 1;
    t.tm_mday = j;
    t.tm_hour = h;
    t.tm_min = mi;
    t.tm_sec = s;
    return long(timegm(&t));
}

}  // namespace

TEST(ReglesFenetre, TheDateOfTheSixFields)
{
    const struct {
        double champs[6];
        long attendu;
    } cas[] = {
        {{2024, 2, 29, 12, 0, 0}, 1709208000},
        {{2024, 4, 31, 0, 0, 0}, timegmChamps(2024, 5, 1, 0, 0, 0)},
        {{2023, 13, 1, 0, 0, 0}, timegmChamps(2024, 1, 1, 0, 0, 0)},
        {{2023, 0, 15, 0, 0, 0}, timegmChamps(2023, 1, 15, 0, 0, 0)},
        {{2023, 3, 0, 0, 0, 0}, timegmChamps(2023, 2, 28, 0, 0, 0)},
        {{2023, 3, 1, 24, 0, 0}, timegmChamps(2023, 3, 2, 0, 0, 0)},
        {{2023, 3, 1, -1, 0, 0}, timegmChamps(2023, 2, 28, 23, 0, 0)},
        {{2023, 3, 1, 0, 60, 0}, timegmChamps(2023, 3, 1, 1, 0, 0)},
        {{2023, 3, 1, 0, 0, -1}, timegmChamps(2023, 2, 28, 23, 59, 59)},
        {{2037, 12, 31, 23, 59, 59}, 2145916799},
        {{1970, 1, 1, 0, 0, 0}, 0},
        // Truncated toward zero, as the fields' integers are.
        {{2024, 2.9, 29.5, 12.7, 0, 0}, 1709208000},
    };
    for (const auto& c : cas) {
        long date = -7;
        EXPECT_TRUE(bDateRangee(c.champs, date)) << c.champs[0] << "-" << c.champs[1];
        EXPECT_EQ(date, c.attendu) << c.champs[0] << "-" << c.champs[1] << "-" << c.champs[2];
    }
    // Every day of 1970 to 2037 at noon, against the C library.
    for (long t = 43200; t < 2145916800L; t += 86400) {
        std::tm u;
        const time_t tt = t;
        gmtime_r(&tt, &u);
        const double champs[6] = {double(u.tm_year + 1900), double(u.tm_mon + 1), double(u.tm_mday),
                                  12, 0, 0};
        long date = 0;
        ASSERT_TRUE(bDateRangee(champs, date));
        ASSERT_EQ(date, t);
    }
}

TEST(ReglesFenetre, ValuesThatCannotBeCountedAreRefusedAtOnce)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const double refuses[][6] = {
        {2024, 1e9, 1, 0, 0, 0},  {2024, 1, 1e20, 0, 0, 0}, {2024, 1, 1, 0, 0, -1e7},
        {nan, 1, 1, 0, 0, 0},     {2024, 1, 1, inf, 0, 0},  {1969, 12, 31, 0, 0, 0},
        {1970, 1, 1, 0, 0, -1},
    };
    for (const auto& champs : refuses) {
        long date = 42;
        EXPECT_FALSE(bDateRangee(champs, date)) << champs[1];
        EXPECT_EQ(date, 42);
    }
    EXPECT_TRUE(bSaisieValide(1e6));
    EXPECT_FALSE(bSaisieValide(-1e6 - 1));
}

TEST(ReglesFenetre, CoordinatesKeepTheirHemisphere)
{
    const struct {
        double d, m, s, actuelle, attendu;
    } cas[] = {
        {45, 60, 0, 45.9, 46},          {-45, 60, 0, -45.9, -46},
        {0, 30, 0, -0.2, -0.5},         {0, 30, 0, 0.2, 0.5},
        {12, 30, 36, 0, 12.51},         {-12, 30, 36, 0, -12.51},
        {91, 0, 0, 0, 91},
    };
    for (const auto& c : cas) {
        double v = 0;
        EXPECT_TRUE(bCoordonneeRangee(c.d, c.m, c.s, c.actuelle, v));
        EXPECT_NEAR(v, c.attendu, 1e-9) << c.d << " " << c.m << " " << c.actuelle;
    }
    double v = 3;
    EXPECT_FALSE(bCoordonneeRangee(std::nan(""), 0, 0, 0, v));
    EXPECT_FALSE(bCoordonneeRangee(0, 1e7, 0, 0, v));
    EXPECT_EQ(v, 3);
}

TEST(ReglesFenetre, ANewNameIsOneLineCutOnACharacterAndNeverTheEndMark)
{
    std::string nom = "garde";
    EXPECT_FALSE(bNomRoute("@end", nom));
    EXPECT_EQ(nom, "garde");
    EXPECT_TRUE(bNomRoute("@end ", nom));
    EXPECT_EQ(nom, "@end ");
    EXPECT_TRUE(bNomRoute("Ra\r\nz\n", nom));
    EXPECT_EQ(nom, "Raz");
    EXPECT_FALSE(bNomRoute("@e\nnd", nom));
    EXPECT_TRUE(bNomRoute("", nom));
    EXPECT_EQ(nom, "");
    // 100 two-byte letters: 200 bytes cut to 63 letters (126 bytes).
    std::string long_;
    for (int i = 0; i < 100; ++i)
        long_ += "é";
    EXPECT_TRUE(bNomRoute(long_.c_str(), nom));
    EXPECT_EQ(nom.size(), 126u);
    EXPECT_EQ(nom, long_.substr(0, 126));
    EXPECT_TRUE(bNomRoute(("a" + long_).c_str(), nom));
    EXPECT_EQ(nom.size(), 127u);
}
