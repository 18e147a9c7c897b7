// The windows the pages and the incoming-folder scan open on a file: each
// registered in the window registry, which rebuilds the window menu.
#ifndef UI_OUVERTURES_H
#define UI_OUVERTURES_H

class editeur;
class visualisateur;

// Text and picture windows opened over the main window start this far
// below its top: under the title bar's strip (99 pixels, the map tools on
// its last row: position fields, zoom, zones, base maps, Metareas) with
// room for a window manager's title bar, so that they never cover those
// tools, which nothing else reaches without a window manager.
constexpr int OUVERTURE_HAUT = 99 + 24;
// And right of the page's left panel.
constexpr int OUVERTURE_GAUCHE = 240;

// A picture in an image window with its right edge at `droite` and its top
// at `haut`. A file that is not a picture gives the "Non disponible"
// message and no window (null). A window the registry could not hold is
// deleted when it is closed.
visualisateur* pOuvrirImage(const char* chemin, int droite, int haut);

// A text window on the file (`mode` 0 editor, else viewer), titled
// "Editeur".
editeur* pOuvrirTexte(const char* chemin, int x, int y, int w, int h, int mode);

#endif
