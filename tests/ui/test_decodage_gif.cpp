// The GIF decoder over giflib: files that end or freeze the toolkit's own
// reader are refused at no cost, and valid files give the pixels the
// toolkit's reader and ImageMagick give.
#include "ui/decodage_gif.h"

#include "ui/entete_image.h"

#include "tests/outils/images_test.h"
#include "tests/outils/outils_test.h"

#include <FL/Fl.H>
#include <FL/Fl_GIF_Image.H>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace {

struct Decodage {
    int refus;
    ImageGif image;
    unsigned long long octetsDemandes;
};

Decodage decoder(const std::string& octets, unsigned fond = 0)
{
    Decodage d;
    const unsigned long long avant = ullOctetsGifDemandes();
    d.refus = iDecoderGif(reinterpret_cast<const unsigned char*>(octets.data()), octets.size(),
                          d.image, fond);
    d.octetsDemandes = ullOctetsGifDemandes() - avant;
    return d;
}

std::string rgb(const ImageGif& image)
{
    return std::string(reinterpret_cast<const char*>(image.pixels.get()),
                       size_t(image.w) * image.h * 3);
}

// RGBA octets over a background: the colour of a transparent pixel, which
// each reader chooses, replaced by the background, and the alpha dropped.
std::string surFond(const std::string& rgba, Fl_Color fond)
{
    std::string p;
    for (size_t i = 0; i + 4 <= rgba.size(); i += 4)
        if (rgba[i + 3] == 0)
            p += {char(fond >> 24), char(fond >> 16), char(fond >> 8)};
        else
            p += rgba.substr(i, 3);
    return p;
}

// What the toolkit's own reader made of the same valid file, as the image
// window drew it: its pixmap as RGBA over the windows' grey.
std::string rgbToolkit(const std::string& chemin)
{
    Fl_GIF_Image gif(chemin.c_str());
    Fl_RGB_Image rvb(&gif, FL_GRAY);
    const char* a = reinterpret_cast<const char*>(rvb.array);
    return surFond(std::string(a, size_t(rvb.w()) * rvb.h() * 4), Fl::get_color(FL_GRAY));
}

