// The drawn world map in the program's own pixmap format: the toolkit's
// char** pixmap layout with a binary colour table, kept as separately
// allocated lines (header, colour table, then one line per row).
//
// File layout: a 255-byte header starting "W H NCOLORS CPP" (NCOLORS is
// negative: -NCOLORS entries of 4 bytes, colour character then red, green,
// blue), the colour table, then H rows of W bytes, top row first.
#ifndef MAP_DRU_PIXMAP_H
#define MAP_DRU_PIXMAP_H

#include <cstddef>

// Size of the header line on file; in memory one more byte keeps it a
// terminated text.
constexpr int PIXMAP_ENTETE = 255;

class Dru_Pixmap {
public:
    // Adopts the lines (null: an empty pixmap). Lines whose header is not
    // a sane binary pixmap are refused: the object stays empty and the
    // lines remain the caller's.
    explicit Dru_Pixmap(char** lignes);
    // Builds the lines from a whole pixmap file held in memory; the buffer
    // stays the caller's. A buffer whose header does not describe data
    // that fits in `longueur` bytes gives an empty pixmap.
    Dru_Pixmap(const char* image, size_t longueur);
    ~Dru_Pixmap();
    Dru_Pixmap(const Dru_Pixmap&) = delete;
    Dru_Pixmap& operator=(const Dru_Pixmap&) = delete;

    // Parses the header of line 0 into W, H, NCOLORS, CPP; drops the lines
    // when the header is not one this format can hold.
    void infos();
    void free();
    // Frees a line array that has no object (its size read from its header).
    static void free(char** lignes);

    // A whole pixmap file as a new line array, or null (missing file,
    // damaged header, or less data than the header announces).
    static char** read(const char* chemin);
    // Writes a line array; nothing happens when the file cannot be opened
    // or the header is not sane. Answers 0, or -1.
    static int write(char** lignes, const char* chemin);

    // The part of the world that a map of w x h screen pixels shows at
    // raster offsets x, y and `scale` raster pixels per screen pixel
    // (`stretch`: the map's vertical stretch), as new lines owned by the
    // caller. Below one raster pixel per screen pixel the cut is not
    // enlarged: the caller scales it. Null when the pixmap has no lines
    // and `fallback` is null.
    char** copyplat(double stretch, double x, double y, int w, int h, double scale,
                    char** fallback);

    char** data = nullptr;
    int W = 0;
    int H = 0;
    int NCOLORS = 0;
    int CPP = 0;
};

// The four numbers of a pixmap header of PIXMAP_ENTETE bytes (not
// necessarily terminated). Answers 1 when they describe a binary pixmap
// this format holds: positive sizes within bounds, 1 to 256 colours, one
// byte per pixel; else 0 (the numbers read are still returned).
int iEntetePixmap(const char* entete, int& w, int& h, int& ncolors, int& cpp);

#endif
