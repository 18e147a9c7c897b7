// The format a picture's first octets say; the sizes they claim are the
// libraries' reading (test_images_recues.cpp).
#include "ui/entete_image.h"

#include "tests/outils/images_test.h"

#include <gtest/gtest.h>
#include <string>

TEST(EnteteImage, TheFormatIsTheSignature)
{
    const struct {
        const char* cas;
        std::string octets;
        FormatImage format;
    } cas[] = {
        {"jpeg", jpegEnTete(1024, 512), IMAGE_JPEG},
        {"jpeg start alone", "\xFF\xD8", IMAGE_INCONNUE},
        {"png", pngEnTete(300, 200), IMAGE_PNG},
        {"png signature cut", pngEnTete(3, 3).substr(0, 7), IMAGE_INCONNUE},
        {"gif89a", gifEnTete(640, 480, 640, 480), IMAGE_GIF},
        {"gif87a", "GIF87a", IMAGE_GIF},
        {"gif of another version", "GIF88a", IMAGE_INCONNUE},
        {"text", "FQNT50 LFPW", IMAGE_INCONNUE},
        {"empty", "", IMAGE_INCONNUE},
    };
    for (const auto& c : cas)
        EXPECT_EQ(formatImage(reinterpret_cast<const unsigned char*>(c.octets.data()),
                              c.octets.size()),
                  c.format)
            << c.cas;
}