std::vector<unsigned char> motif(int w, int h, int couleurs, int decalage = 0)
{
    std::vector<unsigned char> i(size_t(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            i[size_t(y) * w + x] = (unsigned char)((x * 3 + y * 5 + decalage) % couleurs);
    return i;
}

// The file without its global table of four colours: no table at all.
std::string sansTable(std::string gif)
{
    gif[10] = char(gif[10] & 0x7F);
    return gif.erase(13, 12);
}

const std::vector<uint32_t> QUATRE = {0x102030, 0xff0000, 0x00ff00, 0x0000ff};
const std::vector<uint32_t> AUTRES = {0xffff00, 0x00ffff, 0xff00ff, 0x808080};

}  // namespace

// The six pictures that crash, freeze or swell the toolkit's reader: each
// refused with what giflib says, and no more than the few octets of a
// 5 x 5 frame asked of the allocator (the 20000 x 20000 image after the
// trailer is never read; the cut descriptor is never sized; the frame
// cut after its code size holds no octet that could draw a pixel).
TEST(DecodageGif, FilesThatEndOrFreezeTheToolkitAreRefusedAtNoCost)
{
    const struct {
        const char* nom;
        int refus;
        unsigned long long octetsMax;
    } attendus[] = {
        {"taille16.gif", GIF_ILLISIBLE, 0},  {"codes.gif", GIF_ILLISIBLE, 100},
        {"vide.gif", GIF_SANS_IMAGE, 0},     {"coupe0.gif", GIF_TRONQUEE, 0},
        {"apres.gif", GIF_SANS_IMAGE, 0},    {"descripteur.gif", GIF_ILLISIBLE, 0},
    };
    const auto gifs = gifsHostiles();
    ASSERT_EQ(gifs.size(), std::size(attendus));
    for (size_t i = 0; i < gifs.size(); ++i) {
        ASSERT_EQ(gifs[i].first, attendus[i].nom);
        const Decodage d = decoder(gifs[i].second);
        EXPECT_EQ(d.refus, attendus[i].refus) << gifs[i].first;
        EXPECT_LE(d.octetsDemandes, attendus[i].octetsMax) << gifs[i].first;
        EXPECT_EQ(d.image.pixels, nullptr) << gifs[i].first;
        EXPECT_EQ(d.image.w, 0) << gifs[i].first;
        EXPECT_EQ(d.image.erreurGif != 0, d.refus == GIF_ILLISIBLE) << gifs[i].first;
    }
}

// A first frame past PIXELS_MAX, or of no width, is refused before its
// indices or pixels are allocated; every cut of a valid file is refused
// without reading past the octets (the sanitizers would tell).
TEST(DecodageGif, SizesAndCutsAreRefusedBeforeAnyLargeAllocation)
{
    const struct {
        const char* cas;
        std::string octets;
        int refus;
    } cas[] = {
        {"past the bound", gifEnTete(10, 10, 8193, 8192), GIF_TROP_GRANDE},
        {"huge", gifEnTete(10, 10, 65535, 65535), GIF_TROP_GRANDE},
        {"no width", gifEnTete(10, 10, 0, 10), GIF_TROP_GRANDE},
        {"not a gif", pngEnTete(1, 1), GIF_ILLISIBLE},
        {"empty", "", GIF_ILLISIBLE},
    };
    for (const auto& c : cas) {
        const Decodage d = decoder(c.octets);
        EXPECT_EQ(d.refus, c.refus) << c.cas;
        EXPECT_EQ(d.octetsDemandes, 0u) << c.cas;
    }
    CadreGif cadre;
    cadre.w = 23, cadre.h = 17, cadre.indices = motif(23, 17, 4);
    const std::string valide = gifEcrit(23, 17, QUATRE, {cadre});
    ASSERT_EQ(decoder(valide).refus, 0);
    // Cut before the block terminator that follows the pixels: refused.
    for (size_t n = 0; n + 2 < valide.size(); ++n) {
        const std::string coupe = valide.substr(0, n);
        const Decodage d = decoder(coupe);
        EXPECT_NE(d.refus, 0) << n;
        EXPECT_LE(d.octetsDemandes, 23u * 17u * 4u) << n;
    }
}

// Valid files of every kind the toolkit's reader used to show: the same
// pixels, transparent ones in the background asked for, and the same as
// ImageMagick's reading of the file's first frame.
TEST(DecodageGif, ValidFilesGiveTheToolkitsAndImageMagicksPixels)
{
    DossierTemporaire d;
    CadreGif simple;
    simple.w = 31, simple.h = 19, simple.indices = motif(31, 19, 4);
    CadreGif entrelace = simple;
    entrelace.entrelace = true;
    CadreGif seconde = simple;
    seconde.indices = motif(31, 19, 4, 1);
    CadreGif locale = simple;
    locale.tableLocale = AUTRES;
    CadreGif transparente = simple;
    transparente.transparent = 2;
    const struct {
        const char* nom;
        std::string octets;
        bool magick;  // false: no table at all, for which ImageMagick has a default of its own
    } cas[] = {
        {"simple.gif", gifEcrit(31, 19, QUATRE, {simple}), true},
        {"animee.gif", gifEcrit(31, 19, QUATRE, {simple, seconde, seconde}), true},
        {"entrelacee.gif", gifEcrit(31, 19, QUATRE, {entrelace}), true},
        {"locale.gif", gifEcrit(31, 19, QUATRE, {locale}), true},
        {"sans_globale.gif", gifEcrit(31, 19, {}, {locale}), true},
        {"sans_table.gif", sansTable(gifEcrit(31, 19, QUATRE, {simple})), false},
        {"transparente.gif", gifEcrit(31, 19, QUATRE, {transparente}), true},
    };
    const Fl_Color gris = Fl::get_color(FL_GRAY);
    for (const auto& c : cas) {
        const std::string chemin = d / c.nom;
        ecrireFichier(chemin, c.octets);
        const Decodage dec = decoder(c.octets, gris);
        ASSERT_EQ(dec.refus, 0) << c.nom;
        EXPECT_EQ(dec.image.w, 31) << c.nom;
        EXPECT_EQ(dec.image.h, 19) << c.nom;
        EXPECT_EQ(dec.octetsDemandes, 31u * 19u * 4u) << c.nom;
        EXPECT_TRUE(memesOctets(rgb(dec.image), rgbToolkit(chemin))) << c.nom;
        if (!c.magick)
            continue;
        const auto magick = sortie("convert " + sh(chemin) + "[0] -depth 8 rgba:-");
        ASSERT_TRUE(magick) << c.nom;
        EXPECT_TRUE(memesOctets(rgb(dec.image), surFond(*magick, gris))) << c.nom;
    }
}
