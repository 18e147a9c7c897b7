// Byte layout of the coastline files img/data<level>.dat.gz, shared by the
// store that reads them and the tool that writes them. Integers are
// little-endian.
//
// Level 0: records back to back, each a point count n (unsigned 16-bit),
// then n latitudes and n longitudes (signed 16-bit, hundredths of a degree).
//
// Levels 1 to 5: records back to back, each a 22-byte header
//   0  n: point count (signed 32-bit)
//   4  record level (16-bit): 1 land, 2 lake, 3 island in a lake, 4 pond,
//      5..9 other areas, 10 and above lines (rivers, borders)
//   6  south, west, north, east edges (signed 32-bit each) in level units
// then n latitude offsets from the south edge and n longitude offsets from
// the west edge (signed 16-bit, level units). A level unit is 1/scale
// degree, the scale of each level being TDC_ECHELLES[level].
#ifndef MAP_TDC_FORMAT_H
#define MAP_TDC_FORMAT_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#define TDC_NIVEAUX 6
#define TDC_ENTETE 22

// Units per degree of each level.
extern const float TDC_ECHELLES[TDC_NIVEAUX];

// One record as the files hold it. For level 0 the edges are unused and
// the arrays hold absolute hundredths of a degree.
struct EnregistrementTdc {
    int16_t niveau = 1;
    int32_t sud = 0, ouest = 0, nord = 0, est = 0;
    std::vector<int16_t> latitudes;
    std::vector<int16_t> longitudes;
};

// A record read in place: the arrays point into the file's bytes.
struct LectureTdc {
    int32_t nombre;
    int16_t niveau;
    int32_t sud, ouest, nord, est;
    const unsigned char* latitudes;
    const unsigned char* longitudes;
};

// The most points a record may have. The finest real data (GSHHG full)
// have at most 85,908; a drawing of many more keeps the X server busy for
// minutes.
#define TDC_POINTS_MAX 131072

// Reads the record at the start of `p` (`reste` bytes left). Answers its
// size in bytes, or 0 when it does not fit in what is left or its point
// count is not positive or above TDC_POINTS_MAX (`lu.nombre` then holds
// the count read): the data are damaged from there on.
size_t iLireTdc0(const unsigned char* p, size_t reste, LectureTdc& lu);
size_t iLireTdc(const unsigned char* p, size_t reste, LectureTdc& lu);

// The i-th value of a 16-bit array of the file.
inline int16_t iValeurTdc(const unsigned char* tableau, int i)
{
    return int16_t(uint16_t(tableau[2 * i]) | uint16_t(tableau[2 * i + 1]) << 8);
}

// Appends the record in the layout of level 0 or of levels 1 to 5.
void vEcrireTdc0(const EnregistrementTdc& e, std::string& sortie);
void vEcrireTdc(const EnregistrementTdc& e, std::string& sortie);

#endif
