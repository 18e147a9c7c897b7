// The palette colours that the map draws with.
#ifndef MAP_PALETTE_CARTE_H
#define MAP_PALETTE_CARTE_H

#include <FL/Enumerations.H>

// The plain sea of a map without base image.
Fl_Color couleurMer();

#endif
