// Stand-ins for the shell's own parts that are not built yet: the main
// window and the title bar. Same names and signatures as the real ones;
// each goes when its own part is built.
#ifndef SHELL_REMPLACANTS_SHELL_H
#define SHELL_REMPLACANTS_SHELL_H

#include <FL/Fl_Double_Window.H>

class BoutonsRVA;

// The main window: a window of the saved size holding the home page's
// switch buttons.
class gui : public Fl_Double_Window {
public:
    gui();
    ~gui() override;
    // Builds the pages, the hover popup and the transfer slots.
    void gshow() {}
    // Relabels the home page's help buttons after a language change.
    void vLangageAccueil() {}

    BoutonsRVA* boutonsRVA;  // the home page's switch buttons
};

// The page switch of the switch buttons.
void vBoutonRequeteurVisualisateurAideCallback(Fl_Widget* bouton, void* groupe);

// The title bar's relabelling after a language change.
void vLangageTitre(const char* code);

#endif
