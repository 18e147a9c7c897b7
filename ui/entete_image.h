// The size a picture file claims in its header, read before it is decoded
// (JPEG and PNG by the toolkit, GIF by giflib in ui/decodage_gif.*): the
// toolkit's readers size their pixels as width x height x depth in an int,
// which a received file can make wrap.
#ifndef UI_ENTETE_IMAGE_H
#define UI_ENTETE_IMAGE_H

#include <cstddef>

// The most pixels a picture from outside, or any copy made for drawing,
// may hold: 4 octets a pixel stay far inside an int.
constexpr double PIXELS_MAX = double(1 << 26);

enum FormatImage { IMAGE_INCONNUE, IMAGE_JPEG, IMAGE_PNG, IMAGE_GIF };

// Refusals of iTailleImage.
enum {
    IMAGE_FORMAT = 1,    // not JPEG, PNG or GIF
    IMAGE_ENTETE = 2,    // the header ends or is broken before its size
    IMAGE_TROP_GRANDE = 3, // empty, or more than PIXELS_MAX pixels
};

// The format of the octets and the size they claim: for JPEG the first
// frame header, for PNG its header chunk, for GIF the largest of the
// screen and of every image descriptor. 0, or a refusal above.
int iTailleImage(const unsigned char* octets, size_t n, FormatImage& format, int& w, int& h);

#endif
