// A picture from outside decoded by the library of its format (libjpeg,
// libpng) from the octets read once: its pixels, or why it was refused.
#ifndef UI_IMAGE_DECODEE_H
#define UI_IMAGE_DECODEE_H

#include <cstdlib>
#include <functional>
#include <memory>

// Asked once the format's library has read the header, before any pixel
// is decoded or allocated: the picture will be w x h pixels of d octets.
// False refuses it.
using Admission = std::function<bool(int w, int h, int d)>;

struct LibererPixels {
    void operator()(unsigned char* p) const { std::free(p); }
};

struct ImageDecodee {
    int w = 0, h = 0;
    int d = 0;  // octets a pixel: 1 grey, 2 grey and alpha, 3 RGB, 4 RGBA
    // w x h x d octets row by row, from malloc (grown with the rows).
    std::unique_ptr<unsigned char, LibererPixels> pixels;
    // What the library (or the decoder) said of the octets it refused.
    char message[200] = {};
    // Set by the caller before the decoding, when the size must be agreed
    // to (a budget of pixels): kept by the decoder.
    Admission admettre;

    // A refused picture: no pixels, no size; its message stays.
    void vVider()
    {
        pixels.reset();
        w = h = d = 0;
    }
    // Before a decoding: empty, no message; the admission stays.
    void vRecommencer()
    {
        vVider();
        message[0] = 0;
    }
};

// Refusals of iDecoderJpeg and iDecoderPng; the image is then left empty.
enum {
    DECODAGE_ILLISIBLE = 1,       // the library refused the octets
    DECODAGE_TROP_GRANDE = 2,     // empty, over PIXELS_MAX pixels, or past the library's memory
    DECODAGE_COUPEE = 3,          // the octets end (or could only end) before the picture does
    DECODAGE_TROP_DE_PASSES = 4,  // more scans than a real picture has
    DECODAGE_MEMOIRE = 5,         // the allocator refused
    DECODAGE_TROP_DE_TRAVAIL = 6, // more work than the largest real picture asks
    DECODAGE_NON_ADMISE = 7,      // the caller's admission refused its size
};

// What a refusal says, for the log.
const char* pcRefusDecodage(int refus);

// Room for the first `lignes` rows of the image (of its w, h and d) in
// `image.pixels`, which holds `capacite` rows and grows by half again at
// least, never past h: a picture read row by row asks for its pixels as
// its rows arrive, not as its header claims. False when the allocator
// refuses (the rows already there kept).
bool bPlaceLignes(ImageDecodee& image, size_t lignes, size_t& capacite);

#endif
