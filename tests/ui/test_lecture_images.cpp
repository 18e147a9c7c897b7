// The readers of pictures from outside, each fault as a small file: what
// they refuse, and what a refusal costs in octets asked of the allocator
// (counted at its door, not by the readers); valid pictures show the
// pixels the toolkit's readers showed; a file is opened once, a FIFO
// never waited on.
#include "ui/decodage_gif.h"
#include "ui/decodage_jpeg.h"
#include "ui/decodage_png.h"
#include "ui/image_controlee.h"

#include "tests/outils/images_test.h"
#include "tests/outils/mesure_allocations.h"
#include "tests/outils/outils_test.h"

#include <FL/Fl_JPEG_Image.H>
#include <FL/Fl_PNG_Image.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Shared_Image.H>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <sys/inotify.h>
#include <unistd.h>

namespace {

struct Decodage {
    int refus;
    unsigned long long octets;  // asked of the allocator meanwhile
};

Decodage decoder(FormatImage format, const std::string& octets)
{
    const auto* o = reinterpret_cast<const unsigned char*>(octets.data());
    MesureAllocations mesure;
    ImageDecodee image;
    ImageGif gif;
    int refus = -1;
    switch (format) {
    case IMAGE_JPEG: refus = iDecoderJpeg(o, octets.size(), image); break;
    case IMAGE_PNG: refus = iDecoderPng(o, octets.size(), image); break;
    case IMAGE_GIF: refus = iDecoderGif(o, octets.size(), gif); break;
    case IMAGE_INCONNUE: break;
    }
    return {refus, mesure.octets()};
}

std::string be16(unsigned v)
{
    return {char(v >> 8), char(v)};
}

// Octets FF 00 after the start of image, with a length after them: a
// walk of markers of its own skips, as a segment, the frame header libjpeg
// reads (FF 00 is stray data to libjpeg), and finds a small frame after
// the end of the picture.
std::string jpegCache(unsigned w, unsigned h)
{
    const std::string vrai = jpegEnTete(w, h).substr(2);
    const std::string leurre = std::string("\xFF\xC0") + be16(17) + char(8) + be16(16) + be16(16) +
                               char(3) + std::string(9, '\x11');
    return "\xFF\xD8\xFF" + std::string(1, '\0') + be16(unsigned(vrai.size()) + 2) + vrai + leurre;
}

// A progressive JPEG of 64 x 48 in 4:4:4 whose frame claims w x h.
std::string jpegProgressifDe(unsigned w, unsigned h)
{
    OptionsJpeg o;
    o.h0 = o.v0 = 1;
    o.progressif = true;
    std::string j = jpegEcrit(64, 48, o);
    const size_t sof = j.find("\xFF\xC2");
    j.replace(sof + 5, 4, be16(h) + be16(w));
    return j;
}

const unsigned long long KO = 1024, MO = 1024 * 1024;

// The pixels as RGBA, whatever the depth.
std::string rgba(const Fl_Image& image)
{
    const int d = image.d(), ld = image.ld() ? image.ld() : image.w() * d;
    const auto* p = reinterpret_cast<const unsigned char*>(image.data()[0]);
    std::string sortie;
    for (int y = 0; y < image.h(); ++y)
        for (int x = 0; x < image.w(); ++x) {
            const unsigned char* q = p + size_t(y) * ld + size_t(x) * d;
            const bool couleur = d >= 3, alpha = d == 2 || d == 4;
            sortie += {char(q[0]), char(q[couleur ? 1 : 0]), char(q[couleur ? 2 : 0]),
                       char(alpha ? q[d - 1] : 255)};
        }
    return sortie;
}

// What the toolkit's reader made of the same valid file, as the image
// window showed it.
std::string rgbaToolkit(const std::string& chemin)
{
    std::unique_ptr<Fl_RGB_Image> image;
    if (chemin.substr(chemin.size() - 4) == ".png")
        image.reset(new Fl_PNG_Image(chemin.c_str()));
    else
        image.reset(new Fl_JPEG_Image(chemin.c_str()));
    EXPECT_EQ(image->fail(), 0) << chemin;
    return rgba(*image);
}

std::string jpegDe(bool gris, int h0, int v0, bool progressif, bool arithmetique)
{
    OptionsJpeg o;
    o.gris = gris, o.h0 = h0, o.v0 = v0, o.progressif = progressif, o.arithmetique = arithmetique;
    return jpegEcrit(37, 23, o);
}

}  // namespace

