// Stand-ins for the parts of the map, transport, pages, routes and GMDSS
// catalogue that start-up and shutdown call. Each keeps the name and the
// signature of the real one and does the least that lets the program run:
// every loader sets its flag, so start-up always completes. Each goes when
// its own part is built.
#ifndef SHELL_REMPLACANTS_H
#define SHELL_REMPLACANTS_H

// ---- Map display: the loader watch and loader threads (their flags are
// the map's, in map/chargement_fonds.h).
void ctrl_fdctdc(void*);
void* load_fdcsat(void* fenetre);
void* load_tdc(void* fenetre);

// ---- Requests and transport.
void scan_newfiles(void* fenetre);

class WindowsSend {
public:
    virtual ~WindowsSend() {}
};
extern WindowsSend* fenetreEnvoi;

// ---- Request and viewer pages.
class vr;
extern vr** gvr;
extern int ngvr;

// Relabels each page after a language change.
void vLangagePages();

// ---- Routes.
class DRU_Routes;
extern DRU_Routes* Dru_Routes;
// Relabels the route window after a language change.
void vLangageRoutes();

// ---- GMDSS Metarea catalogue.
struct TYPEDEF_LISTE_METAREA {
    void* courant;
    void* premier;
};
extern TYPEDEF_LISTE_METAREA* GMDSS;
TYPEDEF_LISTE_METAREA* Metareas();
void vLibererMetareas(TYPEDEF_LISTE_METAREA* arbre);

#endif
