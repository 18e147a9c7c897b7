// Picture files whose headers claim a size their octets do not hold, as a
// received file can: a JPEG to its first scan and 240 octets of flat blocks,
// a PNG with a few octets of pixels, a GIF screen and one image descriptor.
#ifndef TESTS_OUTILS_IMAGES_TEST_H
#define TESTS_OUTILS_IMAGES_TEST_H

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

std::string jpegEnTete(unsigned largeur, unsigned hauteur);
std::string pngEnTete(unsigned largeur, unsigned hauteur);
std::string gifEnTete(unsigned ecranL, unsigned ecranH, unsigned imageL, unsigned imageH);

// A valid GIF written by giflib's encoder: a screen with its global colour
// table (0xRRGGBB each, a power of two of them, or none) and frames at the
// screen's corner, each with its colour indices row by row, interlaced or
// not, with a local table or not, and a transparent index or -1.
struct CadreGif {
    int w = 0, h = 0;
    std::vector<unsigned char> indices;
    bool entrelace = false;
    std::vector<uint32_t> tableLocale;
    int transparent = -1;
};
std::string gifEcrit(int ecranL, int ecranH, const std::vector<uint32_t>& tableGlobale,
                     const std::vector<CadreGif>& cadres);

// Six GIF files of under 100 octets that the toolkit's own GIF reader
// crashes on, spins on for ever or sizes past any bound: their names and
// octets.
//   taille16.gif   LZW minimum code size 16 (valid files use 2 to 8)
//   codes.gif      code size 2, codes past the table
//   vide.gif       a screen and no image, then the trailer
//   coupe0.gif     cut right after a code size of 0
//   apres.gif      a 20000 x 20000 image after the trailer
//   descripteur.gif an image descriptor cut in its width
std::vector<std::pair<std::string, std::string>> gifsHostiles();

// A grey progressive JPEG of `cote` x `cote` (a multiple of 8) whose
// `passes` scans all cover the whole AC band and hold nothing but
// end-of-band runs: about 60 octets a scan for a million blocks. With
// `raffinement` they refine it (Ah 1, Al 0), and libjpeg looks at the 63
// coefficients of every block in every scan; else they are first scans
// (Ah 0, Al 0), which libjpeg still walks block by block. No DC scan
// comes first.
std::string jpegFinsDeBande(unsigned cote, int passes, bool raffinement);

// A PNG of w x h whose pixels are all zero: `profondeur` bits a sample,
// colour type `type` (a palette of 2^profondeur colours for type 3), a
// transparency chunk or not, Adam7 or not; each row filtered by Paeth,
// the whole deflated in runs (zlib's RLE strategy: about its best ratio,
// at once).
struct FormePng {
    int profondeur = 8;
    int type = 2;
    bool transparence = false;
    bool entrelace = false;
};
std::string pngNul(unsigned w, unsigned h, const FormePng& forme);

#endif
