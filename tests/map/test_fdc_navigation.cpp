// Moving the view: scale limits, centring, panning across the dateline,
// zoom steps about the centre or an anchor, the locked view, the zones and
// the choice of base map.
#include "map/fdc.h"

#include "gribdata/champ_grib.h"
#include "gribdata/enregistrement_grib.h"
#include "map/dru_pixmap.h"
#include "map/zones.h"
#include "tests/map/outils_carte.h"
#include "tests/outils/outils_test.h"

#include <FL/Fl.H>
#include <FL/Fl_RGB_Image.H>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>

namespace {

class Navigation : public ::testing::Test {
protected:
    std::unique_ptr<Dru_Pixmap> monde{pixmapMonde()};
    fdc carte{0, 0, 600, 400};
    void SetUp() override { carte.load_image(nullptr, nullptr); }

    void surLeMonde()
    {
        carte.fdcCallback(FDC_DESSINEE, 0);  // no pixmap yet: vector only
        carte.pixmapHD = monde.get();
        carte.fdcCallback(FDC_DESSINEE, 0);
    }

    // The position shown at the centre pixel of the view.
    std::pair<double, double> auCentre() const
    {
        return {carte.dLatitude(carte.h() / 2), carte.dLongitude(carte.w() / 2)};
    }

    int zoomerJusquALaLimite(double pas)
    {
        for (int i = 0; i < 500; ++i)
            if (carte.zoom(pas) == 1)
                return i;
        return -1;
    }
};

// A displayed-field record over a grid of the given bounds (millidegrees).
grib* enregistrement(int la1, int la2, int lo1, int lo2)
{
    grib* r = new grib{};
    r->champ = new Grib();
    r->champ->la1 = la1;
    r->champ->la2 = la2;
    r->champ->lo1 = lo1;
    r->champ->lo2 = lo2;
    return r;
}

}  // namespace

TEST_F(Navigation, ZoomingStopsAtTheScaleLimits)
{
    EXPECT_GT(zoomerJusquALaLimite(1), 0);
    EXPECT_DOUBLE_EQ(carte.echelleCourante, 4.0);  // vector only, W = 36,000,000
    EXPECT_GT(zoomerJusquALaLimite(-1), 0);
    EXPECT_DOUBLE_EQ(carte.echelleCourante, carte.echelleVue);
    EXPECT_EQ(carte.zoom(-1), 1);

    surLeMonde();
    EXPECT_DOUBLE_EQ(carte.echelleMin, 0.25);
    zoomerJusquALaLimite(1);
    EXPECT_DOUBLE_EQ(carte.echelleCourante, 0.25);

    // A displayed field bounds the zoom until the fields are freed.
    carte.zoom(0, 0, 180, 0);
    carte.echelleGribMin = 0.5;
    zoomerJusquALaLimite(1);
    EXPECT_DOUBLE_EQ(carte.echelleCourante, 0.5);
    carte.champs = enregistrement(0, 0, 0, 0);
    carte.champs->suivant = enregistrement(0, 0, 0, 0);
    carte.vGribFree(0);
    EXPECT_EQ(carte.champs, nullptr);
    EXPECT_DOUBLE_EQ(carte.echelleGribMin, 0.0);
    zoomerJusquALaLimite(1);
    EXPECT_DOUBLE_EQ(carte.echelleCourante, 0.25);
}

TEST_F(Navigation, CentringPutsThePointUnderTheCentrePixel)
{
    const double points[][3] = {{0, 0, 180}, {46, 1.5, 12}, {-35, 118, 10}, {-17, -150.5, 3},
                                {21, -157, 6}, {-21, 175, 15}, {40, 179.9, 2}};
    for (int monde2 = 0; monde2 < 2; ++monde2) {
        if (monde2)
            surLeMonde();
        for (const auto& p : points) {
            carte.zoom(p[0], p[1], p[2], 0);
            const auto [lat, lon] = auCentre();
            const double pixelLat = 180.0 * carte.echelleCourante / carte.H;
            const double pixelLon = 360.0 * carte.echelleCourante / carte.W;
            EXPECT_NEAR(lat, p[0], pixelLat) << p[0] << " " << p[1];
            EXPECT_NEAR(std::remainder(lon - p[1], 360.0), 0.0, pixelLon) << p[0] << " " << p[1];
            EXPECT_NEAR(carte.etendue, p[2], 1e-12);
        }
    }
}