TEST(LectureImages, HostileFilesAreRefusedAtACostOfTheirOctetsNotOfTheSizeTheyClaim)
{
    ASSERT_TRUE(MesureAllocations::bDisponible());
    const std::string jpeg = jpegEcrit(64, 48, {});
    OptionsJpeg progressif;
    progressif.progressif = true;
    const std::string png = lireFichier(QUENBREL_SOURCE_DIR "/tests/data/images/simple.png");
    const struct {
        const char* cas;
        FormatImage format;
        std::string octets;
        int refus;
        unsigned long long octetsMax;
    } cas[] = {
        {"jpeg: FF 00 hides a frame of 61426 x 23307", IMAGE_JPEG, jpegCache(61426, 23307),
         DECODAGE_TROP_GRANDE, 64 * KO},
        {"jpeg: the same at 16384 x 16384", IMAGE_JPEG, jpegCache(16384, 16384),
         DECODAGE_TROP_GRANDE, 64 * KO},
        {"jpeg: 8192 x 8192 in 400 octets", IMAGE_JPEG, jpegEnTete(8192, 8192), DECODAGE_COUPEE,
         2 * MO},
        {"jpeg: 10,000 scans", IMAGE_JPEG, jpegPassesRepetees(jpegEcrit(64, 48, progressif), 10000),
         DECODAGE_TROP_DE_PASSES, 256 * KO},
        {"jpeg: progressive 8192 x 8192 in 4:4:4", IMAGE_JPEG, jpegProgressifDe(8192, 8192),
         DECODAGE_TROP_GRANDE, 64 * KO},
        {"jpeg: cut in its scan", IMAGE_JPEG, jpeg.substr(0, jpeg.size() * 2 / 3), DECODAGE_COUPEE,
         128 * KO},
        {"jpeg: not one", IMAGE_JPEG, png, DECODAGE_ILLISIBLE, 64 * KO},
        {"png: tEXt of 2 GB", IMAGE_PNG, pngMorceauGeant("tEXt"), DECODAGE_COUPEE, 64 * KO},
        {"png: zTXt of 2 GB", IMAGE_PNG, pngMorceauGeant("zTXt"), DECODAGE_COUPEE, 64 * KO},
        {"png: iTXt of 2 GB", IMAGE_PNG, pngMorceauGeant("iTXt"), DECODAGE_COUPEE, 64 * KO},
        {"png: sPLT of 2 GB", IMAGE_PNG, pngMorceauGeant("sPLT"), DECODAGE_COUPEE, 64 * KO},
        {"png: 8192 x 8192 in 70 octets", IMAGE_PNG, pngEnTete(8192, 8192), DECODAGE_COUPEE,
         64 * KO},
        {"png: 8192 x 8193", IMAGE_PNG, pngEnTete(8192, 8193), DECODAGE_TROP_GRANDE, 64 * KO},
        {"png: 65535 x 65535", IMAGE_PNG, pngEnTete(65535, 65535), DECODAGE_TROP_GRANDE, 64 * KO},
        {"png: cut", IMAGE_PNG, png.substr(0, png.size() - 20), DECODAGE_COUPEE, 64 * KO},
        {"gif: 8192 x 8192 in 40 octets", IMAGE_GIF, gifEnTete(10, 10, 8192, 8192), GIF_TRONQUEE,
         32 * KO},
        {"gif: 8193 x 8192", IMAGE_GIF, gifEnTete(10, 10, 8193, 8192), GIF_TROP_GRANDE, 32 * KO},
    };
    for (const auto& c : cas) {
        const Decodage d = decoder(c.format, c.octets);
        EXPECT_EQ(d.refus, c.refus) << c.cas;
        EXPECT_LE(d.octets, c.octetsMax) << c.cas;
    }
    // The count sees pixels: a valid picture asks for its own at least.
    const Decodage valide = decoder(IMAGE_JPEG, jpegEcrit(640, 480, {}));
    EXPECT_EQ(valide.refus, 0);
    EXPECT_GE(valide.octets, 640u * 480u * 3u);
}

