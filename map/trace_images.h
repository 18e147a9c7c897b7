// Where the image products' overlay puts a product's label and outline on
// a map, without a display: pixels relative to the map's top left corner.
#ifndef MAP_TRACE_IMAGES_H
#define MAP_TRACE_IMAGES_H

#include "map/vue_carte.h"

// A label `largeur` pixels wide centred on the map point: its left end at
// the rounded column of `longitude` less half the width, its row the
// truncated row of `latitude`. False when it would cross the left or right
// side or come within 30 pixels of the top or bottom.
bool bEtiquetteImage(const VueCarte& v, double latitude, double longitude, int largeur, int& x,
                     int& y);

struct RectangleCarte {
    int x, y, l, h;
};

// A product's outline: left the rounded column of `ouest`, top the
// truncated row of `nord`, right and bottom those of `est` and `sud`; cut
// to the map. False when it does not reach the map.
bool bCadreImage(const VueCarte& v, double nord, double sud, double ouest, double est,
                 RectangleCarte& r);

#endif
