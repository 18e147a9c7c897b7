// Positions typed in the title bar: what the map's read-out writes reads
// back to the same position, decimal degrees too; anything else is refused.
#include "map/fdc.h"
#include "map/saisie_position.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

TEST(SaisiePosition, TheReadOutReadsBackToTheSecond)
{
    char texte[FDC_TEXTE_POSITION];
    for (int longitude : {0, 1})
        for (double d : {-179.99, -126.1219, -16.1219, -0.5, 0.0, 0.0003, 16.1219, 89.9999,
                         126.1219, 179.9}) {
            if (!longitude && std::fabs(d) > 90)
                continue;
            double v = 1000;
            fdc::DMS(longitude, d, texte);
            ASSERT_TRUE(bLirePosition(texte, longitude, v)) << texte;
            EXPECT_NEAR(v, d, 0.5 / 3600) << texte;
            fdc::iDecimal(longitude, d, texte);
            ASSERT_TRUE(bLirePosition(texte, longitude, v)) << texte;
            EXPECT_NEAR(v, d, 0.00005) << texte;
        }
}

TEST(SaisiePosition, WhatIsReadAndWhatIsRefused)
{
    const struct {
        const char* texte;
        bool longitude;
        bool lu;
        double degres;
    } cas[] = {
        {" 16\u00b007'19\"S", false, true, -(16 + 7 / 60.0 + 19 / 3600.0)},
        {"16\u00b007'S", false, true, -(16 + 7 / 60.0)},
        {"16\u00b0n", false, true, 16},
        {"126\u00b007'19\"W", true, true, -(126 + 7 / 60.0 + 19 / 3600.0)},
        {"45.5", false, true, 45.5},
        {"-30", true, true, -30},
        {"+12.25 ", true, true, 12.25},
        {"12.5e", true, true, 12.5},
        {"126\u00b007'19\"S", false, false, 0},  // beyond the pole
        {"91", false, false, 0},
        {"180.5", true, false, 0},
        {"-12N", false, false, 0},  // a sign and a letter
        {"12E", false, false, 0},   // a longitude's letter
        {"12N", true, false, 0},
        {"16\u00b060'00\"S", false, false, 0},
        {"16\u00b007'75\"S", false, false, 0},
        {"16.5\u00b0S", false, false, 0},
        {"abc", false, false, 0},
        {"", false, false, 0},
        {"nan", false, false, 0},
        {"inf", true, false, 0},
        {"1e2", false, false, 0},
        {"12.", false, false, 0},
        {"0x10", false, false, 0},
        {"12 S x", false, false, 0},
    };
    for (const auto& c : cas) {
        double v = 1000;
        EXPECT_EQ(bLirePosition(c.texte, c.longitude, v), c.lu) << c.texte;
        EXPECT_NEAR(v, c.lu ? c.degres : 1000, 1e-9) << c.texte;
    }
    double v = 0;
    EXPECT_FALSE(bLirePosition(nullptr, false, v));
}
