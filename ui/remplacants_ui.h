// Stand-ins for the kit's own parts that are not built yet: the window
// registry and the clock. Same names and signatures as
// the real ones; each goes when its own part is built.
#ifndef UI_REMPLACANTS_UI_H
#define UI_REMPLACANTS_UI_H

#include "ui/selecteur.h"  // the chooser that was stood in for here

#include <FL/Fl_Double_Window.H>

// The window registry: slot 0 is the main window.
#define GESTION_UI_TAILLE 128
extern Fl_Double_Window* GESTION_UI[GESTION_UI_TAILLE];

class gestion_interfaces {
public:
    static void add(Fl_Double_Window* fenetre);
    // Destroys the secondary windows, then the main window of slot 0.
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

#endif
