// What a picture file's first octets say: its format. Its size is read by
// the format's own library as it decodes (ui/decodage_gif.*,
// ui/decodage_jpeg.*, ui/decodage_png.*): no reading of our own can agree
// with libjpeg on every file.
#ifndef UI_ENTETE_IMAGE_H
#define UI_ENTETE_IMAGE_H

#include <cstddef>

// The most pixels a picture from outside, or any copy made for drawing,
// may hold: 4 octets a pixel stay far inside an int.
constexpr double PIXELS_MAX = double(1 << 26);

enum FormatImage { IMAGE_INCONNUE, IMAGE_JPEG, IMAGE_PNG, IMAGE_GIF };

// The format the `n` octets begin with (its signature).
FormatImage formatImage(const unsigned char* octets, size_t n);

#endif
