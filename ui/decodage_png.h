// PNG pictures from outside, decoded by libpng from the octets read once,
// within libpng's own limits (never by the toolkit's reader).
#ifndef UI_DECODAGE_PNG_H
#define UI_DECODAGE_PNG_H

#include "ui/entete_image.h"
#include "ui/image_decodee.h"

#include <cstddef>

// libpng's own bounds: the largest chunk it may allocate (a text chunk
// may claim 2 GB; past the bound libpng only warns, so the chunks that
// could are skipped besides), the most ancillary chunks it keeps, the
// widest and highest picture it reads (its usual bound).
constexpr unsigned long PNG_MORCEAU_MAX = 4UL << 20;
constexpr unsigned PNG_MORCEAUX_MAX = 128;
constexpr unsigned PNG_COTE_MAX = 1000000;
// zlib's best ratio: a deflate stream of n octets inflates to at most
// 1032 n.
constexpr double DEFLATE_RAPPORT_MAX = 1032;
// The work of a picture's rows, in octets: those inflated and unfiltered
// (twice for 16-bit samples, which are cut to 8 besides), then those
// written out (twice when interlaced: libpng spreads each pass's row over
// the whole row). An 8-bit RGBA picture of PIXELS_MAX pixels, about a
// second, is the most; 16-bit or interlaced pictures of that size asked
// up to three times as long.
constexpr double PNG_TRAVAIL_MAX = 8 * PIXELS_MAX;

// Decodes the `n` octets as the image window showed them, skipping the
// ancillary chunks but the transparency (no gamma was ever applied): a
// palette expanded, fewer than 8 bits expanded to 8, 16 bits cut to 8, a
// transparent colour as alpha; d is 1 grey, 3 RGB, 4 RGBA (grey with
// alpha too, so that one rule lays every transparent pixel over the
// windows' grey). The size is libpng's reading of the header, refused over
// PIXELS_MAX, when the octets left could not inflate to that many rows or
// its work would pass PNG_TRAVAIL_MAX, before anything of that size is
// allocated; `image.admettre`, when set, is then asked with the size. 0,
// or a refusal of image_decodee.h with `image` empty but for its message.
int iDecoderPng(const unsigned char* octets, size_t n, ImageDecodee& image);

#endif
