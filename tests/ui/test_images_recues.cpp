// Picture files from outside through the checked readers, as the image
// window, the chooser's preview and the satellite picture open them: the
// small valid pictures of tests/data/images, each opened once, decode at
// their size and as the toolkit's readers do; every input kept from fuzzing
// is refused, through the fuzz target's own body too; and hostile files.
#include "ui/decodage_gif.h"
#include "ui/decodage_jpeg.h"
#include "ui/decodage_png.h"
#include "ui/image_controlee.h"

#include "tests/outils/images_test.h"
#include "tests/outils/mesure_allocations.h"
#include "tests/outils/outils_test.h"
#include "tests/ui/fuzz/cible_image.h"

#include <FL/Fl.H>
#include <FL/Fl_JPEG_Image.H>
#include <FL/Fl_PNG_Image.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Shared_Image.H>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace {

const std::string IMAGES = QUENBREL_SOURCE_DIR "/tests/data/images";

std::vector<std::string> fichiers(const std::string& dossier)
{
    std::vector<std::string> v;
    for (const auto& e : std::filesystem::directory_iterator(dossier))
        if (e.is_regular_file() && e.path().extension() != ".sh")
            v.push_back(e.path().string());
    std::sort(v.begin(), v.end());
    return v;
}

// The pixels, a grey one spread over three colours (rows unpadded).
std::string pixels(const Fl_Image& image)
{
    const char* p = image.data()[0];
    std::string sortie;
    for (int i = 0; i < image.w() * image.h() * image.d(); ++i)
        sortie.append(image.d() == 1 ? 3 : 1, p[i]);
    return sortie;
}

// How far the pixels lie, octet by octet at the most, from ImageMagick's
// flattening of the picture over the windows' grey (it rounds the blend
// its own way, within one).
int iEcartSurGris(const std::string& obtenus, const std::string& chemin)
{
    char gris[8];
    std::snprintf(gris, sizeof gris, "#%06X", unsigned(Fl::get_color(FL_GRAY) >> 8));
    const std::string attendus =
        sortie("convert " + sh(chemin) + " -background '" + gris + "' -flatten -depth 8 rgb:-")
            .value_or("");
    int ecart = attendus.size() == obtenus.size() ? 0 : 256;
    for (size_t i = 0; ecart < 256 && i < obtenus.size(); ++i)
        ecart = std::max(ecart, std::abs(int(uchar(obtenus[i])) - int(uchar(attendus[i]))));
    return ecart;
}

// FF 00 and a length after the start: a walk of markers of its own skips
// as a segment the frame libjpeg reads (to libjpeg, FF 00 is stray data)
// and finds a frame of 16 x 16 after the end of the picture.
std::string jpegCache(unsigned w, unsigned h)
{
    const std::string vrai = jpegEnTete(w, h).substr(2);
    const size_t n = vrai.size() + 2;
    return "\xFF\xD8\xFF" + std::string{0, char(n >> 8), char(n)} + vrai +
           std::string("\xFF\xC0\0\x11\x08\0\x10\0\x10\x03", 10) + std::string(9, 1);
}

// The progressive JPEG with its frame claiming 8192 x 8192 in 4:4:4.
std::string jpegProgressif8192(std::string j)
{
    const size_t trame = j.find("\xFF\xC2");
    j.replace(trame + 5, 4, std::string("\x20\0\x20\0", 4));
    j[trame + 11] = 0x11;
    return j;
}

// The progressive JPEG with its first scan, up to the next table, 10,000 times.
std::string jpeg10000Passes(const std::string& j)
{
    const size_t debut = j.find("\xFF\xDA"), fin = j.find("\xFF\xC4", debut);
    std::string passes;
    for (int i = 0; i < 10000; ++i)
        passes += j.substr(debut, fin - debut);
    return j.substr(0, debut) + passes + j.substr(fin);
}

}  // namespace

