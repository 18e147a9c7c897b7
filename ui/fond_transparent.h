// What shows through a picture from outside: the grey of the windows that
// draw it. Transparent pixels are laid over that grey once, as the picture
// is decoded (GIF and PNG alike), so that no drawing blends them with
// whatever the window's buffer happens to hold.
#ifndef UI_FOND_TRANSPARENT_H
#define UI_FOND_TRANSPARENT_H

#include "ui/image_decodee.h"

// The grey under every transparent pixel, as the toolkit gives a colour
// (0xRRGGBB00). Asks the toolkit: from the interface's thread only.
unsigned uFondTransparent();

// RGBA pixels (d 4) laid over `fond` as RGB (d 3), in place: a pixel of
// alpha a shows a/255 of its colour and the rest of the grey. Other depths
// are left as they are.
void vPoserSurFond(ImageDecodee& image, unsigned fond);

#endif
