// The calls the pages make into the shell above them. The shell installs
// them at start-up; a null entry does nothing.
#ifndef PAGES_CROCHETS_PAGES_H
#define PAGES_CROCHETS_PAGES_H

class Fl_Widget;

struct CrochetsPages {
    // The title bar's connect toggle, shown on the request page.
    void (*connecter)(Fl_Widget* bouton, void* donnees);
};
extern CrochetsPages crochetsPages;

// The connect toggle's callback: goes through crochetsPages.connecter.
void vConnecterPage(Fl_Widget* bouton, void* donnees);

#endif
