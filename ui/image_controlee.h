// Pictures from outside (received files, files picked in the chooser) are
// decoded only once their header passed iTailleImage: JPEG and PNG by the
// toolkit's readers over libjpeg and libpng, GIF by giflib (the toolkit's
// own GIF reader never sees one). Any allocation failure of a reader is
// caught.
#ifndef UI_IMAGE_CONTROLEE_H
#define UI_IMAGE_CONTROLEE_H

#include "ui/entete_image.h"

class Fl_RGB_Image;
class Fl_Shared_Image;

// Larger picture files are refused whole.
constexpr long long TAILLE_IMAGE_MAX = 64LL << 20;

// The checked picture as a shared image of its own (the caller releases
// it; nothing reads the file again by its name); null when it is refused
// or does not decode (logged).
Fl_Shared_Image* pImageControlee(const char* chemin);

// The checked JPEG file decoded aside from the shared images (so another
// thread may call it); null otherwise (logged).
Fl_RGB_Image* pJpegControle(const char* chemin);

#endif
