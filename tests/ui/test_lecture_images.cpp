// The readers of pictures from outside, each fault as a small file: what
// they refuse, and what a refusal costs in octets asked of the allocator
// (counted at its door, not by the readers); a file is opened once, a FIFO
// never waited on.
#include "ui/decodage_gif.h"
#include "ui/decodage_jpeg.h"
#include "ui/decodage_png.h"
#include "ui/image_controlee.h"

#include "tests/outils/images_test.h"
#include "tests/outils/mesure_allocations.h"
#include "tests/outils/outils_test.h"

#include <FL/Fl_Shared_Image.H>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace {

const std::string IMAGES = QUENBREL_SOURCE_DIR "/tests/data/images/";

// The refusal, and the octets asked of the allocator meanwhile.
std::pair<int, unsigned long long> decoder(FormatImage format, const std::string& octets)
{
    const auto* o = reinterpret_cast<const unsigned char*>(octets.data());
    MesureAllocations mesure;
    ImageDecodee image;
    ImageGif gif;
    const int refus = format == IMAGE_JPEG  ? iDecoderJpeg(o, octets.size(), image)
                      : format == IMAGE_PNG ? iDecoderPng(o, octets.size(), image)
                                            : iDecoderGif(o, octets.size(), gif);
    return {refus, mesure.octets()};
}

std::string be16(unsigned v)
{
    return {char(v >> 8), char(v)};
}

// FF 00 and a length after the start: a walk of markers of its own skips
// as a segment the frame libjpeg reads (to libjpeg, FF 00 is stray data)
// and finds a frame of 16 x 16 after the end of the picture.
std::string jpegCache(unsigned w, unsigned h)
{
    const std::string vrai = jpegEnTete(w, h).substr(2);
    return "\xFF\xD8\xFF" + std::string(1, '\0') + be16(unsigned(vrai.size()) + 2) + vrai +
           "\xFF\xC0" + be16(17) + char(8) + be16(16) + be16(16) + char(3) + std::string(9, 1);
}

// The progressive JPEG with its frame claiming w x h in 4:4:4.
std::string jpegProgressifDe(const std::string& progressive, unsigned w, unsigned h)
{
    std::string j = progressive;
    const size_t trame = j.find("\xFF\xC2");
    j.replace(trame + 5, 4, be16(h) + be16(w));
    j[trame + 11] = 0x11;
    return j;
}

}  // namespace

TEST(LectureImages, HostileFilesAreRefusedAtACostOfTheirOctetsNotOfTheSizeTheyClaim)
{
    const std::string jpeg = lireFichier(IMAGES + "simple.jpg");
    const std::string png = lireFichier(IMAGES + "simple.png");
    const std::string progressive = lireFichier(IMAGES + "progressive.jpg");
    CadreGif valide;
    valide.w = 640, valide.h = 480;
    valide.indices.assign(640 * 480, 1);
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
        {"jpeg of 10,000 scans", IMAGE_JPEG, jpegPassesRepetees(progressive, 10000),
         DECODAGE_TROP_DE_PASSES, 256},
        {"progressive 8192 x 8192 4:4:4", IMAGE_JPEG, jpegProgressifDe(progressive, 8192, 8192),
         DECODAGE_TROP_GRANDE, 64},
        {"jpeg cut in its scan", IMAGE_JPEG, jpeg.substr(0, jpeg.size() - 8), DECODAGE_COUPEE, 128},
        {"jpeg of a png", IMAGE_JPEG, png, DECODAGE_ILLISIBLE, 64},
        {"tEXt of 2 GB", IMAGE_PNG, pngMorceauGeant("tEXt"), DECODAGE_COUPEE, 64},
        {"png 8192 x 8192, 65 octets", IMAGE_PNG, pngEnTete(8192, 8192), DECODAGE_COUPEE, 64},
        {"png 8192 x 8193", IMAGE_PNG, pngEnTete(8192, 8193), DECODAGE_TROP_GRANDE, 64},
        {"png cut", IMAGE_PNG, png.substr(0, png.size() - 20), DECODAGE_COUPEE, 64},
        {"gif 8192 x 8192, 35 octets", IMAGE_GIF, gifEnTete(10, 10, 8192, 8192), GIF_TRONQUEE, 32},
        // The count sees pixels: a valid picture asks for its own at least.
        {"valid gif 640 x 480", IMAGE_GIF, gifEcrit(640, 480, {0, 0xFF0000}, {valide}), 0, 4096},
    };
    for (const auto& c : cas) {
        const auto [refus, octets] = decoder(c.format, c.octets);
        EXPECT_EQ(refus, c.refus) << c.cas;
        EXPECT_LE(octets, c.koMax * 1024) << c.cas;
        EXPECT_TRUE(refus || octets >= 640 * 480 * 3) << c.cas;
    }
}

// Decided on the octets of one reading: a picture swapped after its check
// is never decoded in its place; a FIFO is refused without a wait.
TEST(LectureImages, APictureIsOpenedOnceAndAFifoIsNeverWaitedOn)
{
    DossierTemporaire d;
    JournalTemporaire journal(d / "log.txt");
    for (const char* nom : {"simple.jpg", "simple.png", "simple.gif"}) {
        ecrireFichier(d / nom, lireFichier(IMAGES + nom));
        EXPECT_EQ(iOuvertures(d / nom, [&] { pImageControlee((d / nom).c_str())->release(); }), 1)
            << nom;
    }
    const std::string jpeg = d / "simple.jpg";
    EXPECT_EQ(iOuvertures(jpeg, [&] { delete pJpegControle(jpeg.c_str()); }), 1);
    ASSERT_TRUE(commande("mkfifo " + sh(d / "tube.jpg")));
    EXPECT_EQ(pImageControlee((d / "tube.jpg").c_str()), nullptr);
    EXPECT_EQ(pJpegControle((d / "tube.jpg").c_str()), nullptr);
    EXPECT_NE(journal.contenu().find("tube.jpg refusee: pas un fichier ordinaire"),
              std::string::npos);
}
