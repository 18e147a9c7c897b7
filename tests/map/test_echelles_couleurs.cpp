// The colours of forces and classes, and the direction and speed of a
// vector's components.
#include "map/echelles_couleurs.h"

#include <array>
#include <gtest/gtest.h>

namespace {

using RVB = std::array<int, 3>;

RVB rvb(const unsigned char* c)
{
    return c ? RVB{c[0], c[1], c[2]} : RVB{-1, -1, -1};
}

const RVB AUCUNE{-1, -1, -1};

std::pair<float, float> uvdf(float u, float v)
{
    float direction = -1, vitesse = -1;
    vInlineUVDF(u, v, direction, vitesse);
    return {direction, vitesse};
}

}  // namespace

TEST(EchellesCouleurs, BeaufortForces)
{
    const RVB attendu[13] = {{0, 254, 128}, {0, 254, 128}, {0, 254, 128}, {0, 254, 0},
                             {0, 254, 0},   {254, 254, 0}, {254, 254, 0}, {254, 128, 0},
                             {254, 128, 0}, {254, 32, 32}, {254, 32, 32}, {192, 32, 32},
                             {192, 32, 32}};
    for (int f = 0; f < 13; ++f)
        EXPECT_EQ(rvb(pucBeaufort(f)), attendu[f]) << f;
    EXPECT_EQ(rvb(pucBeaufort(13)), AUCUNE);
    EXPECT_EQ(rvb(pucBeaufort(-1)), AUCUNE);
}

TEST(EchellesCouleurs, SeaStateFillsAndBorders)
{
    const RVB fond[10] = {{0, 254, 128}, {0, 254, 128}, {0, 254, 128}, {0, 254, 0},
                          {254, 254, 0}, {254, 128, 0}, {254, 128, 0}, {254, 32, 32},
                          {254, 32, 32}, {192, 32, 32}};
    const RVB bord[10] = {{0, 127, 64},  {0, 127, 64},   {0, 127, 64},   {0, 127, 1},
                          {127, 127, 1}, {127, 64, 1},   {127, 16, 16},  {127, 16, 16},
                          {127, 16, 16}, {96, 16, 16}};
    for (int c = 0; c < 10; ++c) {
        EXPECT_EQ(rvb(pucMer(c)), fond[c]) << c;
        EXPECT_EQ(rvb(pucMerBordure(c)), bord[c]) << c;
    }
    for (int c : {-1, 10, 12}) {
        EXPECT_EQ(rvb(pucMer(c)), AUCUNE) << c;
        EXPECT_EQ(rvb(pucMerBordure(c)), AUCUNE) << c;
    }
}

TEST(EchellesCouleurs, CurrentFillsAndBordersEndOnTheirLastRow)
{
    const RVB fond[9] = {{0, 254, 128}, {0, 254, 128}, {0, 254, 0},   {254, 254, 0}, {254, 254, 0},
                         {254, 128, 0}, {254, 128, 0}, {254, 32, 32}, {254, 32, 32}};
    const RVB bord[9] = {{0, 127, 64},  {0, 127, 64}, {0, 127, 1},   {127, 127, 1}, {127, 127, 1},
                         {127, 64, 1},  {127, 64, 1}, {127, 16, 16}, {127, 16, 16}};
    for (int c = 0; c < 9; ++c) {
        EXPECT_EQ(rvb(pucCourant(c)), fond[c]) << c;
        EXPECT_EQ(rvb(pucCourantBordure(c)), bord[c]) << c;
    }
    for (int c : {-5, 9, 20}) {
        EXPECT_EQ(rvb(pucCourant(c)), (RVB{192, 32, 32})) << c;
        EXPECT_EQ(rvb(pucCourantBordure(c)), (RVB{96, 16, 16})) << c;
    }
}

TEST(ComposantesVent, DirectionIsWhereTheVectorComesFrom)
{
    EXPECT_EQ(uvdf(1, 0), std::make_pair(270.0f, 1.0f));
    EXPECT_EQ(uvdf(0, 1), std::make_pair(180.0f, 1.0f));
    EXPECT_EQ(uvdf(-1, 0), std::make_pair(90.0f, 1.0f));
    EXPECT_EQ(uvdf(0, -1), std::make_pair(360.0f, 1.0f));  // not folded to 0
    EXPECT_EQ(uvdf(0, 0), std::make_pair(0.0f, 0.0f));
    const auto [d, v] = uvdf(1, 1);
    EXPECT_FLOAT_EQ(d, 225.0f);
    EXPECT_FLOAT_EQ(v, 1.4142135f);
    const auto [d2, v2] = uvdf(-3, -4);
    EXPECT_NEAR(d2, 36.87f, 0.01f);  // from the north-north-east
    EXPECT_FLOAT_EQ(v2, 5.0f);
    for (float u = -2; u <= 2; u += 0.25f)
        for (float w = -2; w <= 2; w += 0.25f) {
            const float dir = uvdf(u, w).first;
            EXPECT_TRUE(dir >= 0 && dir <= 360) << u << " " << w;
        }
}
