// Stand-ins for the parts of the transport and GMDSS catalogue that
// start-up and shutdown call. Each keeps the name and the signature of the
// real one and does the least that lets the program run. Each goes when
// its own part is built.
#ifndef SHELL_REMPLACANTS_H
#define SHELL_REMPLACANTS_H

#include <FL/Fl_Double_Window.H>

// ---- Requests and transport.
// A transfer's progress popup.
class PopupWindow : public Fl_Double_Window {
public:
    using Fl_Double_Window::Fl_Double_Window;
};

// A transfer slot: its state (0 free), its status word, which a transfer
// thread may write at any time, and its progress popup.
struct TYPEDEF_HTTP {
    int etat;
    int* handle;
    PopupWindow* popup;
};
#define HTTP_CANAUX 32
extern TYPEDEF_HTTP structHTTP[HTTP_CANAUX];

// ---- GMDSS Metarea catalogue.
struct TYPEDEF_LISTE_METAREA {
    void* courant;
    void* premier;
};
extern TYPEDEF_LISTE_METAREA* GMDSS;
TYPEDEF_LISTE_METAREA* Metareas();
void vLibererMetareas(TYPEDEF_LISTE_METAREA* arbre);

#endif
