#include "tests/outils/images_test.h"

namespace {

std::string be16(unsigned v)
{
    return {char(v >> 8), char(v)};
}

std::string le16(unsigned v)
{
    return {char(v), char(v >> 8)};
}

std::string be32(unsigned v)
{
    return be16(v >> 16) + be16(v & 0xFFFF);
}

}  // namespace

std::string jpegEnTete(unsigned largeur, unsigned hauteur)
{
    std::string j = "\xFF\xD8";
    j += std::string("\xFF\xE0") + be16(16) + std::string("JFIF\0\x01\x01\0\0\x01\0\x01\0\0", 14);
    j += std::string("\xFF\xC0") + be16(17) + char(8) + be16(hauteur) + be16(largeur) + char(3);
    for (int c = 1; c <= 3; ++c)
        j += std::string{char(c), char(0x11), char(0)};
    j += std::string(240, '\x55');
    return j + "\xFF\xD9";
}

std::string pngEnTete(unsigned largeur, unsigned hauteur)
{
    std::string p("\x89PNG\r\n\x1a\n", 8);
    p += be32(13) + "IHDR" + be32(largeur) + be32(hauteur) + std::string{8, 2, 0, 0, 0};
    p += be32(0);  // the chunk's check, wrong on purpose: readers may look at it or not
    return p + std::string(200, '\0');
}

std::string gifEnTete(unsigned ecranL, unsigned ecranH, unsigned imageL, unsigned imageH)
{
    std::string g = "GIF89a" + le16(ecranL) + le16(ecranH) + std::string{char(0x80), 0, 0};
    g += std::string{0, 0, 0, char(0xFF), char(0xFF), char(0xFF)};  // two colours
    g += "," + le16(0) + le16(0) + le16(imageL) + le16(imageH) + char(0);
    g += std::string{2, 2, char(0x4C), 1, 0};  // minimum code size, one small block
    return g + ";";
}
