// The scale's measures of a view.
#include "map/echelle_mesure.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(MesureEchelle, WholeWorldAndSmallViews)
{
    const MesureEchelle monde = mesureEchelle({90, -90, -180, 180});
    EXPECT_NEAR(monde.hauteur, 10800, 1e-6);
    // Symmetric about the equator: measured along 0.05 N, once round.
    EXPECT_NEAR(monde.largeur, 21638.76889848812, 1e-6);
    EXPECT_TRUE(monde.largeurVue);
    EXPECT_STREQ(monde.format, "%.0lf");

    const MesureEchelle bretagne = mesureEchelle({48.5, 47.5, -4, -3});
    EXPECT_NEAR(bretagne.hauteur, 60, 1e-6);
    EXPECT_NEAR(bretagne.largeur, 60 * std::cos(48 * M_PI / 180), 0.01);
    EXPECT_STREQ(bretagne.format, "%.1f");

    // Half a world wide at 60 N: the way round the parallel's circle.
    const MesureEchelle moitie = mesureEchelle({70, 50, -90, 90});
    EXPECT_NEAR(moitie.largeur, 21638.76889848812 - 60 * 60, 1e-6);
}

TEST(MesureEchelle, WiderThanTheWorldShowsOnlyTheHeight)
{
    EXPECT_TRUE(mesureEchelle({90, -90, -360, 0}).largeurVue);
    EXPECT_FALSE(mesureEchelle({90, -90, -360, 0.5}).largeurVue);
    EXPECT_FALSE(std::isnan(mesureEchelle({45, 45, 10, 10}).largeur));
    EXPECT_EQ(mesureEchelle({45, 45, 10, 10}).hauteur, 0);
}
