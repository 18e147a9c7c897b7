// What the chart widget draws in: its inner area with the entries and
// range, and its rows of wind flags and of sea-state or current arrows.
#ifndef MAP_HISTOGRAMME_GLYPHES_H
#define MAP_HISTOGRAMME_GLYPHES_H

#include "map/fl_histogramme.h"

class TraceGlyphes;

struct ZoneHistogramme {
    int x, y, w, h;
    int numb;
    const FL_CHART_ENTRY_PAT* entries;
    double min, max;
    int autosize, maxnumb;
    Fl_Color textcolor;

    // The width across the slots: w rounded down to a multiple of numb.
    int iUtile() const;
    // One entry's slot: the usable width over the entries, or over maxnumb
    // when autosize is off (a maxnumb of 0 counts as numb).
    double dCase() const;
};

// Types 7 (wind flags), 8 and 9 (sea state), 10 (current): each entry's
// glyph centred in its slot, a calm on the calm line, and its number over
// a halo. Nothing when min and max are both 0.
void draw_windflag(TraceGlyphes& t, const ZoneHistogramme& z);
void draw_vecteur_courant(TraceGlyphes& t, const ZoneHistogramme& z, int type);

// One wind flag of the charts: no arrowhead, 10 to 16 pixels long, barbs
// always to the right of the shaft.
void windflag(TraceGlyphes& t, float direction, float speed, int x, int y, double size);
// One arrow of the charts: 10 to 40 pixels long; a calm below 0.1 m of sea
// or 0.01 kn of current.
void vecteur(TraceGlyphes& t, float direction, float value, int x, int y, double size,
             int current);

#endif
