// The view image: the satellite picture resampled at every depth and
// wrapped at the dateline, the drawn map cut for the view, and the marker
// and frame fill.
#include "map/fdc.h"

#include <FL/Fl_RGB_Image.H>
#include <array>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

// A 40 x 300 picture of the given depth; pixel (x, y) has its first byte
// 5x + y / 10, its second 100 + x, its third 200 - x, and 7 after.
Fl_RGB_Image* photo(int profondeur)
{
    auto* octets = new unsigned char[40 * 300 * size_t(profondeur)];
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 40; ++x)
            for (int c = 0; c < profondeur; ++c) {
                const int v[4] = {5 * x + y / 10, 100 + x, 200 - x, 7};
                octets[(size_t(y) * 40 + size_t(x)) * size_t(profondeur) + size_t(c)] =
                    (unsigned char)v[c];
            }
    auto* image = new Fl_RGB_Image(octets, 40, 300, profondeur);
    image->alloc_array = 1;
    return image;
}

std::array<int, 3> pixelVue(const fdc& carte, int x, int y)
{
    const unsigned char* p = reinterpret_cast<const unsigned char*>(carte.vueImage->data()[0]) +
                             (size_t(y) * size_t(carte.vueImage->w()) + size_t(x)) * 3;
    return {p[0], p[1], p[2]};
}

// A map of one picture pixel per screen pixel (high enough for the
// greatest scale not to bind).
class VueSatellite : public ::testing::TestWithParam<int> {
protected:
    std::unique_ptr<Fl_RGB_Image> image{photo(GetParam())};
    fdc carte{0, 0, 40, 10};
    void SetUp() override
    {
        carte.size(40, int(300 * carte.facteurHauteur));
        carte.load_image(image.get(), nullptr);
    }
    void TearDown() override { carte.load_image(nullptr, nullptr); }
};

}  // namespace

TEST_P(VueSatellite, EveryDepthGivesThreeBytesPerPixel)
{
    const int d = GetParam();
    ASSERT_DOUBLE_EQ(carte.echelleCourante, 1.0);
    ASSERT_NE(carte.vueImage, nullptr);
    EXPECT_EQ(carte.vueImage->w(), 40);
    EXPECT_EQ(carte.vueImage->d(), 3);
    for (int x : {0, 17, 39}) {
        const int premier = 5 * x;
        const std::array<int, 3> attendu =
            d >= 3 ? std::array<int, 3>{premier, 100 + x, 200 - x}
                   : std::array<int, 3>{premier, premier, premier};
        EXPECT_EQ(pixelVue(carte, x, 0), attendu) << x;
    }
}

TEST_P(VueSatellite, TheViewWrapsAtTheDateline)
{
    carte.deplacer(-10, 0);
    EXPECT_DOUBLE_EQ(carte.ox, -10);
    EXPECT_EQ(pixelVue(carte, 0, 0)[0], 5 * 30);
    EXPECT_EQ(pixelVue(carte, 9, 0)[0], 5 * 39);
    EXPECT_EQ(pixelVue(carte, 10, 0)[0], 0);
    EXPECT_EQ(pixelVue(carte, 39, 0)[0], 5 * 29);
    // Zoomed out beyond the world's width: every column still in the picture.
    carte.size(200, carte.h());
    carte.redimensionner();
    carte.zoom(-1);
    EXPECT_EQ(carte.vueImage->w(), 200);
}

INSTANTIATE_TEST_SUITE_P(Profondeurs, VueSatellite, ::testing::Values(1, 2, 3, 4));

TEST(FondsTransparents, TheMarkerAndTheFrameFill)
{
    // The request page's map (page 0) has the marker, a viewer's has none.
    fdc requete(0, 0, 600, 400), visualisateur(0, 0, 600, 400);
    requete.initialisation(FDC_VECTEUR, 371, 0);
    visualisateur.initialisation(FDC_SATELLITE, 500, 3);
    EXPECT_EQ(visualisateur.marqueur, nullptr);
    ASSERT_NE(requete.marqueur, nullptr);
    EXPECT_EQ(requete.marqueur->w() * requete.marqueur->d(), 26 * 4);
    const unsigned char* m = requete.marqueurPixels;
    EXPECT_EQ(std::vector<int>(m + 26 * 26 * 4 - 4, m + 26 * 26 * 4),
              (std::vector<int>{255, 0, 0, 164}));

    // A new fill frees the previous one (the sanitizer build checks).
    std::unique_ptr<Fl_RGB_Image> cadre(requete.fond_bleu_transparent(5, 3));
    cadre.reset(requete.fond_bleu_transparent(7, 2));
    EXPECT_EQ(cadre->w() * cadre->d(), 7 * 4);
}