TEST_F(Navigation, PanningAcrossTheDatelineKeepsTheOffsetWithinOneWorld)
{
    surLeMonde();
    carte.zoom(0, 170, 20, 0);
    for (int sens : {1, -1}) {
        for (int i = 0; i < 400; ++i) {
            const double avant = carte.centreLongitude;
            carte.deplacer(10 * sens, 0);
            ASSERT_GE(carte.ox, -carte.W) << i;
            ASSERT_LT(carte.ox, carte.W) << i;
            const double pas = 10 * carte.echelleCourante * 360.0 / carte.W;
            ASSERT_NEAR(std::remainder(carte.centreLongitude - avant - sens * pas, 360.0), 0.0,
                        1e-6)
                << i;
            ASSERT_NE(carte.vuePixmap, nullptr);
        }
    }
    // The vertical fit: panning north stops at the pole.
    for (int i = 0; i < 100; ++i)
        carte.deplacer(0, -10);
    EXPECT_DOUBLE_EQ(carte.oy, 0.0);
    EXPECT_NEAR(carte.dLatitude(0), 90.0, 1e-9);
}

TEST_F(Navigation, AZoomStepKeepsTheCentreOrTheAnchor)
{
    surLeMonde();
    carte.zoom(30, -40, 150, 0);
    const auto [lat, lon] = auCentre();
    EXPECT_EQ(carte.zoom(1), 0);
    EXPECT_NEAR(auCentre().first, lat, 1e-9);
    EXPECT_NEAR(auCentre().second, lon, 1e-9);
    EXPECT_NEAR(carte.etendue, 150 * 0.9, 1e-9);

    // About an anchor: the anchored raster point stays on the same pixel.
    carte.ancreX = carte.ox + 100 * carte.echelleCourante;
    carte.ancreY = carte.oy + 50 * carte.echelleCourante;
    for (double pas : {1.0, 0.5, -1.0, -0.5}) {
        carte.zoom(pas);
        EXPECT_NEAR((carte.ancreX - carte.ox) / carte.echelleCourante, 100, 1e-6) << pas;
        EXPECT_NEAR((carte.ancreY - carte.oy) / carte.echelleCourante, 50, 1e-6) << pas;
    }
}

TEST_F(Navigation, ALockedViewFitsTheGridAcrossTheDateline)
{
    carte.champs = enregistrement(10000, -10000, 170000, -170000);
    carte.gribVerrou(0);
    EXPECT_DOUBLE_EQ(carte.etendue, 180.0);  // not locked: nothing
    carte.verrou = 1;
    carte.gribVerrou(0);
    EXPECT_NEAR(carte.centreLatitude, 0.0, 1e-9);
    EXPECT_NEAR(carte.centreLongitude, -180.0, 1e-4);
    EXPECT_NEAR(carte.etendue, 24.0, 1e-4);  // 20 degrees x 1.2 beats 20 / 1.4
    EXPECT_NEAR(std::fabs(std::remainder(auCentre().second, 360.0)), 180.0, 0.1);

    carte.vGribFree(1);
    carte.champs = enregistrement(50000, 40000, -10000, 30000);
    carte.gribVerrou(0);
    EXPECT_NEAR(carte.centreLatitude, 45.0, 1e-4);
    EXPECT_NEAR(carte.centreLongitude, 10.0, 1e-4);
    EXPECT_NEAR(carte.etendue, 40 / 1.4, 1e-4);
    delete carte.champs->champ;
    carte.champs->champ = nullptr;
    carte.gribVerrou(0);
    EXPECT_NEAR(carte.centreLongitude, 10.0, 1e-4);
}

