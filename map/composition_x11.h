// Blending a picture of red, green, blue and alpha over the toolkit's
// current X drawable, as the toolkit's own RGBA image draw does it (alpha
// premultiplied the same way, the same Render "over" operation, the same
// clip), but with the picture's server pixmap kept from one draw to the
// next, only the part that shows converted, and written straight into
// memory the server shares when it offers it: the band pictures are
// redrawn whole at every frame of the map.
#ifndef MAP_COMPOSITION_X11_H
#define MAP_COMPOSITION_X11_H

// The part (cx, cy, l, h) of a picture of `li` x `hi` pixels blended in at
// (x, y). False, with nothing drawn, where this way is not open (another
// drawing surface than the display, a server without the Render
// extension): the caller draws it the toolkit's way.
bool bComposerX11(const unsigned char* rvba, int li, int hi, int x, int y, int l, int h, int cx,
                  int cy);

#endif
