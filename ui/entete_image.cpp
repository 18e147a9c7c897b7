#include "ui/entete_image.h"

#include <cstring>

FormatImage formatImage(const unsigned char* o, size_t n)
{
    if (n >= 3 && o[0] == 0xFF && o[1] == 0xD8 && o[2] == 0xFF)
        return IMAGE_JPEG;
    if (n >= 8 && std::memcmp(o, "\x89PNG\r\n\x1a\n", 8) == 0)
        return IMAGE_PNG;
    if (n >= 6 && (std::memcmp(o, "GIF87a", 6) == 0 || std::memcmp(o, "GIF89a", 6) == 0))
        return IMAGE_GIF;
    return IMAGE_INCONNUE;
}
