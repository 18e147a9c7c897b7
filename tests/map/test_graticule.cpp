// The graticule's step by view height and its labels.
#include "map/graticule.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

std::pair<std::string, std::string> meridien(double l, const PasGraticule& p)
{
    char a[GRATICULE_TEXTE], b[GRATICULE_TEXTE];
    vTexteMeridien(l, p, a, b);
    return {a, b};
}

std::pair<std::string, std::string> parallele(double l, const PasGraticule& p)
{
    char a[GRATICULE_TEXTE], b[GRATICULE_TEXTE];
    vTexteParallele(l, p, a, b);
    return {a, b};
}

}  // namespace

TEST(PasGraticule, FollowsTheViewHeight)
{
    const struct {
        double hauteur, pas;
    } cas[] = {{180, 60},  {150.4, 45}, {100, 30},  {63, 20},    {22.6, 9},     {21.6, 8},
               {12.6, 5},  {12, 4},     {6, 2},    {5.4, 0},    {1.5, 0.5},    {0.06, 0.02},
               {0.027, 0.009}};
    for (const auto& c : cas) {
        const PasGraticule p = pasGraticule(10 + c.hauteur, 10);
        if (c.pas == 0) {
            EXPECT_NEAR(p.pas, 1.8, 1e-12) << c.hauteur;
            continue;
        }
        EXPECT_NEAR(p.pas, c.pas, 1e-12) << c.hauteur;
        EXPECT_EQ(p.dms, c.pas < 1) << c.hauteur;
    }
    EXPECT_STREQ(pasGraticule(90, -90).format, "%.0f°%c");
    EXPECT_STREQ(pasGraticule(1.5, 0).format, "%.1f° %c");
    EXPECT_STREQ(pasGraticule(0.06, 0).format, "%.2f° %c");
    EXPECT_STREQ(pasGraticule(0.03, 0).format, "%.3f° %c");
}

// A view thinner than 0.0015 degree rounded its step to 0 and the loop
// over the lines never ended.
TEST(PasGraticule, NeverZeroHoweverThinTheView)
{
    for (double h : {0.0014, 0.0001, 1e-9, 0.0, -1.0})
        EXPECT_GE(pasGraticule(45 + h, 45).pas, 0.001) << h;
    EXPECT_GE(pasGraticule(std::nan(""), 0).pas, 0.001);
}

TEST(TexteGraticule, NamedLinesHemispheresAndSmallSteps)
{
    const PasGraticule monde = pasGraticule(90, -90);
    const std::pair<double, const char*> meridiens[] = {
        {0, "GM"},      {360, "GM"},     {-360.000001, "GM"}, {180, "AM"}, {540, "AM"},
        {60, "60°E"}, {-120, "120°W"}, {300, "60°W"},     {-300, "60°E"}};
    for (auto [l, texte] : meridiens)
        EXPECT_EQ(meridien(l, monde).first, texte) << l;
    EXPECT_EQ(meridien(-180, monde).second, "AM");
    EXPECT_EQ(meridien(-300, monde).second, "60°E");
    EXPECT_EQ(parallele(0, monde).first, "EQ");
    EXPECT_EQ(parallele(1e-7, monde).first, "EQ");
    EXPECT_EQ(parallele(60, monde).first, "60°N");
    EXPECT_EQ(parallele(-30, monde).second, "30°S");
    // Steps of 0.5, 0.009 and 0.02 degree add minutes and seconds.
    using Textes = std::pair<std::string, std::string>;
    EXPECT_EQ(parallele(48.5, pasGraticule(49, 47.5)), Textes("48.5° N", "48°30'0''N"));
    EXPECT_EQ(meridien(-4.5, pasGraticule(49, 47.5)), Textes("4.5° W", "4°30'0''W"));
    EXPECT_EQ(parallele(48.01, pasGraticule(48.027, 48)), Textes("48.010° N", "48°0'36''N"));
    EXPECT_EQ(meridien(2.34, pasGraticule(48.06, 48)), Textes("2.34° E", "2°20'24''E"));
}
