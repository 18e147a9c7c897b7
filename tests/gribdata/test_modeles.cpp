// The model catalogue: its rows, the models offered as buttons and the
// rows a model code names.
#include "gribdata/modeles.h"

#include <gtest/gtest.h>
#include <vector>

TEST(Modeles, RowsOfferedAndLookedUp)
{
    EXPECT_EQ(MODELES[NOMBRE_MODELES - 2].code, 85);
    EXPECT_EQ(MODELES[NOMBRE_MODELES - 1].libelleCourt, nullptr);
    std::vector<int> codes;
    for (const TYPEDEF_MODELE* m : modelesProposes())
        codes.push_back(m->code);
    EXPECT_EQ(codes, (std::vector<int>{1, 10, 43, 51, 86, 81, 82, 83, 84, 85}));
    EXPECT_EQ(pDernierModele(5), &MODELES[12]);
    EXPECT_EQ(pPremierModele(5), &MODELES[7]);
    EXPECT_EQ(pPremierModele(0), nullptr);
    for (int ligne : {6, 12, 13})
        EXPECT_EQ(MODELES[ligne].parametres, MODELES[3].parametres) << ligne;
    EXPECT_STREQ(MODELES[3].parametres[8], "Houle2");
}
