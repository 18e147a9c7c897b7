// The size read from a picture's header before any decoder sees it.
#include "ui/entete_image.h"

#include "tests/outils/images_test.h"

#include <gtest/gtest.h>
#include <string>

TEST(EnteteImage, SizesClaimedAndRefusals)
{
    std::string gifCoupe = gifEnTete(640, 480, 640, 480);
    gifCoupe.pop_back();  // no trailer: what is there is read
    const struct {
        const char* cas;
        std::string octets;
        int refus;
        FormatImage format;
        int w, h;
    } cas[] = {
        {"jpeg", jpegEnTete(1024, 512), 0, IMAGE_JPEG, 1024, 512},
        {"jpeg wraps the toolkit", jpegEnTete(21858, 65500), IMAGE_TROP_GRANDE, IMAGE_JPEG, 0, 0},
        {"jpeg of no width", jpegEnTete(0, 10), IMAGE_TROP_GRANDE, IMAGE_JPEG, 0, 0},
        {"jpeg cut in its frame", jpegEnTete(8, 8).substr(0, 26), IMAGE_ENTETE, IMAGE_JPEG, 0, 0},
        {"jpeg with its scan first", "\xFF\xD8\xFF\xDA" + std::string(20, '\0'), IMAGE_ENTETE,
         IMAGE_JPEG, 0, 0},
        {"png", pngEnTete(300, 200), 0, IMAGE_PNG, 300, 200},
        {"png at the bound", pngEnTete(8192, 8192), 0, IMAGE_PNG, 8192, 8192},
        {"png past it", pngEnTete(8192, 8193), IMAGE_TROP_GRANDE, IMAGE_PNG, 0, 0},
        {"png huge", pngEnTete(65535, 65535), IMAGE_TROP_GRANDE, IMAGE_PNG, 0, 0},
        {"png cut", pngEnTete(3, 3).substr(0, 20), IMAGE_ENTETE, IMAGE_PNG, 0, 0},
        {"gif", gifEnTete(640, 480, 640, 480), 0, IMAGE_GIF, 640, 480},
        {"gif screen", gifEnTete(30000, 30000, 1, 1), IMAGE_TROP_GRANDE, IMAGE_GIF, 0, 0},
        {"gif image beyond its screen", gifEnTete(10, 10, 65535, 65535), IMAGE_TROP_GRANDE,
         IMAGE_GIF, 0, 0},
        {"gif without trailer", gifCoupe, 0, IMAGE_GIF, 640, 480},
        {"gif unknown block", "GIF89a" + std::string(7, '\x01') + std::string("!\x01\x00Z", 4),
         IMAGE_ENTETE, IMAGE_GIF, 0, 0},
        {"text", "FQNT50 LFPW", IMAGE_FORMAT, IMAGE_INCONNUE, 0, 0},
        {"empty", "", IMAGE_FORMAT, IMAGE_INCONNUE, 0, 0},
    };
    for (const auto& c : cas) {
        FormatImage format;
        int w = -1, h = -1;
        EXPECT_EQ(iTailleImage(reinterpret_cast<const unsigned char*>(c.octets.data()),
                               c.octets.size(), format, w, h),
                  c.refus)
            << c.cas;
        EXPECT_EQ(format, c.format) << c.cas;
        EXPECT_EQ(w, c.w) << c.cas;
        EXPECT_EQ(h, c.h) << c.cas;
    }
}
