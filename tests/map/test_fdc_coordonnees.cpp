// Screen and geographic positions in the three dateline regimes, the
// cursor read-out texts, and the request frame's geometry tests.
#include "map/fdc.h"

#include <FL/Fl.H>
#include <FL/Fl_Input.H>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <string>

namespace {

// A vector-only map of 720 x 450 pixels placed at (10, 20): 0.4 degree of
// latitude and 0.56 of longitude per pixel.
class Coordonnees : public ::testing::Test {
protected:
    fdc carte{10, 20, 720, 450};
    void SetUp() override { carte.load_image(nullptr, nullptr); }
};

std::string dms(int longitude, double degres)
{
    char texte[FDC_TEXTE_POSITION];
    const int n = fdc::DMS(longitude, degres, texte);
    EXPECT_EQ(n, int(std::string(texte).size()));
    return texte;
}

}  // namespace

TEST_F(Coordonnees, TheVerticalFitKeepsTheViewInsideTheRaster)
{
    carte.oy = -500;
    EXPECT_EQ(carte.test_limites(), carte.H);
    EXPECT_DOUBLE_EQ(carte.oy, 0);
    carte.echelleCourante = 20000;
    carte.oy = carte.H - 100;
    EXPECT_EQ(carte.test_limites(), carte.H - 100 + 450 * 20000);  // before the fit
    EXPECT_DOUBLE_EQ(carte.oy, carte.H - 450 * 20000.0);
    carte.echelleCourante = 80000;  // taller than the world: back to the whole height
    EXPECT_GT(carte.test_limites(), carte.H);
    EXPECT_DOUBLE_EQ(carte.oy, 0);
    EXPECT_DOUBLE_EQ(carte.echelleCourante, carte.echelleVue);
}

TEST_F(Coordonnees, LongitudesRoundTripInTheThreeDatelineRegimes)
{
    const double W = carte.W;
    // Offset, longitude of the map's left edge before any folding.
    const std::pair<double, double> regimes[] = {
        {-0.75 * W, -90.0}, {-0.5 * W, 0.0}, {0.0, -180.0}, {0.5 * W, 0.0}, {0.75 * W, -270.0}};
    for (auto [offset, gauche] : regimes) {
        carte.ox = offset;
        EXPECT_NEAR(carte.dLongitude(10), gauche, 1e-9) << offset;
        for (int sx : {10, 11, 200, 729}) {
            const double lon = carte.dLongitude(sx);
            EXPECT_EQ(carte.iColonne(lon), sx - 10) << offset << " " << sx;
            EXPECT_EQ(carte.iColonne(lon + 360) - carte.iColonne(lon),
                      int(std::lrint(W / carte.echelleCourante)));
        }
    }
}

TEST_F(Coordonnees, TheReadOutFoldsTheLongitudeAndFollowsTheOption)
{
    Fl_Input latitude(0, 0, 100, 20), longitude(0, 0, 100, 20);
    FDC_ENTREE_LATITUDE = &latitude;
    FDC_ENTREE_LONGITUDE = &longitude;
    carte.ox = 0.75 * carte.W;  // the left edge shows 270 W, that is 90 E
    Fl::e_x = 10;
    Fl::e_y = 20 + 100;
    POSITIONDDMMSS = 0;
    // Only while the pointer is over the map and outside its drawing; a
    // map without a window is placed on the screen as it is.
    Fl::e_x_root = 9;
    Fl::e_y_root = Fl::e_y;
    carte.coordonneesmouse();
    EXPECT_STREQ(latitude.value(), "");
    Fl::e_x_root = Fl::e_x;
    carte.dessinEnCours = 1;
    carte.coordonneesmouse();
    EXPECT_STREQ(latitude.value(), "");
    carte.dessinEnCours = 0;
    carte.coordonneesmouse();
    EXPECT_STREQ(latitude.value(), " 50.0000N");
    EXPECT_STREQ(longitude.value(), " 90.0000E");
    carte.ox = -0.75 * carte.W;
    Fl::e_y = Fl::e_y_root = 20 + 350;
    POSITIONDDMMSS = 1;
    carte.coordonneesmouse();
    EXPECT_EQ(std::string(latitude.value()), " 50\u00b000'00\"S");
    EXPECT_EQ(std::string(longitude.value()), "  90\u00b000'00\"W");
    // The field being typed in keeps what was typed.
    Fl::focus(&latitude);
    latitude.value("15");
    carte.coordonneesmouse();
    EXPECT_STREQ(latitude.value(), "15");
    Fl::focus(nullptr);
    FDC_ENTREE_LATITUDE = FDC_ENTREE_LONGITUDE = nullptr;
    carte.coordonneesmouse();
}

