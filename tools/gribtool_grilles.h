// Latitude and longitude of each point of a decoded grid, in the grid's
// order, for gribtool decode.
#ifndef TOOLS_GRIBTOOL_GRILLES_H
#define TOOLS_GRIBTOOL_GRILLES_H

#include "codes/grib_get.h"

#include <vector>

struct PointGrille {
    double lat, lon;
};

// Empty when the grid type has no geometry here.
std::vector<PointGrille> vPointsGrille(const CLASS_GRIB_GET& g);

#endif
