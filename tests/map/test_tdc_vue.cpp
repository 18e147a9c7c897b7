// What a view asks of the store: the level by scale and the squares around
// the view, checked against a brute-force search over cut records.
#include "map/tdc_vue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

TYPEDEF_TDC enregistre(float sud, float ouest, float nord, float est)
{
    return TYPEDEF_TDC{2, 1, sud, ouest, nord, est, nullptr, nullptr, nullptr};
}

}  // namespace

TEST(NiveauTdc, FollowsTheThresholdsOfTheScale)
{
    TYPEDEF_TDC a, b, c, d, e, f;
    TYPEDEF_TDC* chaines[TDC_NIVEAUX] = {&a, &b, &c, &d, &e, &f};
    const double m = 1000, seuils[4] = {m / 4, m / 16, m / 96, m / 512};
    const std::pair<double, int> cas[] = {{m, 1},           {m / 4, 1},       {m / 4 - 1e-9, 2},
                                          {m / 16 - 1e-9, 3}, {m / 96 - 1e-9, 4}, {m / 512 - 1e-9, 5},
                                          {0, 5}};
    for (auto [echelle, niveau] : cas)
        EXPECT_EQ(iNiveauTdc(echelle, seuils, chaines), niveau) << echelle;
    // Before the background load every level is level 0's chain: level 1.
    TYPEDEF_TDC* zero[TDC_NIVEAUX] = {&a, &a, &a, &a, &a, &a};
    EXPECT_EQ(iNiveauTdc(0, seuils, zero), 1);
    // Level 5 stands in by level 4's chain until it loads.
    chaines[5] = &e;
    EXPECT_EQ(iNiveauTdc(0, seuils, chaines), 4);
    chaines[3] = &c;
    EXPECT_EQ(iNiveauTdc(0, seuils, chaines), 2);
}

TEST(CarresVisibles, TheTenDegreeRingAroundTheView)
{
    std::vector<int> carres;
    vCarresVisibles({49, 47, -5, -1}, carres);
    std::vector<int> attendus;
    for (int lon : {-10, 0})
        for (int lat : {30, 40, 50})
            attendus.push_back(iMarsden(lat, lon));
    EXPECT_EQ(carres, attendus);
    // At the pole the corners above 90 N are skipped.
    vCarresVisibles({90, 85, 0, 5}, carres);
    for (int c : carres)
        EXPECT_TRUE(bMarsdenValide(c));
    EXPECT_NE(std::find(carres.begin(), carres.end(), 936), carres.end());
    // A view wider than the world lists each square once.
    vCarresVisibles({90, -90, -540, 540}, carres);
    std::vector<int> tries = carres;
    std::sort(tries.begin(), tries.end());
    EXPECT_EQ(std::unique(tries.begin(), tries.end()), tries.end());
    EXPECT_GE(carres.size(), 36u * 18u);
    // Absurd boxes stay bounded.
    vCarresVisibles({1e300, -1e300, -1e300, 1e300}, carres);
    EXPECT_LE(carres.size(), 936u);
}

// Records cut to ten-degree squares and filed by their south-west corner
// are all found from the squares around any view they meet, whatever the
// shift of longitude they are drawn with.
TEST(CarresVisibles, FindEveryCutRecordThatMeetsTheView)
{
    std::mt19937 alea(7);
    std::uniform_real_distribution<double> u(0, 1);
    std::vector<TYPEDEF_TDC> records;
    for (int lat = -90; lat < 90; lat += 10)
        for (int lon = -180; lon < 180; lon += 10)
            for (int k = 0; k < 2; ++k) {
                const double s = lat + 10 * u(alea), w = lon + 10 * u(alea);
                records.push_back(enregistre(float(s), float(w), float(s + (lat + 10 - s) * u(alea)),
                                             float(w + (lon + 10 - w) * u(alea))));
            }
    records.push_back(enregistre(-90, -180, -80, -170));
    records.push_back(enregistre(80, 170, 90, 180));
    std::vector<int> carres;
    for (int essai = 0; essai < 400; ++essai) {
        const double hauteur = essai % 4 == 0 ? 120 * u(alea) : 8 * u(alea) + 0.01;
        const double bas = -90 + (180 - hauteur) * u(alea);
        // Left edges of real views: the x offset stays within one raster
        // width of the origin.
        const double gauche = -360 + 360 * u(alea);
        const BoiteVue b{bas + hauteur, bas, gauche, gauche + hauteur * 1.7};
        vCarresVisibles(b, carres);
        for (const TYPEDEF_TDC& r : records) {
            const int c = iMarsden(r.sud, r.ouest);
            const bool trouve = std::find(carres.begin(), carres.end(), c) != carres.end();
            for (double decalage : {-360.0, 0.0, 360.0}) {
                if (bTdcVisible(&r, decalage, b)) {
                    ASSERT_TRUE(trouve) << "view " << b.bas << ".." << b.haut << " x " << b.gauche
                                        << ".." << b.droite << " record " << r.sud << " "
                                        << r.ouest << " shift " << decalage;
                }
            }
        }
    }
}
