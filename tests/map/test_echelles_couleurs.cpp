// The colours of forces and classes (the direction and speed of a vector's
// components are vUVDF's, tested with the codes library).
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

}  // namespace

TEST(EchellesCouleurs, ClassBoundariesAndOutOfRangeIndexes)
{
    // Sea state 6: an orange fill with a dark red border.
    EXPECT_EQ(rvb(pucMer(6)), (RVB{254, 128, 0}));
    EXPECT_EQ(rvb(pucMerBordure(6)), (RVB{127, 16, 16}));
    // Outside their tables forces and sea states leave the colour alone,
    // currents take their last row.
    for (int i : {-1, 13})
        EXPECT_EQ(rvb(pucBeaufort(i)), AUCUNE) << i;
    for (int i : {-1, 10}) {
        EXPECT_EQ(rvb(pucMer(i)), AUCUNE) << i;
        EXPECT_EQ(rvb(pucMerBordure(i)), AUCUNE) << i;
    }
    for (int i : {-5, 9, 20}) {
        EXPECT_EQ(rvb(pucCourant(i)), (RVB{192, 32, 32})) << i;
        EXPECT_EQ(rvb(pucCourantBordure(i)), (RVB{96, 16, 16})) << i;
    }
}
