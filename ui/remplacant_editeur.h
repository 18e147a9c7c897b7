// Stand-in for the text window: an empty window under the text window's
// title, shown where asked. Same name and constructor as the real one; it
// goes when the text window is built.
#ifndef UI_REMPLACANT_EDITEUR_H
#define UI_REMPLACANT_EDITEUR_H

#include <FL/Fl_Double_Window.H>

class editeur : public Fl_Double_Window {
public:
    // The title is "<program>, <"Editeur" translated> : <base name of file>".
    editeur(char* file, int option, int x, int y, int w, int h, int mode, Fl_Color fond,
            const char* label);

    char titre[256];
};

#endif
