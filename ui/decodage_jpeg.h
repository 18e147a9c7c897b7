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

// The work of a picture's scans, in coefficients looked at, counted as
// each scan starts from what libjpeg read of it: a block costs about 16
// even in a scan that holds nothing for it, and a refinement scan looks at
// every coefficient of its band in every block besides. libjpeg's standard
// progressions of the largest pictures whose coefficients fit (4:2:0 of
// PIXELS_MAX, 4:4:4 or CMYK of fewer) take under 2^29, a few tenths of a
// second; a few kilooctets of scans can ask ten times as much.
constexpr double JPEG_TRAVAIL_BLOC = 16;
constexpr double JPEG_TRAVAIL_MAX = double(1 << 29);

// Decodes the `n` octets: grey pictures as grey (d 1), any other as RGB
// (d 3). The size is libjpeg's own reading of the frame header, refused
// over PIXELS_MAX, as is a multi-scan picture whose coefficients would
// take more than JPEG_MEMOIRE_MAX, before anything of that size is
// allocated; `image.admettre`, when set, is then asked with the size, and
// the pixels are asked for as the rows arrive. Data that end before the
// picture does (libjpeg would show grey in its place), more than
// JPEG_PASSES_MAX scans, and a scan that would take the work past
// JPEG_TRAVAIL_MAX are refused. 0, or a refusal of image_decodee.h with
// `image` empty but for its message.
int iDecoderJpeg(const unsigned char* octets, size_t n, ImageDecodee& image);

#endif
