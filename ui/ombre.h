// The shade between the left column of the main window's pages and what
// stands right of it: ten one-pixel columns at x 230 to 239.
#ifndef UI_OMBRE_H
#define UI_OMBRE_H

#include <FL/Enumerations.H>

// Their colours, left to right.
extern const Fl_Color OMBRE_COLONNES[10];

// Adds the ten columns, from y down `h` pixels, to the current group.
void vColonnesOmbre(int y, int h);

#endif
