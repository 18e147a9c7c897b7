// The request frame's arithmetic without a display: the bounds' texts,
// a frame centred near a pole, a moving zone's centre.
#include "gribdata/age_reseau.h"
#include "map/cadre_carte.h"

#include <gtest/gtest.h>
#include <string>

TEST(CadreCarte, BoundTextsWithoutSignAndWithTheirLetter)
{
    const struct {
        double v;
        int longitude, fin;
        const char* texte;
    } cas[] = {
        {-10, 0, 0, "10.00\u00b0S"},
        {20, 0, 0, "20.00\u00b0N"},
        {0, 0, 0, " 0.00\u00b0S"},  // the equator is not north
        {45.125, 0, 1, "45.125\u00b0N"},
        {190, 1, 0, "170.00\u00b0W"},
        {-190, 1, 0, "170.00\u00b0E"},
        {540, 1, 0, "180.00\u00b0E"},
        {-5.5, 1, 0, "  5.50\u00b0W"},
        {3.125, 1, 1, "  3.125\u00b0E"},
        {-725, 1, 0, "  5.00\u00b0W"},
    };
    for (const auto& c : cas) {
        char t[CADRE_TEXTE];
        const int n = iTexteBorne(t, c.v, c.longitude, c.fin);
        EXPECT_EQ(std::string(t), c.texte) << c.v;
        EXPECT_EQ(n, int(std::string(t).size()));
    }
}

TEST(CadreCarte, AFrameCentredNearAPoleStaysOnTheGlobe)
{
    const struct {
        double n, s, n1, s1;
    } cas[] = {
        {95, 75, 90, 70}, {-70, -92, -68, -90}, {90, -90, 90, -90}, {40, 20, 40, 20},
    };
    for (const auto& c : cas) {
        double n = c.n, s = c.s;
        vCadreDansLeGlobe(n, s);
        EXPECT_DOUBLE_EQ(n, c.n1);
        EXPECT_DOUBLE_EQ(s, c.s1);
    }
}

TEST(CadreCarte, AMovingZoneGoesAlongItsCourseFromTheLatestRun)
{
    // Course 90 at 10 knots, forecast times 12 and 24 from a run 6 hours
    // old: 60 and 180 miles east of a centre on the equator.
    const int age = iAgeReseau(43, 6);
    ASSERT_EQ(age, 6);
    double lat, lon;
    vCentreMobile(0, 0, 90, 10, iAvanceEcheance(12, age), -5, lat, lon);
    EXPECT_NEAR(lat, 0, 1e-9);
    EXPECT_NEAR(lon, 1.0, 1e-6);
    vCentreMobile(0, 0, 90, 10, iAvanceEcheance(24, age), -5, lat, lon);
    EXPECT_NEAR(lon, 3.0, 1e-6);
    // Past the antimeridian the longitude stays within 180 of the west.
    vCentreMobile(0, 179, 90, 10, 12, 175, lat, lon);
    EXPECT_NEAR(lon, 181, 1e-6);
    vCentreMobile(0, -179, 270, 10, 12, -183, lat, lon);
    EXPECT_NEAR(lon, -181, 1e-6);
}
