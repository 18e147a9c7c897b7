// Stand-ins for the parts of the transport and GMDSS catalogue that
// start-up and shutdown call. Each keeps the name and the signature of the
// real one and does the least that lets the program run. Each goes when
// its own part is built.
#ifndef SHELL_REMPLACANTS_H
#define SHELL_REMPLACANTS_H

#include <FL/Fl_Double_Window.H>

// ---- Requests and transport.

// ---- GMDSS Metarea catalogue.
struct TYPEDEF_LISTE_METAREA {
    void* courant;
    void* premier;
};
extern TYPEDEF_LISTE_METAREA* GMDSS;
TYPEDEF_LISTE_METAREA* Metareas();
void vLibererMetareas(TYPEDEF_LISTE_METAREA* arbre);

#endif
