// Blending a picture of red, green, blue and alpha over the toolkit's
// current X drawable, as the toolkit's own RGBA image draw does it (alpha
// premultiplied the same way, the same Render "over" operation, the same
// clip), but with the picture's server pixmap kept from one draw to the
// next, only the part that shows converted and sent, and sent through
// shared memory when the server offers it: the band pictures are redrawn
// whole at every frame of the map.
#ifndef MAP_COMPOSITION_X11_H
#define MAP_COMPOSITION_X11_H

#include <cstdint>

// The part (cx, cy, l, h) of a picture of `li` x `hi` pixels blended in at
// (x, y). False, with nothing drawn, where this way is not open (another
// drawing surface than the display, a server without the Render
// extension): the caller draws it the toolkit's way.
bool bComposerX11(const unsigned char* rvba, int li, int hi, int x, int y, int l, int h, int cx,
                  int cy);

// The pixel as the server's premultiplied ARGB32 format holds it: each
// colour times alpha / 255, truncated, as the toolkit converts it.
inline uint32_t iPremultiplie(const unsigned char* p)
{
    const uint32_t a = p[3];
    return a << 24 | (p[0] * a / 255) << 16 | (p[1] * a / 255) << 8 | p[2] * a / 255;
}

#endif
