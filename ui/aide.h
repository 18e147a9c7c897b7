// The help documents "loc/<lang>/<page>.htm" and the small help pane that
// the panels of the pages, the route window and the send window embed.
#ifndef UI_AIDE_H
#define UI_AIDE_H

#include <FL/Fl_Group.H>

class Fl_Button;
class Fl_Help_View;
class Fl_Widget;
class classeBouton;

// Loads the page of the catalogue's language into the view, at the anchor
// when one is given, and gives the view the program's look (font, size 12,
// flat box, grey). Answers 0, or -1 when the document did not load.
int iChargerAide(Fl_Help_View* vue, const char* page, const char* ancre);

// Whether the document (a path, without its anchor) can be read; when it
// cannot, a log line, and the view says so with what the program misses
// of its data.
bool bAideLisible(Fl_Help_View* vue, const char* document);

// A help button (18 x 20, the help picture) for a topic; a press calls
// AIDE::vAideCallback with `proprietaire`.
classeBouton* pBoutonAide(int x, int y, int sujet, void* proprietaire);

// The help pane: a help view on the page "infos", kept at a help topic.
// The anchors of "infos" are the topics' absolute values.
class AIDE : public Fl_Group {
public:
    AIDE(int x, int y, int w, const char* sujet, void* proprietaire, int h);

    // The view jumps to the anchor.
    void name(const char* ancre);
    // The view jumps to the topic |n|, which becomes the current topic.
    void name(int n);
    // Moves the pane to its x and the new y, keeping its size.
    void set(int y);
    // Reloads "infos" in the current language, back at the current topic.
    void load();

    // The help buttons' callback: the button's number is a topic. A second
    // press of the same topic hides the panes (AFFICHE_AIDE 0); then the
    // holder is re-laid through crochetAideArrange.
    static void vAideCallback(Fl_Widget* bouton, void* proprietaire);

    Fl_Help_View* vue;
    char texteSujet[16];  // the current topic in decimal
    int xAide;
    void* proprietaire;   // the page or window that holds the pane
    Fl_Button* sujet;     // hidden; its argument is the current topic
};

#endif