TEST(DMS, LettersRoundingAndTheDegreeSign)
{
    const struct {
        int longitude;
        double degres;
        const char* dms;
        const char* decimal;
    } cas[] = {
        {0, 0.0, "  0\u00b000'00\"S", " 0.0000S"},      {1, 0.0, "   0\u00b000'00\"W", " 0.0000W"},
        {0, -0.5, "  0\u00b030'00\"S", " 0.5000S"},     {1, 179.99999,  " 180\u00b000'00\"E", " 180.0000E"},
        {0, 45.5125, " 45\u00b030'45\"N", " 45.5125N"}, {1, -5.7, "   5\u00b042'00\"W", " 5.7000W"},
        {0, 1e-9, "  0\u00b000'00\"N", " 0.0000N"},     {0, 12.345678, " 12\u00b020'44\"N", " 12.3457N"},
        {1, -179.5, " 179\u00b030'00\"W", " 179.5000W"},
    };
    for (const auto& c : cas) {
        EXPECT_EQ(dms(c.longitude, c.degres), c.dms) << c.degres;
        char texte[FDC_TEXTE_POSITION];
        EXPECT_EQ(fdc::iDecimal(c.longitude, c.degres, texte), int(std::strlen(c.decimal)));
        EXPECT_STREQ(texte, c.decimal) << c.degres;
    }
    // Nonsense degrees are cut to the buffer, never written past it.
    EXPECT_LT(dms(1, 1e12).size(), size_t(FDC_TEXTE_POSITION));
}

TEST_F(Coordonnees, TheFrameContainsThePointerAndFitsWithItsMargins)
{
    // Drawn forwards or backwards from (100, 50), 40 x 30: inside strictly.
    for (int sens : {1, -1}) {
        carte.cadreGauche = sens > 0 ? 100 : 140;
        carte.cadreHaut = sens > 0 ? 50 : 80;
        carte.cadreLargeur = 40 * sens;
        carte.cadreHauteur = 30 * sens;
        for (int x : {90, 100, 120, 141})
            for (int y : {40, 60, 90})
                EXPECT_EQ(carte.mouse_in_overlay(x, y), x == 120 && y == 60) << sens << x << y;
    }
    // The handle is the corner opposite the top-left one.
    carte.cadreHaut = 50;
    carte.cadreHauteur = 30;
    EXPECT_TRUE(carte.mouse_in_move_overlay(100 + 14, 80 - 14));
    EXPECT_FALSE(carte.mouse_in_move_overlay(100 + 15, 80));
    carte.cadreLargeur = 100;
    carte.cadreHauteur = 50;
    const struct {
        int x, y, deplacement;
        bool dedans;
    } cas[] = {{14, 14, 0, true},     {13, 14, 0, false}, {14, 14, 1, false}, {60, 14, 1, true},
               {605, 385, 0, true}, {606, 100, 0, false}, {100, 386, 0, false}};
    for (const auto& c : cas)
        EXPECT_EQ(carte.overlay_in_screen(c.x, c.y, c.deplacement), c.dedans) << c.x << " " << c.y;
}
