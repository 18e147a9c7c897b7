// The palette colours that the map draws with.
#ifndef MAP_PALETTE_CARTE_H
#define MAP_PALETTE_CARTE_H

#include <FL/Enumerations.H>

// Sea, land, lake, island and pond of the drawn maps; the sea is also the
// plain background of a map without base image.
Fl_Color couleurMer();
Fl_Color couleurTerre();
Fl_Color couleurLac();
Fl_Color couleurIle();
Fl_Color couleurEtang();

#endif
