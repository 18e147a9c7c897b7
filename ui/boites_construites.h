// The box each fitted label was built with. The fitting of labels widens,
// moves and realigns widgets; fitted again (after a language switch) a
// widget must start from the box it was built with, not from its last
// fit, or the layout drifts from switch to switch. Boxes are kept
// relative to the parent's content, so they follow the widget when its
// holders move it; a widget that something else moved, resized or
// realigned since its last fit is taken as built anew where it stands.
// A widget deleted is forgotten. GUI thread only.
#ifndef UI_BOITES_CONSTRUITES_H
#define UI_BOITES_CONSTRUITES_H

#include <FL/Enumerations.H>

class Fl_Widget;

// A widget's box and alignment, in its window's coordinates.
struct Boite {
    int x, y, w, h;
    Fl_Align align;
};

// The box as it is now.
Boite boiteActuelle(const Fl_Widget* w);

// The box `w` was built with: the one kept at its last fit, while `w`
// still has the box and alignment that fit gave it; else its box now.
Boite boiteConstruite(Fl_Widget* w);

// A fit gave `w` its box and alignment now, from the box `construite`.
void vRetenirAjustement(Fl_Widget* w, const Boite& construite);

#endif
