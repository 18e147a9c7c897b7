// Stand-ins for the map's windows and layers that are not built yet: the
// read-out popup and the layers listed in
// map/fdc.h under "parts still to come". Same names as the real ones; each
// goes when its own part is built.
#ifndef MAP_REMPLACANTS_CARTE_H
#define MAP_REMPLACANTS_CARTE_H

#include <FL/Fl_Double_Window.H>

class Fl_Help_View;
class fdc;

// The read-out popup: a borderless window with a help view, owned by the
// main window, which builds it.
class PopupOverlay : public Fl_Double_Window {
public:
    PopupOverlay(int w, int h) : Fl_Double_Window(w, h) {}

    Fl_Help_View* aide = nullptr;
    int largeur = 0;
    int hauteur = 0;
    char texte[4100] = "";
    Fl_Window* proprietaire = nullptr;
};

// The one read-out popup; null until the main window makes it.
extern PopupOverlay* popupOverlay;

// Told of each call of a stand-in layer with its argument (0 when it has
// none): the tests follow the drawing order through it. Null: nobody.
extern void (*fdcRemplacant)(const fdc* carte, const char* couche, int argument);

#endif
