// What the band tests and benchmarks share: a field decoded by the map's
// decoder from a written message and loaded into a band object, and a map
// view centred on a point as the vector-only map sets it.
#ifndef TESTS_MAP_OUTILS_ISOPLAGES_H
#define TESTS_MAP_OUTILS_ISOPLAGES_H

#include "ecriture_grib_test.h"

#include "gribdata/champ_grib.h"
#include "map/isoplages.h"
#include "map/vue_carte.h"

#include <string>

// The field decoded (`code` is Grib::set's answer), then loaded with
// OPTIMISATION set to `optimisation` first (and left as loading leaves it),
// its decoded values first changed by `retouche`.
struct ChampCharge {
    std::string octets;  // the message, which the decoded field points into
    Grib g;
    int code;
    isoplages iso;
    ChampCharge(const ChampEcrit& c, int optimisation, void (*retouche)(float*, int) = nullptr);
    // `calcul` of the unshifted copy in that view; true when it made a picture.
    bool calcul(const VueCarte& vue);
};

// A widget of that size at (0, 0) on the vector-only raster, showing
// `etendue` degrees of latitude around the point.
VueCarte vueCentree(double latitude, double longitude, double etendue, int largeur = 1024,
                    int hauteur = 600);

#endif
