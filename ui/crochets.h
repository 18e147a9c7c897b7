// The calls the kit makes into the libraries above it. Each library
// installs its own at start-up; a null pointer skips the call. Later parts
// of the kit add theirs here the same way.
#ifndef UI_CROCHETS_H
#define UI_CROCHETS_H

class Fl_Menu_;
class Fl_Widget;

// The page switch of the switch buttons (user data: their BoutonsRVA).
extern void (*crochetBasculePage)(Fl_Widget* bouton, void* groupe);
// A button's callback that goes through crochetBasculePage when it is set.
void vBasculePage(Fl_Widget* bouton, void* groupe);

// The chart windows of the window menu (the maps' point charts, then the
// routes' charts); answers the number of entries it added.
extern int (*crochetMenuGraphiques)(Fl_Menu_* menu);

// Re-lays the holder of a help pane (a page or the route window) for a help
// topic, once a help button has changed AFFICHE_AIDE.
extern void (*crochetAideArrange)(void* proprietaire, int sujet);

// The steps of a language switch that belong to windows above the kit, in
// the order change_langage calls them.
struct TYPEDEF_CROCHETS_LANGAGE {
    void (*fermerEnvoi)();            // closes the send window
    void (*titre)(const char* code);  // relabels the title bar
    void (*accueil)();                // the main window's switch pair and help buttons
    void (*routes)();                 // relabels the route window
    void (*pages)();                  // relabels each page
    void (*redessiner)();             // redraws the main window
};
extern TYPEDEF_CROCHETS_LANGAGE crochetsLangage;

#endif