// JPEG: baseline, progressive, grey, 4:2:0, 4:2:2, 4:4:4, arithmetic; PNG:
// RGB, RGBA, palette, grey of 1 and 8 bits, grey and alpha, 16 bits,
// a transparent colour, interlaced: the toolkit's pixels, at 37 x 23
// (blocks cut at the edges) and in the small files of the test data.
TEST(LectureImages, ValidPicturesShowTheToolkitsPixels)
{
    DossierTemporaire d;
    JournalTemporaire journal(d / "log.txt");
    const struct {
        const char* nom;
        std::string octets;
    } jpegs[] = {
        {"420.jpg", jpegDe(false, 2, 2, false, false)},
        {"422.jpg", jpegDe(false, 2, 1, false, false)},
        {"444.jpg", jpegDe(false, 1, 1, false, false)},
        {"progressive.jpg", jpegDe(false, 2, 2, true, false)},
        {"gris.jpg", jpegDe(true, 1, 1, false, false)},
        {"arithmetique.jpg", jpegDe(false, 2, 1, false, true)},
        {"arithmetique_progressive.jpg", jpegDe(false, 2, 2, true, true)},
    };
    // libjpeg wrote them as asked: arithmetic frames, sequential and progressive.
    EXPECT_NE(jpegs[5].octets.find("\xFF\xC9"), std::string::npos);
    EXPECT_NE(jpegs[6].octets.find("\xFF\xCA"), std::string::npos);
    std::vector<std::string> chemins;
    for (const auto& j : jpegs) {
        ecrireFichier(d / j.nom, j.octets);
        chemins.push_back(d / j.nom);
    }
    const char* const pngs[][2] = {
        {"rgb.png", "gradient:red-blue PNG24:"},
        {"rgba16.png", "gradient:red-blue -alpha set -channel A -fx i/w +channel PNG64:"},
        {"palette.png", "gradient:red-blue -colors 16 PNG8:"},
        {"gris.png", "gradient:black-white -colorspace Gray -depth 8 "},
        {"gris1.png", "pattern:checkerboard -monochrome -define png:bit-depth=1 "
                      "-define png:color-type=0 "},
        {"gris_alpha.png", "gradient:black-white -colorspace Gray -alpha set -channel A "
                           "-evaluate set 50% +channel -define png:color-type=4 "},
        {"rgb16_transparent.png", "gradient:red-blue -transparent red -define png:color-type=2 "},
        {"entrelacee.png", "gradient:red-blue -alpha set -channel A -fx j/h +channel "
                           "-interlace PNG PNG32:"},
    };
    for (const auto& p : pngs) {
        ASSERT_TRUE(commande("convert -size 37x23 " + std::string(p[1]) + sh(d / p[0]))) << p[0];
        chemins.push_back(d / p[0]);
    }
    for (const char* nom : {"simple.jpg", "progressive.jpg", "gris.jpg", "simple.png",
                            "transparente.png", "palette.png", "gris16.png", "entrelacee.png"})
        chemins.push_back(QUENBREL_SOURCE_DIR "/tests/data/images/" + std::string(nom));
    for (const std::string& chemin : chemins) {
        Fl_Shared_Image* image = pImageControlee(chemin.c_str());
        ASSERT_NE(image, nullptr) << chemin;
        EXPECT_TRUE(memesOctets(rgba(*image), rgbaToolkit(chemin))) << chemin;
        image->release();
    }
    EXPECT_EQ(journal.contenu().find("refusee"), std::string::npos) << journal.contenu();
}

namespace {

// The times the file was opened while `lire` ran, as the kernel saw them.
int ouvertures(const std::string& chemin, const std::function<void()>& lire)
{
    const int in = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    EXPECT_GE(in, 0);
    EXPECT_GE(inotify_add_watch(in, chemin.c_str(), IN_OPEN), 0);
    lire();
    int n = 0;
    alignas(inotify_event) char tampon[4096];
    for (ssize_t k; (k = read(in, tampon, sizeof tampon)) > 0;)
        for (char* p = tampon; p < tampon + k;) {
            const auto* e = reinterpret_cast<const inotify_event*>(p);
            n += (e->mask & IN_OPEN) != 0;
            p += sizeof(inotify_event) + e->len;
        }
    close(in);
    return n;
}

}  // namespace

// Decided on the octets of one reading: a picture swapped after its check
// is never decoded in its place; a FIFO is refused without a wait.
TEST(LectureImages, APictureIsOpenedOnceAndAFifoIsNeverWaitedOn)
{
    DossierTemporaire d;
    JournalTemporaire journal(d / "log.txt");
    const std::string jpeg = d / "image.jpg", png = d / "image.png", gif = d / "image.gif";
    ecrireFichier(jpeg, jpegEcrit(40, 20, {}));
    ecrireFichier(png, lireFichier(QUENBREL_SOURCE_DIR "/tests/data/images/simple.png"));
    ecrireFichier(gif, lireFichier(QUENBREL_SOURCE_DIR "/tests/data/images/simple.gif"));
    for (const std::string& chemin : {jpeg, png, gif})
        EXPECT_EQ(ouvertures(chemin,
                             [&] {
                                 Fl_Shared_Image* image = pImageControlee(chemin.c_str());
                                 ASSERT_NE(image, nullptr);
                                 image->release();
                             }),
                  1)
            << chemin;
    EXPECT_EQ(ouvertures(jpeg, [&] { delete pJpegControle(jpeg.c_str()); }), 1);

    const std::string tube = d / "tube.jpg";
    ASSERT_TRUE(commande("mkfifo " + sh(tube)));
    EXPECT_EQ(pImageControlee(tube.c_str()), nullptr);
    EXPECT_EQ(pJpegControle(tube.c_str()), nullptr);
    std::string octets;
    EXPECT_FALSE(bLireImage(tube.c_str(), octets, 16));
    EXPECT_NE(journal.contenu().find("tube.jpg refusee: pas un fichier ordinaire"),
              std::string::npos);
}
