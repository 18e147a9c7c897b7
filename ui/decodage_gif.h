// GIF pictures from outside, decoded by giflib: the toolkit's own GIF
// reader trusts the file (LZW tables overrun, reads past the end for
// ever) and must never see one.
#ifndef UI_DECODAGE_GIF_H
#define UI_DECODAGE_GIF_H

#include "ui/image_decodee.h"

#include <cstddef>
#include <memory>

// The first frame of a GIF as RGB pixels; where the frame names a
// transparent colour, `fond` shows (an RGB colour as the toolkit gives
// it: 0xRRGGBB00), as a picture drawn over its box.
struct ImageGif {
    int w = 0, h = 0;
    std::unique_ptr<unsigned char[]> pixels;  // w x h x 3 octets, row by row
    // giflib's error code when it refused the data, else 0.
    int erreurGif = 0;
    // Set by the caller before the decoding, when the size must be agreed
    // to (asked with d 3): kept by the decoder.
    Admission admettre;
};

// Refusals of iDecoderGif.
enum {
    GIF_ILLISIBLE = 1,   // giflib refused the data: not a GIF, cut or corrupt
    GIF_SANS_IMAGE = 2,  // the trailer before any image
    GIF_TROP_GRANDE = 3, // a first frame empty or of more than PIXELS_MAX pixels
    GIF_TRONQUEE = 4,    // a first frame larger than the octets left could ever draw
    GIF_NON_ADMISE = 5,  // the caller's admission refused its size
};

// Decodes the first frame of the `n` octets (only that frame: the image
// window shows no other, and later ones are never read or allocated). Its
// size is checked against PIXELS_MAX, and against what LZW could draw
// from the octets left at its best, and `image.admettre` asked, before
// anything of that size is allocated: what a refused file costs grows
// with its octets, not with the size it claims. 0, or a refusal above
// with `image` left empty.
int iDecoderGif(const unsigned char* octets, size_t n, ImageGif& image, unsigned fond = 0);

// The most pixels LZW codes of at least `bits` bits can draw from
// `octets` octets.
double dPixelsLzwMax(size_t octets, int bits);

// What a refusal says, for the log.
const char* pcRefusGif(int refus);

// The octets the decoder has asked the allocator for, for frames' indices
// and pixels, since the program started: what a file cost, told without
// a clock.
unsigned long long ullOctetsGifDemandes();

#endif
