// Without a display: the compiled-in pictures with the sizes the widgets
// are laid out for, the switch pictures of each language and
// the arithmetic that fits a picture to a screen or a box.
#include "ui/boutons_rva.h"
#include "ui/calcul_image.h"
#include "ui/images/images.h"
#include "ui/visualisateur.h"

#include <FL/Fl_Bitmap.H>
#include <FL/Fl_RGB_Image.H>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

struct Taille {
    const char* nom;
    int w, h;
};

// Sizes the layout of the windows depends on.
const Taille TAILLES[] = {
    {"image_bon", 230, 22},  {"image_filet", 338, 99},  {"image_bas_boite", 230, 63},
    {"skin1_image_requeteur", 90, 35}, {"skin1_image_requeteur_de", 90, 36},
    {"skin1_image_visualisateur_en_de", 91, 36}, {"image_visualizador", 91, 35},
    {"image_drapeaux_FR", 26, 16}, {"skin1_image_date_heure", 195, 71},
    {"skin1_image_heure_00", 11, 22}, {"image_logo_service_grand", 360, 39},
    {"image_cadenas", 20, 20}, {"image_cadenas_rouge", 20, 20}, {"image_histogram", 20, 20},
    {"image_histogram2", 20, 20},
};

const char* const FIGURES[] = {
    "image_monocoque0", "image_monocoque", "image_catamaran0", "image_catamaran",
    "image_trimaran0", "image_trimaran", "image_cyclone0", "image_cyclone1", "image_cyclonehs",
    "image_lettrea", "image_lettred", "image_lettreh", "image_lettrel", "image_chalutier",
    "image_tanker", "image_point", "image_plus1"};

}  // namespace

TEST(ImagesCompilees, EveryEmbeddedPictureDecodesAndTheLayoutsSizesHold)
{
    for (int i = 0; i < IMAGES_PNG_NOMBRE; ++i) {
        Fl_RGB_Image* image = dynamic_cast<Fl_RGB_Image*>(pImageCompilee(IMAGES_PNG[i].nom));
        ASSERT_NE(image, nullptr) << IMAGES_PNG[i].nom;
        EXPECT_EQ(image->fail(), 0) << IMAGES_PNG[i].nom;
        EXPECT_EQ(image->d(), 4) << IMAGES_PNG[i].nom << ": drawn over its background";
    }
    EXPECT_EQ(IMAGES_PNG_NOMBRE, 109);
    for (const Taille& t : TAILLES) {
        Fl_Image* image = pImageCompilee(t.nom);
        ASSERT_NE(image, nullptr) << t.nom;
        EXPECT_EQ(image->w(), t.w) << t.nom;
        EXPECT_EQ(image->h(), t.h) << t.nom;
    }
    EXPECT_EQ(pImageCompilee("image_inconnue"), nullptr);
}

TEST(ImagesCompilees, RouteFiguresAreSixteenPixelBitmapsWithAShape)
{
    for (const char* nom : FIGURES) {
        Fl_Bitmap* b = dynamic_cast<Fl_Bitmap*>(pImageCompilee(nom));
        ASSERT_NE(b, nullptr) << nom;
        EXPECT_EQ(b->w() * b->h(), 16 * 16) << nom;
        int poses = 0;
        for (int i = 0; i < 32; ++i)
            poses += __builtin_popcount(b->array[i]);
        EXPECT_GT(poses, 8) << nom;
        EXPECT_LT(poses, 200) << nom;
    }
    // A halo covers its figure.
    for (auto [halo, figure] : {std::pair{image_monocoque0, image_monocoque},
                                {image_trimaran0, image_trimaran}, {image_cyclone0, image_cyclone1}}) {
        int horsHalo = 0;
        for (int i = 0; i < 32; ++i)
            horsHalo += __builtin_popcount(figure->array[i] & ~halo->array[i] & 0xFFu);
        EXPECT_EQ(horsHalo, 0);
    }
}

// The sets of "fr", "en" and "de": see test_langage.cpp.
TEST(SwitchPictures, AnyOtherCodeTakesTheSpanishSet)
{
    for (const char* code : {"sp", "it"}) {
        const TYPEDEF_IMAGES_RVA i = imagesRVA(code);
        EXPECT_EQ(i.requeteur, image_solicitante) << code;
        EXPECT_EQ(i.visualisateur_a, image_visualizador_a) << code;
    }
}

TEST(Ajustement, APictureIsBroughtInsideTheScreenKeepingItsShape)
{
    struct Cas {
        int l, h, le, he, w, hf;
    };
    const Cas cas[] = {
        {4000, 1000, 1280, 800, 1280, 320},  // lower screen, then too wide
        {2000, 500, 1280, 800, 1280, 320},   // only too wide
        {500, 2000, 1280, 800, 200, 800},    // only too high
        {50, 50, 1280, 800, 100, 100},       // small pictures grow to 100
        {3000, 40, 1280, 800, 1280, 100},    // a thin strip keeps 100 of height
        {800, 600, 1280, 800, 800, 600},     // fits as it is
    };
    for (const Cas& c : cas) {
        int w = 0, h = 0;
        vAjusterImage(c.l, c.h, c.le, c.he, w, h);
        EXPECT_EQ(std::make_pair(w, h), std::make_pair(c.w, c.hf)) << c.l << "x" << c.h;
    }
}

TEST(Ajustement, CoveringABoxCentresTheOverflow)
{
    struct Cas {
        int l, h, W, H, w, hf, x, y;
    };
    const Cas cas[] = {
        {400, 200, 100, 100, 200, 100, 50, 0},
        {200, 400, 100, 100, 100, 200, 0, 50},
        {300, 150, 200, 100, 200, 100, 0, 0},
        {101, 50, 100, 100, 202, 100, 51, 0},
    };
    for (const Cas& c : cas) {
        int w, h, x, y;
        vCouvrir(c.l, c.h, c.W, c.H, w, h, x, y);
        EXPECT_EQ(std::vector<int>({w, h, x, y}), std::vector<int>({c.w, c.hf, c.x, c.y}))
            << c.l << "x" << c.h;
    }
    int w = 1, h = 1, x = 1, y = 1;
    EXPECT_EQ(calcul_image(nullptr, 100, 100, w, h, x, y), nullptr);
    EXPECT_EQ(w + h + x + y, 0);
}
