// Stand-ins for the map's layers that are not built yet: those listed in
// map/fdc.h under "parts still to come". Same names as the real ones; each
// goes when its own part is built.
#ifndef MAP_REMPLACANTS_CARTE_H
#define MAP_REMPLACANTS_CARTE_H

#include <FL/Fl_Double_Window.H>

class fdc;

// Told of each call of a stand-in layer with its argument (0 when it has
// none): the tests follow the drawing order through it. Null: nobody.
extern void (*fdcRemplacant)(const fdc* carte, const char* couche, int argument);

#endif