TEST(ImagesRecues, EverySmallValidPictureDecodesAtItsSize)
{
    const auto valides = fichiers(IMAGES);
    ASSERT_GE(valides.size(), 12u);
    for (const std::string& chemin : valides) {
        Fl_Shared_Image* image = nullptr;
        EXPECT_EQ(iOuvertures(chemin, [&] { image = pImageControlee(chemin.c_str()); }), 1)
            << chemin;
        ASSERT_NE(image, nullptr) << chemin;
        EXPECT_EQ(image->w(), 12) << chemin;
        EXPECT_EQ(image->h(), 8) << chemin;
        const bool jpeg = chemin.substr(chemin.size() - 4) == ".jpg";
        std::unique_ptr<Fl_RGB_Image> toolkit;
        if (jpeg)
            toolkit.reset(new Fl_JPEG_Image(chemin.c_str()));
        else if (chemin.substr(chemin.size() - 4) == ".png")
            toolkit.reset(new Fl_PNG_Image(chemin.c_str()));
        // Transparent pixels show the windows' grey.
        const bool alpha = toolkit && toolkit->d() % 2 == 0;
        EXPECT_TRUE(!alpha || iEcartSurGris(pixels(*image), chemin) <= 1) << chemin;
        EXPECT_TRUE(!toolkit || alpha || memesOctets(pixels(*image), pixels(*toolkit))) << chemin;
        image->release();
        std::unique_ptr<Fl_RGB_Image> satellite;
        EXPECT_EQ(iOuvertures(chemin, [&] { satellite.reset(pJpegControle(chemin.c_str())); }), 1)
            << chemin;
        EXPECT_EQ(satellite != nullptr, jpeg) << chemin;
    }
}

TEST(ImagesRecues, EveryInputKeptFromFuzzingIsRefusedWithoutHarm)
{
    DossierTemporaire d;
    JournalTemporaire journal(d / "log.txt");
    const auto gardes = fichiers(IMAGES + "/fuzz");
    ASSERT_FALSE(gardes.empty());
    for (const std::string& chemin : gardes) {
        EXPECT_EQ(pImageControlee(chemin.c_str()), nullptr) << chemin;
        const std::string octets = lireFichier(chemin);
        vFuzzImage(reinterpret_cast<const uint8_t*>(octets.data()), octets.size(), d / "image");
    }
    for (const std::string& valide : fichiers(IMAGES)) {
        const std::string octets = lireFichier(valide);
        vFuzzImage(reinterpret_cast<const uint8_t*>(octets.data()), octets.size(), d / "image");
    }
    EXPECT_NE(journal.contenu().find("refusee: gif"), std::string::npos);
}

