#include "ui/fond_transparent.h"

#include <FL/Fl.H>
#include <cstdlib>

unsigned uFondTransparent(Fl_Color boite)
{
    return Fl::get_color(boite);
}

void vPoserSurFond(ImageDecodee& image, unsigned fond)
{
    if (image.d != 4 || !image.pixels)
        return;
    const unsigned dessous[3] = {(fond >> 24) & 0xFF, (fond >> 16) & 0xFF, (fond >> 8) & 0xFF};
    const size_t n = size_t(image.w) * size_t(image.h);
    unsigned char* p = image.pixels.get();
    // Each RGB pixel is written at or before the RGBA one it comes from.
    for (size_t i = 0; i < n; ++i) {
        const unsigned char* source = p + 4 * i;
        const unsigned a = source[3];
        for (int c = 0; c < 3; ++c)
            p[3 * i + c] = (unsigned char)((source[c] * a + dessous[c] * (255 - a) + 127) / 255);
    }
    image.d = 3;
    // The quarter left over goes back to the allocator, when it takes it.
    if (void* moins = std::realloc(p, n * 3)) {
        image.pixels.release();
        image.pixels.reset(static_cast<unsigned char*>(moins));
    }
}
