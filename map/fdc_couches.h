// What the map's own layers (coastline, graticule, scale) share: the view's
// geographic box and its screen rule.
#ifndef MAP_FDC_COUCHES_H
#define MAP_FDC_COUCHES_H

#include "map/tdc_vue.h"
#include "map/trace_tdc.h"

class fdc;

// Top and bottom latitudes, left and right longitudes of the map's view
// (left and right unfolded by the view's dateline regime).
BoiteVue boiteVue(const fdc& carte);

// The map's geographic-to-screen rule, in window pixels.
ProjectionTdc projectionCarte(const fdc& carte);

#endif
