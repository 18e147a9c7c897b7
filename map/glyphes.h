// The wind flag and the wave or current arrow of one point, in pixels, as
// the map and the charts draw them, and how far apart the map draws them.
// Each stroke is drawn twice: a dark shade 3 pixels wide, then the bright
// shade 1 pixel wide.
#ifndef MAP_GLYPHES_H
#define MAP_GLYPHES_H

class TraceGlyphes;

// Kinds of arrow.
enum { GLYPHE_MER = 1, GLYPHE_COURANT = 2 };

// A wind flag at (x, y) of shaft `longueur` pixels pointing to where the
// wind comes from, coloured by its Beaufort force; barbs lean to the right
// of the shaft, to the left south of the equator. Below 2.5 knots a
// circle. A speed that is not a number, negative or beyond 1000 knots, or
// a direction that is not a number, draws nothing. Without `tete` the
// shaft is drawn alone, with no arrowhead at the station (the charts).
void vDrapeauVent(TraceGlyphes& t, int x, int y, int longueur, float direction, float noeuds,
                  bool sud, bool tete = true);

// An arrow from (x, y) toward where the sea or the current goes, its
// length scaled by the value over `pixels` (the width of the spacing
// between two arrows), coloured by the value's class; a calm is a circle.
// Kind GLYPHE_MER takes metres, GLYPHE_COURANT knots; any other kind, or a
// value or direction that is not a number, draws nothing.
void vFlecheGlyphe(TraceGlyphes& t, int genre, int x, int y, int pixels, float direction,
                   float valeur);

// The same arrow once its length and head are chosen (the map's and the
// charts' rules differ): `calme` draws the circle of radius `tete` instead.
void vTracerFleche(TraceGlyphes& t, int genre, int x, int y, int longueur, int tete,
                   float direction, float valeur, bool calme);

// Every how many rows and columns a glyph is drawn when one grid step
// spans that many pixels (unrounded): about 24 pixels apart, never closer
// than one step.
int iPasGlyphes(double pixelsParPas);

#endif
