// A label on the map: kept clear of the widget's edges, drawn white with a
// dark outline.
#ifndef MAP_ETIQUETTE_CARTE_H
#define MAP_ETIQUETTE_CARTE_H

class TraceGlyphes;
struct VueCarte;

// The toolkit's font of the labels (FL_COURIER).
constexpr int ETIQUETTE_POLICE = 4;

// Moves (x, y), relative to a widget of `largeur` x `hauteur` pixels, so
// that a text `texte` pixels wide centred on x stays inside: away from the
// left and right edges by at least the text's width, and 22 pixels from
// the top and bottom.
void vPlacerEtiquette(int& x, int& y, int texte, int largeur, int hauteur);

// Whether a text `largeur` pixels wide, its left end at x and its baseline
// at y, rising `monte` pixels above the baseline and going `descend` below,
// lies whole on a widget of `w` x `h` pixels.
bool bTexteEntier(int x, int y, int largeur, int monte, int descend, int w, int h);

// Writes `texte` at size `taille` at (x, y) of the view's widget, placed
// as above; (x, y) becomes the placed position. A text still off the
// widget is not drawn.
void vEcrireEtiquette(TraceGlyphes& t, const VueCarte& vue, const char* texte, int taille, int& x,
                      int& y);

#endif
