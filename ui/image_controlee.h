// Pictures from outside (received files, files picked in the chooser):
// each file is opened once as a plain file, read once, and decoded from
// those octets by the library of its format (GIF by giflib, JPEG by
// libjpeg, PNG by libpng, each within its limits), its transparent pixels
// laid over the colour of the box that draws it (ui/fond_transparent.h):
// the image window's grey unless told. The toolkit's
// readers never see one: they are left to the program's own pictures.
#ifndef UI_IMAGE_CONTROLEE_H
#define UI_IMAGE_CONTROLEE_H

#include "ui/entete_image.h"
#include "ui/image_decodee.h"

#include <FL/Enumerations.H>
#include <cstddef>
#include <string>

class Fl_RGB_Image;
class Fl_Shared_Image;

// Larger picture files are refused whole.
constexpr long long TAILLE_IMAGE_MAX = 64LL << 20;

// The checked picture as a shared image of its own (the caller releases
// it; nothing reads the file again by its name); null when it is refused
// or does not decode (logged), or when `admettre` refuses the size read
// from its header (before its pixels are decoded; not logged).
Fl_Shared_Image* pImageControlee(const char* chemin, const Admission& admettre = nullptr);

// The checked JPEG file decoded aside from the shared images (so another
// thread may call it); null otherwise (logged).
Fl_RGB_Image* pJpegControle(const char* chemin);

// The file at `chemin` read once as a plain file (a FIFO or a device,
// which would hold the caller in open or read, is refused): all of it
// when it begins as a picture (refused past TAILLE_IMAGE_MAX), else its
// first `debut` octets. False when it cannot be read (logged).
bool bLireImage(const char* chemin, std::string& octets, size_t debut);

// The picture the octets hold, of the format wanted unless that is
// IMAGE_INCONNUE; null when it is refused, does not decode or the
// decoder runs out of memory (logged under `nom`, except octets that are
// no picture at all), or `admettre` refuses its size (not logged). Its
// transparent pixels show the colour `boite`, which the picture's box has.
Fl_RGB_Image* pDecoderImage(const std::string& octets, FormatImage voulu, const char* nom,
                            const Admission& admettre = nullptr, Fl_Color boite = FL_GRAY);

#endif
