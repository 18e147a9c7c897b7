// The shared model-parameter table is read before main runs: this suite runs
// with ZELpGbTables set for the whole process (see CMakeLists.txt).
#include "codes/grib_base.h"

#include <gtest/gtest.h>

TEST(GribModechDemarrage, LuAvantMain)
{
    EXPECT_EQ(CLASS_GRIB_BASE::MODECH.ui_charge, 1u);
    EXPECT_EQ(CLASS_GRIB_BASE::MODECH.ia_parametres[5][0], 100);
    EXPECT_EQ(CLASS_GRIB_BASE::MODECH.ia_echeances[8][7], 168);
}
