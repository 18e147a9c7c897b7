// A label shown whole in the room the toolkit draws it in. A text that
// does not fit its box as built takes, in this order and at the largest
// size first: the box's whole width (drawn centred, without the margins
// of a side alignment), a box widened into the free room beside it, that
// room made taller with the text on several lines; then the same one size
// smaller, down to TAILLE_PLANCHER. A text that fits nowhere stays at the
// floor in the widest box, with the whole text in its tooltip. A label
// drawn outside its widget only changes size. The room is only what the
// widget's holders show (a window its box, a scroll area its content
// across). A widget is fitted again from the box it was built with
// (ui/boites_construites.h). Needs the display.
#ifndef UI_PLACE_LIBELLE_H
#define UI_PLACE_LIBELLE_H

#include "ui/taille_ajustee.h"

class Fl_Widget;

// A free rectangle, by its edges (right and bottom excluded).
struct Libre {
    int gauche, droite, haut, bas;
};

// The room a label of `w` may take: `bornes`, narrowed to the siblings of
// `w` as built nearest to it on each side (a sibling under or over `w` itself, as
// a picture behind a field, does not count), 1 px off them when `w` has a
// frame and its label inside; it always holds the box of `w` as built.
Libre libreAutour(Fl_Widget* w, Libre bornes);
// The same within the parent's box.
Libre libreAutour(Fl_Widget* w);

// The part of `libre` the holders of `w` let be seen whatever the scroll
// positions: within its window, and in an area that scrolls up and down,
// within its inner box less its scrollbar and within its children's
// bounds.
Libre libreVisible(Fl_Widget* w, Libre libre);

// Fits the label of `w` as built at size `taille` into what is visible of
// the room `libre` (which holds its box as built).
void vAjusterLibelle(Fl_Widget* w, int taille, const Libre& libre);
// The same within the room around it in its parent.
void vAjusterLibelle(Fl_Widget* w, int taille);

#endif
