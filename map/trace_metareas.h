// Where the Metarea overlay puts its segments and labels on a map, without
// a display: pixels relative to the map's top left corner.
#ifndef MAP_TRACE_METAREAS_H
#define MAP_TRACE_METAREAS_H

#include "map/vue_carte.h"

struct SegmentCarte {
    int xa, ya, xb, yb;
};

// The part of the segment (lat1, lon1)-(lat2, lon2) that the view shows,
// in either order of its ends; false when none does. A segment level or
// upright on the screen is kept when it reaches the map and its ends are
// brought one pixel inside the sides they pass; a slanted one lying wholly
// inside is kept as it is, and one crossing the map's sides is cut at them
// before it is turned into pixels, so that no far-off coordinate reaches
// the display.
bool bSegmentCarte(const VueCarte& v, double lat1, double lon1, double lat2, double lon2,
                   SegmentCarte& s);

// Liang-Barsky: the part of (x0, y0)-(x1, y1) inside [0, w] x [0, h];
// false when none is.
bool bCouperSegment(double& x0, double& y0, double& x1, double& y1, double w, double h);

// The lines of a label, placed: the baseline of line i at (x[i], y[i]).
struct EtiquetteCarte {
    int lignes = 0;
    int x[3] = {}, y[3] = {};
};

// The widest of a label's `lignes` lines (1 to 3).
int iLargeurMax(const int largeurs[3], int lignes);

// A sub-area's label of `lignes` lines of those widths (pixels) about the
// map point (x rounded, y truncated): each line centred; shown only when
// its widest line is narrower than `place` pixels and the whole label
// stands clear of the map's sides.
bool bEtiquetteSousZone(int x, int y, const int largeurs[3], int lignes, double place, int w,
                        int h, EtiquetteCarte& e);

// An area's label: the numeral centred on the point, the issuing country
// under it from the numeral's left, a third name centred below; shown only
// when every line lies clear of the map's sides.
bool bEtiquetteMetarea(int x, int y, const int largeurs[3], int lignes, int w, int h,
                       EtiquetteCarte& e);

#endif
