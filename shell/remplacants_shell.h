// Stand-ins for the shell's own parts that are not built yet: the main
// window, the title bar, the window registry, the clock and the file
// chooser. Same names and signatures as the real ones; each
// goes when its own part is built.
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

// The window registry: slot 0 is the main window.
#define GESTION_UI_TAILLE 128
extern Fl_Double_Window* GESTION_UI[GESTION_UI_TAILLE];

class gestion_interfaces {
public:
    static void add(Fl_Double_Window* fenetre);
    static void delall();
    static void menu() {}
};

// Close callback of every registered window; does nothing until the
// loaders are done.
void gestion_interfaces_callback(Fl_Widget* widget, void* fenetre);

// The clock's one-second tick.
void clock_Date(void* fenetre);
// Set by a language change: the clock rewrites its dates at its next tick.
extern int DateFormatChange;

// The shared file chooser.
class DRU_Fl_File_Chooser {
public:
    enum { SINGLE = 0, MULTI = 1, CREATE = 2, DIRECTORY = 4 };
    DRU_Fl_File_Chooser(const char*, const char*, int, const char*) {}
};

#endif
