// Written GRIB files of small fields on one grid, decoded whole, for the
// suites that read samples out of them (point charts, charts along a route).
#ifndef TESTS_MAP_CHAMPS_DECODES_TEST_H
#define TESTS_MAP_CHAMPS_DECODES_TEST_H

#include "ecriture_grib_test.h"
#include "gribdata/champ_grib.h"
#include "gribdata/fichier_grib.h"
#include "tests/outils/outils_test.h"

#include <functional>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

// A 20 x 15 grid of half degrees from 50 N, 10 W.
inline ChampEcrit champ(int parametre, int p1, std::function<double(double, double)> valeur)
{
    ChampEcrit c;
    c.parametre = parametre, c.p1 = p1, c.valeur = std::move(valeur);
    c.ni = 20, c.nj = 15, c.la1 = 50000, c.lo1 = -10000, c.di = c.dj = 500;
    return c;
}

inline ChampEcrit uniforme(int parametre, int p1, double v)
{
    return champ(parametre, p1, [v](double, double) { return v; });
}

// A scratch folder and the file written there, every record decoded.
class ChampsDecodes : public ::testing::Test {
protected:
    DossierTemporaire d;
    File fichier;

    void ecrire(const std::vector<ChampEcrit>& champs)
    {
        ecrireFichier(d / "f.grb", sMessagesGrib(champs));
        fichier.set((d / "f.grb").c_str());
        ASSERT_NE(fichier.list, nullptr);
        ASSERT_EQ(iDecodeGribAll(fichier.list), 0);
    }
};

#endif
