// What shows through a picture from outside: the colour of the box that
// draws it (the image window's grey, the chooser preview's blue).
// Transparent pixels are laid over that colour once, as the picture is
// decoded (GIF and PNG alike), so that no drawing blends them with
// whatever the window's buffer happens to hold.
#ifndef UI_FOND_TRANSPARENT_H
#define UI_FOND_TRANSPARENT_H

#include "ui/image_decodee.h"

#include <FL/Enumerations.H>

// The colour under every transparent pixel of a picture drawn in a box of
// colour `boite`, as the toolkit gives a colour (0xRRGGBB00). Asks the
// toolkit: from the interface's thread only.
unsigned uFondTransparent(Fl_Color boite = FL_GRAY);

// RGBA pixels (d 4) laid over `fond` as RGB (d 3), in place: a pixel of
// alpha a shows a/255 of its colour and the rest of the grey. Other depths
// are left as they are.
void vPoserSurFond(ImageDecodee& image, unsigned fond);

#endif
