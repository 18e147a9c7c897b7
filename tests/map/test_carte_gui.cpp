// The map in a window: what it draws of the drawn world map, the wheel
// zoom about the cursor and the auto-repeat zoom.
#include "map/dru_pixmap.h"
#include "map/fdc.h"
#include "ui/palette.h"

#include "gribdata/decompression.h"
#include "tests/map/outils_carte.h"
#include "tests/outils/outils_test.h"
#include "tests/ui/harnais_gui.h"

#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>
#include <array>
#include <gtest/gtest.h>
#include <memory>

namespace {

std::array<unsigned char, 3> octets(Fl_Color c)
{
    return {(unsigned char)(c >> 24), (unsigned char)(c >> 16), (unsigned char)(c >> 8)};
}

Dru_Pixmap* carteLivree()
{
    unsigned int n = 3;
    char* tampon = gzip((std::string(QUENBREL_SOURCE_DIR) + "/data/img/globe.pl.gz").c_str(), n);
    Dru_Pixmap* carte = tampon ? new Dru_Pixmap(tampon, n) : nullptr;
    delete[] tampon;
    return carte;
}

class CarteFenetre : public ::testing::Test {
protected:
    DossierTemporaire dossier;
    JournalTemporaire journal{dossier / "log.txt"};
    std::unique_ptr<Fl_Double_Window> fenetre{new Fl_Double_Window(640, 440)};
    fdc* carte = new fdc(20, 20, 600, 400);

    void SetUp() override
    {
        skins();
        fenetre->end();
        carte->initialisation(FDC_VECTEUR, 400, 1);
        carte->chargementAffiche = 0;
    }
    void TearDown() override { fenetre.reset(); }

    void molette(int dx, int dy)
    {
        Fl::e_dx = dx;
        Fl::e_dy = dy;
        Fl::handle(FL_MOUSEWHEEL, fenetre.get());
        Fl::flush();
    }
};

}  // namespace

TEST_F(CarteFenetre, TheDrawnMapShowsThePalettesSeaAndLand)
{
    std::unique_ptr<Dru_Pixmap> monde(carteLivree());
    ASSERT_NE(monde, nullptr);
    ASSERT_TRUE(harnais::bMontrer(fenetre.get()));
    // Without a base image, the plain sea.
    EXPECT_EQ(harnais::pixel(fenetre.get(), 320, 220), octets(FL_MER));

    carte->pixmapHD = monde.get();
    carte->fdcCallback(FDC_DESSINEE, 0);
    carte->zoom(48.3, -3.0, 4.0, 0);
    ASSERT_TRUE(harnais::bRedessiner(fenetre.get()));
    auto ecran = [&](double lat, double lon) {
        return harnais::pixel(fenetre.get(), 20 + carte->iColonne(lon),
                              20 + int(carte->dLigne(lat)));
    };
    EXPECT_EQ(ecran(48.25, -1.68), octets(FL_TERRE));  // by Rennes, off the graticule
    EXPECT_EQ(ecran(48.30, -4.70), octets(FL_MER));    // off Brest
    carte->pixmapHD = nullptr;
    carte->load_image(nullptr, nullptr);
}

TEST_F(CarteFenetre, TheWheelZoomsAboutTheCursor)
{
    std::unique_ptr<Dru_Pixmap> monde(pixmapMonde());
    carte->pixmapHD = monde.get();
    carte->fdcCallback(FDC_DESSINEE, 0);
    ASSERT_TRUE(harnais::bMontrer(fenetre.get()));
    harnais::vSurvoler(fenetre.get(), 420, 150);
    const double lat = carte->dLatitude(150), lon = carte->dLongitude(420);
    const double echelle = carte->echelleCourante;
    molette(0, -1);
    EXPECT_LT(carte->echelleCourante, echelle);
    EXPECT_NEAR(carte->dLatitude(150), lat, 1e-6);
    EXPECT_NEAR(carte->dLongitude(420), lon, 1e-6);
    const double proche = carte->echelleCourante;
    molette(1, 0);  // a horizontal scroll zooms in too
    EXPECT_LT(carte->echelleCourante, proche);
    molette(0, 1);
    molette(0, 1);
    EXPECT_GT(carte->echelleCourante, proche);
    EXPECT_NEAR(carte->dLongitude(420), lon, 1e-6);

    // A locked map ignores the wheel.
    carte->verrou = 1;
    const double fige = carte->echelleCourante;
    molette(0, -1);
    EXPECT_DOUBLE_EQ(carte->echelleCourante, fige);
    carte->verrou = 0;
    carte->pixmapHD = nullptr;
    carte->load_image(nullptr, nullptr);
}

TEST_F(CarteFenetre, TheAutoRepeatZoomRunsToTheLimitAndStops)
{
    ASSERT_TRUE(harnais::bMontrer(fenetre.get()));
    carte->zoom(0, 0, 0.02, 0);  // a dozen steps from the closest view
    carte->zoomerCallback();
    ASSERT_TRUE(harnais::bAttendre([&] { return carte->zoomIn == 0; }, 60));
    EXPECT_DOUBLE_EQ(carte->echelleCourante, 4.0);

    carte->dezoomerCallback();
    ASSERT_TRUE(harnais::bAttendre([&] { return carte->zoomOut > 2; }));  // it repeats
    carte->dezoomerCallback();  // a second press stops it
    ASSERT_TRUE(harnais::bAttendre([&] { return !Fl::has_timeout(fdc::vDezoomerTimeout, carte); }));
    EXPECT_GT(carte->echelleCourante, 4.0);
    EXPECT_LT(carte->echelleCourante, carte->echelleVue);

    // A zoom-out started during a zoom-in takes over.
    carte->zoom(0, 0, 150, 0);
    carte->zoomerCallback();
    carte->dezoomerCallback();
    EXPECT_EQ(carte->zoomIn, 0);
    ASSERT_TRUE(harnais::bAttendre([&] { return carte->zoomOut == 0; }, 60));
    EXPECT_DOUBLE_EQ(carte->echelleCourante, carte->echelleVue);
    carte->verrou = 1;
    carte->zoomerCallback();
    EXPECT_EQ(carte->zoomIn, 0);
}
