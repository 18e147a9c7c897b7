// What the map's scale shows: the view's height and width in nautical
// miles, measured on the great circle.
#ifndef MAP_ECHELLE_MESURE_H
#define MAP_ECHELLE_MESURE_H

#include "map/tdc_vue.h"

#include <cstddef>

struct MesureEchelle {
    double hauteur;    // nautical miles, along the left edge
    double largeur;    // nautical miles, across the middle latitude
    bool largeurVue;   // the width is shown: the view spans at most 360 degrees
    const char* format;  // "%.0lf", or "%.1f" for heights of 100 miles or less
};

MesureEchelle mesureEchelle(const BoiteVue& b);

#endif
