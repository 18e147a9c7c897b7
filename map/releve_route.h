// The samples of the charts along a route: each record of the file read at
// the companion's positions dated at its validity (every position but the
// last, which ends the route), turned into chart samples by its parameter.
#ifndef MAP_RELEVE_ROUTE_H
#define MAP_RELEVE_ROUTE_H

#include "map/releve_histogrammes.h"

#include <vector>

class classeRoute;
struct grib;

struct ReleveRoute {
    // In the order of the records, then of the positions.
    std::vector<EchantillonHistogramme> echantillons;
    // A position was read on a charted record's grid, even when that gave
    // no sample (a u component without its v record).
    bool touche = false;
};

// The decoded records only; a position outside a record's grid, or on an
// absent value, gives no sample of it.
ReleveRoute releverRoute(const grib* premier, const classeRoute& compagnon);

#endif
