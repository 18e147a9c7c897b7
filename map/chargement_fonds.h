// The base images that start-up loads for the maps: the drawn world map,
// read by a thread of its own, and the splash shown until the loaders are
// done.
#ifndef MAP_CHARGEMENT_FONDS_H
#define MAP_CHARGEMENT_FONDS_H

class Dru_Pixmap;
class Fl_RGB_Image;
class Fl_Shared_Image;

// The drawn world map; null until loaded, then kept until the program ends.
extern Dru_Pixmap* FDCpix1;
// 1 once the drawn map is loaded.
extern int FDC1ok;
// 1 once its loader has finished, whether it loaded or not.
extern int LOAD_FDC1;
// The splash image; null when it could not be read.
extern Fl_Shared_Image* interlude;

// 1 until the loader watch has seen every start-up loader done.
extern int DEMARRAGE;
// 1 once the coastline levels 1 to 5 are loaded.
extern int LOAD_TDC;
// 1 once the satellite picture's loader has finished.
extern int LOAD_FDCSAT;
// The satellite picture; null until one is loaded.
extern Fl_RGB_Image* FDCSAT;

// Where they are read, relative to the working folder.
extern const char* const CHEMIN_CARTE_DESSINEE;
extern const char* const CHEMIN_INTERLUDE;

// Thread body: loads the drawn world map into FDCpix1. Publishes the map and
// its flags under the toolkit's lock and sets LOAD_FDC1 on every path.
void* load_fdchd1(void*);

// Loads the splash image into `interlude`.
void load_fdcinterlude();

// Thread body: puts every page's map on its saved view over the vector-only
// world, then loads coastline levels 1 to 5 outside the toolkit's lock;
// sets LOAD_TDC at the end.
void* load_tdc(void*);

// The loader watch, a toolkit timeout (null data) re-armed every second
// until the three loaders are done; then each page's map gets its saved
// view and base map, the title bar its base-map buttons, and the main
// window opens.
void ctrl_fdctdc(void*);

#endif
