// Stand-in for the shell's title bar, which is not built yet. Same name and
// members as the real one for what the main window and the page switch
// call; it goes when the title bar is built.
#ifndef SHELL_REMPLACANTS_SHELL_H
#define SHELL_REMPLACANTS_SHELL_H

#include <FL/Fl_Group.H>

class fdc;

// The strip across the top of the main window: empty for now.
class classGroupeTitre : public Fl_Group {
public:
    classGroupeTitre(int x, int y, int w, int h, const char* label = nullptr);

    // Re-lays the logos for a new window width.
    void changeTaille(int, int, int) {}
    // Relabels after a language change.
    void setLangage(const char*) {}
    // Shows or hides the map tools.
    void activer() {}
    void desactiver() {}
    // The base-map and Metarea buttons take the state of the map of the
    // page brought forward.
    void vSynchroniserCarte(fdc*) {}

    // The home page, as the "Aide" button and F1 bring it.
    static void vBoutonAide(Fl_Widget* bouton, void* donnees);

    // 1 when the bar offers its base-map buttons.
    int iBoutonsFdc;
};

// The title bar's relabelling after a language change.
void vLangageTitre(const char* code);

#endif