TEST(ImagesRecues, HostileFilesAreRefusedAtACostOfTheirOctetsNotOfTheSizeTheyClaim)
{
    const std::string jpeg = lireFichier(IMAGES + "/simple.jpg");
    const std::string png = lireFichier(IMAGES + "/simple.png");
    const std::string progressive = lireFichier(IMAGES + "/progressive.jpg");
    const CadreGif valide{640, 480, std::vector<unsigned char>(640 * 480, 1), false, {}, -1};
    const struct {
        const char* cas;
        FormatImage format;
        std::string octets;
        int refus;
        unsigned long long koMax;
    } cas[] = {
        {"FF 00 hides 61426 x 23307", IMAGE_JPEG, jpegCache(61426, 23307), DECODAGE_TROP_GRANDE,
         64},
        {"jpeg 8192 x 8192, 400 octets", IMAGE_JPEG, jpegEnTete(8192, 8192), DECODAGE_COUPEE, 2048},
        {"jpeg of 10,000 scans", IMAGE_JPEG, jpeg10000Passes(progressive), DECODAGE_TROP_DE_PASSES,
         256},
        {"progressive 8192 x 8192 4:4:4", IMAGE_JPEG, jpegProgressif8192(progressive),
         DECODAGE_TROP_GRANDE, 64},
        {"jpeg cut in its scan", IMAGE_JPEG, jpeg.substr(0, jpeg.size() - 8), DECODAGE_COUPEE, 128},
        {"jpeg of a png", IMAGE_JPEG, png, DECODAGE_ILLISIBLE, 64},
        // Every ancillary chunk is skipped: a text chunk claiming 2 GB.
        {"tEXt of 2 GB", IMAGE_PNG, pngEnTete(1, 1).substr(0, 33) + "\x7F\xFF\xFF\xFFtEXtabc",
         DECODAGE_COUPEE, 64},
        {"png 8192 x 8192, 65 octets", IMAGE_PNG, pngEnTete(8192, 8192), DECODAGE_COUPEE, 64},
        {"png 8192 x 8193", IMAGE_PNG, pngEnTete(8192, 8193), DECODAGE_TROP_GRANDE, 64},
        {"png cut", IMAGE_PNG, png.substr(0, png.size() - 20), DECODAGE_COUPEE, 64},
        {"gif 8192 x 8192, 35 octets", IMAGE_GIF, gifEnTete(10, 10, 8192, 8192), GIF_TRONQUEE, 32},
        // The count sees pixels: a valid picture asks for its own at least.
        {"valid gif 640 x 480", IMAGE_GIF, gifEcrit(640, 480, {0, 0xFF0000}, {valide}), 0, 4096},
    };
    for (const auto& c : cas) {
        const auto* o = reinterpret_cast<const unsigned char*>(c.octets.data());
        ImageDecodee image;
        ImageGif gif;
        int refus = -1;
        const unsigned long long octets = ullOctetsDemandes([&] {
            refus = c.format == IMAGE_JPEG  ? iDecoderJpeg(o, c.octets.size(), image)
                    : c.format == IMAGE_PNG ? iDecoderPng(o, c.octets.size(), image)
                                            : iDecoderGif(o, c.octets.size(), gif);
        });
        EXPECT_EQ(refus, c.refus) << c.cas;
        EXPECT_LE(octets, c.koMax * 1024) << c.cas;
        EXPECT_TRUE(refus || octets >= 640 * 480 * 3) << c.cas;
    }
}

// Pictures within the pixel bound whose decoding would hold the window for
// seconds: 10 KB of JPEG scans libjpeg walks block by block, PNGs whose
// rows inflate and expand to more than the largest 8-bit RGBA picture.
// Refused before the work is done; the same shapes at a smaller size
// decode.
TEST(ImagesRecues, PicturesCostingMoreThanTheLargestRealOneAreRefused)
{
    const FormePng rvb16{16, 2, true, true}, rvba8{8, 6, false, true}, rvba16{16, 6, false, false};
    const struct {
        const char* cas;
        FormatImage format;
        std::string octets;
        int refus;
    } cas[] = {
        {"100 refinement scans, 8192", IMAGE_JPEG, jpegFinsDeBande(8192, 100, true),
         DECODAGE_TROP_DE_TRAVAIL},
        {"100 first scans, 8192", IMAGE_JPEG, jpegFinsDeBande(8192, 100, false),
         DECODAGE_TROP_DE_TRAVAIL},
        {"100 refinement scans, 512", IMAGE_JPEG, jpegFinsDeBande(512, 100, true), 0},
        {"rgb16 trns adam7, 8192", IMAGE_PNG, pngNul(8192, 8192, rvb16), DECODAGE_TROP_DE_TRAVAIL},
        {"rgba8 adam7, 8192", IMAGE_PNG, pngNul(8192, 8192, rvba8), DECODAGE_TROP_DE_TRAVAIL},
        {"rgba16, 8192", IMAGE_PNG, pngNul(8192, 8192, rvba16), DECODAGE_TROP_DE_TRAVAIL},
        {"rgb16 trns adam7, 1024", IMAGE_PNG, pngNul(1024, 1024, rvb16), 0},
        {"rgba8 adam7, 1024", IMAGE_PNG, pngNul(1024, 1024, rvba8), 0},
    };
    for (const auto& c : cas) {
        const auto* o = reinterpret_cast<const unsigned char*>(c.octets.data());
        ImageDecodee image;
        const int refus = c.format == IMAGE_JPEG ? iDecoderJpeg(o, c.octets.size(), image)
                                                 : iDecoderPng(o, c.octets.size(), image);
        EXPECT_EQ(refus, c.refus) << c.cas << ": " << image.message;
        EXPECT_EQ(image.pixels != nullptr, c.refus == 0) << c.cas;
    }
}
