// The parameter names, what the charts can show, and degrees.
#include "gribdata/fichier_grib.h"
#include "gribdata/parametres.h"

#include <gtest/gtest.h>
#include <vector>

TEST(Parametres, EveryRowCarriesItsNumberAndTheCurrentHasTwoRows)
{
    for (unsigned i = 0; i < 256; ++i) {
        EXPECT_EQ(ST_PARAMETRES[i].parametre, i);
        EXPECT_EQ(ST_PARAMETRES2[i].parametre, i);
        EXPECT_TRUE(i == 49 || ST_PARAMETRES[i].description == ST_PARAMETRES2[i].description) << i;
    }
    EXPECT_STREQ(ST_PARAMETRES2[49].description, "Courant sous la couche d'Ekman (noeud)");
    EXPECT_EQ(pLigneParametre(49, 160), &ST_PARAMETRES2[49]);
    EXPECT_EQ(pLigneParametre(49, 1), &ST_PARAMETRES[49]);
    EXPECT_EQ(pLigneParametre(11, 160), &ST_PARAMETRES[11]);
}

namespace {

// A list of bare records with these parameters.
struct ListeNue {
    std::vector<grib> enregistrements;
    explicit ListeNue(const std::vector<int>& parametres) : enregistrements(parametres.size())
    {
        for (size_t k = 0; k < parametres.size(); ++k) {
            enregistrements[k].parametre = uint8_t(parametres[k]);
            enregistrements[k].suivant =
                k + 1 < parametres.size() ? &enregistrements[k + 1] : nullptr;
        }
    }
    const grib* tete() const { return enregistrements.empty() ? nullptr : &enregistrements[0]; }
};

}  // namespace

TEST(GribTestHisto, OnlyParametersTheChartsCanShow)
{
    EXPECT_EQ(iGribTestHisto(nullptr, 0), 0);
    EXPECT_EQ(iGribTestHisto(ListeNue({52}).tete(), 0), 0);
    EXPECT_EQ(iGribTestHisto(ListeNue({52}).tete(), 52), 0);
    for (int p : {2, 11, 33, 49, 61, 80, 100, 102, 105, 202, 203}) {
        ListeNue liste({52, p});
        EXPECT_EQ(iGribTestHisto(liste.tete(), 0), 1) << p;
        EXPECT_EQ(iGribTestHisto(liste.tete(), unsigned(p)), 1) << p;
    }
    ListeNue vent({33, 34});
    EXPECT_EQ(iGribTestHisto(vent.tete(), 2), 0);
    EXPECT_EQ(iGribTestHisto(vent.tete(), 34), 0);
}

TEST(Centiemes, NegativeDegreesSubtractMinutesAndSeconds)
{
    EXPECT_DOUBLE_EQ(CENTIEMES(-12, 30, 0), -12.5);
    EXPECT_DOUBLE_EQ(CENTIEMES(12, 30, 36), 12.51);
    EXPECT_DOUBLE_EQ(CENTIEMES(0, 30, 0), 0.5);
}
