// JPEG pictures from outside, decoded by libjpeg from the octets read
// once (never by the toolkit's reader, which sizes its pixels from a frame
// header in an int and writes libjpeg's rows into them).
#ifndef UI_DECODAGE_JPEG_H
#define UI_DECODAGE_JPEG_H

#include "ui/image_decodee.h"

#include <cstddef>

// A progressive picture has ten scans or so; a file that repeats one
// holds the decoder for as long as it likes.
constexpr int JPEG_PASSES_MAX = 100;

// What libjpeg may take for its own work: the coefficients of a whole
// progressive picture of PIXELS_MAX pixels in 4:2:0 (192 MB) fit.
constexpr long JPEG_MEMOIRE_MAX = 256L << 20;

// Decodes the `n` octets: grey pictures as grey (d 1), any other as RGB
// (d 3). The size is libjpeg's own reading of the frame header, refused
// over PIXELS_MAX, as is a multi-scan picture whose coefficients would
// take more than JPEG_MEMOIRE_MAX, before anything of that size is
// allocated; the pixels are then asked for as the rows arrive. Data that
// end before the picture does (libjpeg would show grey in its place) and
// more than JPEG_PASSES_MAX scans are refused. 0, or a refusal of
// image_decodee.h with `image` empty but for its message.
int iDecoderJpeg(const unsigned char* octets, size_t n, ImageDecodee& image);

#endif
