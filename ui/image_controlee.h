// Pictures from outside (received files, files picked in the chooser) go
// to the toolkit's readers only once their header passed iTailleImage,
// and any allocation failure of a reader is caught.
#ifndef UI_IMAGE_CONTROLEE_H
#define UI_IMAGE_CONTROLEE_H

#include "ui/entete_image.h"

class Fl_RGB_Image;
class Fl_Shared_Image;

// Larger picture files are refused whole.
constexpr long long TAILLE_IMAGE_MAX = 64LL << 20;

// Checks the regular file at `chemin` (opened without blocking): 0 with
// its format and size; otherwise a refusal of iTailleImage, or -1 when
// it cannot be read, is not a regular file or is too large. Refusals are
// logged.
int iControlerImage(const char* chemin, FormatImage& format, int& w, int& h);

// The checked picture through the toolkit's shared images; null when it
// is refused or does not decode (logged).
Fl_Shared_Image* pImageControlee(const char* chemin);

// The checked JPEG file decoded aside from the shared images (so another
// thread may call it); null otherwise (logged).
Fl_RGB_Image* pJpegControle(const char* chemin);

#endif
