// The rules of the packages, the automation panel, the saved requests
// loaded back and the image overlay's placing, without a display.
#include "map/trace_images.h"
#include "pages/regles_abonnement.h"
#include "pages/regles_chargement.h"
#include "pages/regles_forfaits.h"

#include <gtest/gtest.h>
#include <array>
#include <cmath>
#include <limits>

TEST(ReglesForfaits, ThreeShapesPerPackageAndTheCentreFolded)
{
    EXPECT_EQ(iLignesForfaits(), 6);
    EXPECT_EQ(NOMBRE_FORFAITS, 6);
    const struct {
        int etat, ligne;
        double lat, lon;
    } cas[] = {{1, 1, 2, 2}, {10, 1, 4, 1}, {100, 1, 1, 4}, {3, 3, 5, 5}, {30, 3, 4, 6},
               {300, 3, 6, 4}, {5, 5, 10, 10}, {50, 5, 8, 12}, {600, 6, 7, 14}, {7, 0, 0, 0},
               {15, 0, 0, 0}, {0, 0, 0, 0}};
    for (const auto& c : cas) {
        EXPECT_EQ(iLigneForfait(c.etat), c.ligne) << c.etat;
        EXPECT_EQ(formeForfait(c.etat).latitude, c.lat) << c.etat;
        EXPECT_EQ(formeForfait(c.etat).longitude, c.lon) << c.etat;
    }
    EXPECT_EQ(iEtatSuivant(4), 40);
    EXPECT_EQ(iEtatSuivant(40), 400);
    EXPECT_EQ(iEtatSuivant(400), 4);
    const CadreZone z = cadreForfait(1, 45, -5);
    EXPECT_EQ(z.nord, 46);
    EXPECT_EQ(z.sud, 44);
    EXPECT_EQ(z.ouest, -6);
    EXPECT_EQ(z.est, -4);
    // A view panned past the date line: the centre comes back first.
    for (double lon : {190.0, 350.0, -190.0, -350.0}) {
        const CadreZone p = cadreForfait(5, 0, lon);
        EXPECT_GE(p.ouest, -180) << lon;
        EXPECT_LE(p.est, 180) << lon;
        EXPECT_NEAR(std::fmod(p.ouest + 5 + 720, 360), std::fmod(lon + 720, 360), 1e-9) << lon;
    }
}

TEST(ReglesAbonnement, DaysInRangeAndTheLineOfEachChoice)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double valeur;
        int jours;
    } jours[] = {{0, 0}, {5, 5}, {5.9, 5}, {-5, 0}, {360, 360}, {361, 360}, {nan, 0}, {inf, 0},
                 {-inf, 0}};
    for (const auto& j : jours)
        EXPECT_EQ(iJoursAbonnement(j.valeur), j.jours) << j.valeur;
    EXPECT_EQ(texteAbonnement(ABONNEMENT_UNIQUE, 7), "1");
    EXPECT_EQ(texteAbonnement(ABONNEMENT_PENDANT, 5), "5");
    EXPECT_EQ(texteAbonnement(ABONNEMENT_PENDANT, 0), "1");
    EXPECT_EQ(texteAbonnement(ABONNEMENT_PERMANENT, 0), "X");
    EXPECT_EQ(texteAbonnement(ABONNEMENT_SUPPRIMER, 0), "0");
    EXPECT_FALSE(bAbonnementActif(0, false, false));
    EXPECT_TRUE(bAbonnementActif(2, false, false));
    EXPECT_TRUE(bAbonnementActif(0, true, false));
    EXPECT_TRUE(bAbonnementActif(0, false, true));
}

TEST(ReglesChargement, TheViewTheCompressionAndTheMovingZoneOfAFile)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_TRUE(bDimensionsValides(45, -5, 20));
    EXPECT_TRUE(bDimensionsValides(-90, 540, 360));
    for (auto v : {std::array<double, 3>{nan, 0, 1}, {0, nan, 1}, {0, 0, nan}, {91, 0, 1},
                   {0, 541, 1}, {0, 0, 0}, {0, 0, -1}, {0, 0, 361}})
        EXPECT_FALSE(bDimensionsValides(v[0], v[1], v[2])) << v[0] << " " << v[1] << " " << v[2];
    EXPECT_EQ(iCompressionChargee("C"), 0);
    EXPECT_EQ(iCompressionChargee("C gzip"), 1);
    EXPECT_EQ(iCompressionChargee("C bzip2"), 2);
    // Course 0 with a speed keeps the moving zone; only the bare line or
    // both 0 mean none.
    EXPECT_EQ(capVitesseCharges("V 0 5.0", 0, 5).vitesse, 5);
    EXPECT_EQ(capVitesseCharges("V 90 0.0", 90, 0).cap, 90);
    EXPECT_EQ(capVitesseCharges("V 0 0.0", 0, 0).vitesse, 0);
    EXPECT_EQ(capVitesseCharges("V", 0, 0).cap, 0);
}

TEST(TraceImages, LabelsKeepClearOfTheSidesAndOutlinesAreCutToTheMap)
{
    // A whole-world raster of 3600 x 1800 on a map of 360 x 180: one
    // pixel per degree, 180 W at the left edge.
    VueCarte v;
    v.W = 3600, v.H = 1800, v.largeur = 360, v.hauteur = 180, v.s = 10;
    int x = 0, y = 0;
    EXPECT_TRUE(bEtiquetteImage(v, 0, 0, 40, x, y));
    EXPECT_EQ(x, 160);
    EXPECT_EQ(y, 90);
    EXPECT_FALSE(bEtiquetteImage(v, 61, 0, 40, x, y));   // 29 px from the top
    EXPECT_FALSE(bEtiquetteImage(v, -61, 0, 40, x, y));  // from the bottom
    EXPECT_FALSE(bEtiquetteImage(v, 0, -160, 40, x, y)); // across the left side
    EXPECT_FALSE(bEtiquetteImage(v, 0, 160, 40, x, y));  // across the right side
    RectangleCarte r{};
    ASSERT_TRUE(bCadreImage(v, 60, 30, -25, 30, r));
    EXPECT_EQ(r.x, 155);
    EXPECT_EQ(r.y, 30);
    EXPECT_EQ(r.l, 55);
    EXPECT_EQ(r.h, 30);
    ASSERT_TRUE(bCadreImage(v, 90, -90, -180, 360, r));
    EXPECT_EQ(r.x, 0);
    EXPECT_EQ(r.y, 0);
    EXPECT_EQ(r.l, 360);
    EXPECT_EQ(r.h, 180);
    EXPECT_FALSE(bCadreImage(v, 0, -40, 140 + 360, 210 + 360, r));
    EXPECT_FALSE(bCadreImage(v, 1e300, 1e299, 0, 1, r) && r.h > 180);
}