TEST_F(Navigation, ZonesCentreTheViewUnlessLocked)
{
    ASSERT_EQ(iNombreZones(), 18);
    carte.zonesCallback(17);
    EXPECT_DOUBLE_EQ(carte.centreLatitude, -16);
    EXPECT_DOUBLE_EQ(carte.centreLongitude, -5.7);
    EXPECT_DOUBLE_EQ(carte.etendue, 1.8);
    carte.verrou = 1;
    for (int rangee : {18, -1, 0})
        carte.zonesCallback(rangee);
    EXPECT_DOUBLE_EQ(carte.etendue, 1.8);
    carte.verrou = 0;
    carte.zonesCallback(0);
    EXPECT_DOUBLE_EQ(carte.etendue, 180);
    EXPECT_DOUBLE_EQ(carte.centreLongitude, 0);
}

TEST_F(Navigation, BaseMapChoicesAndTheCoastlineLevel)
{
    // Vector only: each choice steps the coastline level 1, 2, 3, 1.
    carte.fond = FDC_SATELLITE;
    carte.niveauTraitCote = 0;
    std::vector<int> niveaux;
    for (int i = 0; i < 5; ++i) {
        carte.fdcCallback(FDC_VECTEUR, 0);
        niveaux.push_back(carte.niveauTraitCote);
    }
    EXPECT_EQ(niveaux, (std::vector<int>{1, 2, 3, 1, 2}));
    EXPECT_EQ(carte.fond, FDC_VECTEUR);
    // A missing picture or pixmap falls back to vector only, level 1.
    carte.niveauTraitCote = 3;
    carte.fdcCallback(FDC_SATELLITE, 1);
    EXPECT_EQ(carte.fond * 10 + carte.niveauTraitCote, FDC_VECTEUR * 10 + 1);
    surLeMonde();
    EXPECT_EQ(carte.pixmap, monde.get());
    carte.niveauTraitCote = 2;
    carte.fdcCallback(FDC_DESSINEE, 0);
    EXPECT_EQ(carte.niveauTraitCote, 2);
    carte.fdcCallback(FDC_DESSINEE, 1);
    carte.fdcCallback(FDC_DESSINEE, 1);
    carte.fdcCallback(7, 1);
    EXPECT_EQ(carte.fond * 10 + carte.niveauTraitCote, FDC_DESSINEE * 10);
}

TEST_F(Navigation, ANewPictureDuringAnAutoRepeatZoomStopsIt)
{
    DossierTemporaire dossier;
    JournalTemporaire journal(dossier / "log.txt");
    auto* ancienne = new Fl_RGB_Image(new unsigned char[360 * 180 * 3](), 360, 180, 3);
    ancienne->alloc_array = 1;
    carte.fond = FDC_SATELLITE;
    carte.load_image(ancienne, nullptr);
    ASSERT_EQ(carte.photo, ancienne);
    carte.zoomIn = 3;
    carte.load_image(nullptr, nullptr);  // refused while zooming
    EXPECT_EQ(carte.photo, ancienne);
    EXPECT_NE(journal.contenu().find("<FDC><IMAGE> load_image ... zoom en cours, sorry\n"),
              std::string::npos);

    auto* nouvelle = new Fl_RGB_Image(new unsigned char[720 * 360 * 3](), 720, 360, 3);
    nouvelle->alloc_array = 1;
    carte.load_image(nouvelle, nullptr);
    delete ancienne;
    EXPECT_EQ(carte.zoomIn, 0);
    EXPECT_EQ(carte.photo, nouvelle);
    EXPECT_EQ(carte.W, 720);
    carte.deplacer(5, 5);  // reads only the new picture
    carte.load_image(nullptr, nullptr);
    delete nouvelle;
}
