// The map in a window: what it draws of the drawn world map, the wheel
// zoom about the cursor, the auto-repeat zoom, and a locked map at rest.
#include "map/dru_pixmap.h"
#include "map/fdc.h"
#include "ui/palette.h"

#include "gribdata/champ_grib.h"
#include "gribdata/decompression.h"
#include "gribdata/enregistrement_grib.h"
#include "tests/map/outils_carte.h"
#include "tests/outils/outils_test.h"
#include "tests/ui/harnais_gui.h"

#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>
#include <array>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Counts its drawings.
class CarteComptee : public fdc {
public:
    using fdc::fdc;
    void draw() override
    {
        ++dessins;
        fdc::draw();
    }
    int dessins = 0;
};

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
    CarteComptee* carte = new CarteComptee(20, 20, 600, 400);

    void SetUp() override
    {
        skins();
        fenetre->end();
        carte->initialisation(FDC_VECTEUR, 400, 1);
        carte->chargementAffiche = 0;
    }
    void TearDown() override { fenetre.reset(); }

    void entrer(int x, int y)
    {
        Fl::e_x = x;
        Fl::e_y = y;
        Fl::e_x_root = fenetre->x_root() + x;
        Fl::e_y_root = fenetre->y_root() + y;
        Fl::handle(FL_ENTER, fenetre.get());
        Fl::handle(FL_MOVE, fenetre.get());
    }
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
    harnais::vPomper(0.1);
    auto ecran = [&](double lat, double lon) {
        return harnais::pixel(fenetre.get(), 20 + carte->iColonne(lon),
                              20 + int(carte->dLigne(lat)));
    };
    EXPECT_EQ(ecran(48.11, -1.68), octets(FL_TERRE));  // Rennes
    EXPECT_EQ(ecran(48.30, -4.70), octets(FL_MER));    // off Brest
    EXPECT_NE(ecran(47.0, -6.0), octets(FL_MER));      // open sea, darker
    carte->pixmapHD = nullptr;
    carte->load_image(nullptr, nullptr);
}

TEST_F(CarteFenetre, TheWheelZoomsAboutTheCursor)
{
    std::unique_ptr<Dru_Pixmap> monde(pixmapMonde());
    carte->pixmapHD = monde.get();
    carte->fdcCallback(FDC_DESSINEE, 0);
    ASSERT_TRUE(harnais::bMontrer(fenetre.get()));
    entrer(420, 150);
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
    EXPECT_EQ(carte->zoomIn, 2);
    ASSERT_TRUE(harnais::bAttendre([&] { return carte->zoomIn == 0; }, 60));
    EXPECT_DOUBLE_EQ(carte->echelleCourante, 4.0);
    EXPECT_FALSE(Fl::has_timeout(fdc::vZoomerTimeout, carte));

    carte->dezoomerCallback();
    harnais::vPomper(0.2);
    carte->dezoomerCallback();  // a second press stops it
    EXPECT_EQ(carte->zoomOut, 0);
    harnais::vPomper(0.2);
    EXPECT_FALSE(Fl::has_timeout(fdc::vDezoomerTimeout, carte));
    EXPECT_GT(carte->echelleCourante, 4.0);
    EXPECT_LT(carte->echelleCourante, carte->echelleVue);

    // A zoom-out started during a zoom-in takes over.
    carte->zoom(0, 0, 150, 0);
    carte->zoomerCallback();
    carte->dezoomerCallback();
    harnais::vPomper(0.2);
    EXPECT_EQ(carte->zoomIn, 0);
    ASSERT_TRUE(harnais::bAttendre([&] { return carte->zoomOut == 0; }, 60));
    EXPECT_DOUBLE_EQ(carte->echelleCourante, carte->echelleVue);
    carte->verrou = 1;
    carte->zoomerCallback();
    EXPECT_EQ(carte->zoomIn, 0);
}

TEST_F(CarteFenetre, AnIdleLockedMapDoesNotRedrawItself)
{
    std::unique_ptr<Dru_Pixmap> monde(pixmapMonde());
    carte->pixmapHD = monde.get();
    carte->fdcCallback(FDC_DESSINEE, 0);
    grib* champ = new grib{};
    champ->champ = new Grib();
    champ->champ->la1 = 60000;
    champ->champ->la2 = 30000;
    champ->champ->lo1 = -40000;
    champ->champ->lo2 = 10000;
    carte->champs = champ;
    carte->verrou = 1;
    ASSERT_TRUE(harnais::bMontrer(fenetre.get()));
    harnais::vPomper(0.2);
    EXPECT_GT(carte->dessins, 0);
    EXPECT_NEAR(carte->centreLatitude, 45.0, 1e-4);
    EXPECT_NEAR(carte->dLongitude(20 + 300), -15.0, 0.2);
    // At rest: a drawing that asked for the next would draw at every turn
    // of the loop (25 in half a second); windows of other tests on the
    // same display may still expose it now and then.
    const int dessins = carte->dessins;
    harnais::vPomper(0.5);
    EXPECT_LT(carte->dessins - dessins, 10);
    // A new size is followed once.
    fenetre->size(500, 300);
    carte->size(460, 260);
    fenetre->redraw();
    harnais::vPomper(0.3);
    EXPECT_EQ(carte->largeur, 460);
    const int apres = carte->dessins;
    harnais::vPomper(0.5);
    EXPECT_LT(carte->dessins - apres, 10);
    carte->pixmapHD = nullptr;
    carte->load_image(nullptr, nullptr);
}
