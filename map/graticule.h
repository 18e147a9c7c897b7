// The graticule's step and labels, which follow the view's height.
#ifndef MAP_GRATICULE_H
#define MAP_GRATICULE_H

#include <cstddef>

// Room for one label, terminator included.
#define GRATICULE_TEXTE 32

struct PasGraticule {
    double pas;      // degrees between lines
    const char* format;  // printf format of a label: value, then hemisphere letter
    bool dms;        // the second label in degrees, minutes and seconds
};

// The step for a view from `haut` down to `bas` degrees of latitude. The
// step never falls below a thousandth of a degree, however thin the view.
PasGraticule pasGraticule(double haut, double bas);

// The two labels of the meridian at `longitude` ("GM" at Greenwich, "AM"
// on the antimeridian) or of the parallel at `latitude` ("EQ" on the
// equator). The second is the first, except under a 1-degree step, where
// it is in degrees, minutes and seconds.
void vTexteMeridien(double longitude, const PasGraticule& p, char* premier, char* second);
void vTexteParallele(double latitude, const PasGraticule& p, char* premier, char* second);

#endif
