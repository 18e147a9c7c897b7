// The program's main window: the title bar over a tab group of eleven
// pages, the ten pages of requests and views and a home page of help
// documents, with its column of help buttons and its help view.
#ifndef SHELL_GUI_H
#define SHELL_GUI_H

#include <FL/Fl_Double_Window.H>

class BoutonsRVA;
class Fl_Group;
class Fl_Help_View;
class Fl_Tabs;
class classGroupeTitre;
class classeBoutonImage;

// A help document of the home page. A row with an empty page and title is
// a separator; a null page ends the table.
struct TYPEDEF_AIDE {
    int identifiant;
    const char* page;
    const char* titre;  // catalogue key
    int retrait;        // indent, in steps of 10 pixels
};
extern const TYPEDEF_AIDE AIDES[];
#define AIDES_IDENTIFIANTS 52

// The viewer page brought forward last (1 to 9).
extern int LASTUSE;

class gui : public Fl_Double_Window {
public:
    // The window at the size of INTERFACE_LARGEUR x INTERFACE_HAUTEUR, with
    // its home page; the pages come with gshow().
    gui();
    // Stops the timeouts, destroys the pages in index order, the popups.
    ~gui() override;
    // F1 brings the home page; a change of size re-lays the title bar and
    // the route window.
    int handle(int event) override;
    // A move or a change of size (full screen too) hides the read-out
    // popup, which stands at the window's right edge.
    void resize(int x, int y, int w, int h) override;

    // Makes the ten pages, the read-out popup and the transfer slots.
    void gshow();
    // Adds the next page; an eleventh one ends the program.
    void new_tab();

    static void load_aide(Fl_Help_View* vue, const char* page, const char* ancre);
    // A help button of the home page (data: the window).
    static void vBoutonCallback(Fl_Widget* bouton, void* fenetre);
    // The help view's links: the desktop opens web and mail links and
    // files named with "/./"; the view follows the others.
    static const char* htmlCallback(Fl_Widget* vue, const char* lien);
    static void cb_Onglets(Fl_Widget* onglets, void*);
    // Opens the read-me of the current language in a text window.
    void vEditeur();
    // Relabels the help buttons in the new language.
    void vLangageAccueil();

    // The desktop's opener of a link; answers 1 when it opened it.
    static int (*ouvrirUri)(const char* uri);

    int hauteurOnglets;        // window height - 99
    int hauteurColonne;        // window height - 119
    int hautColonne;           // 119
    classGroupeTitre* titre;
    Fl_Tabs* onglets;
    Fl_Group* accueil;         // the home page
    Fl_Group* colonne;         // its left column
    classeBoutonImage* boutonsAide[AIDES_IDENTIFIANTS];
    BoutonsRVA* boutonsRVA;    // the home page's switch buttons
    Fl_Group* groupeAide;
    Fl_Help_View* vueAide;
    int largeurConnue, hauteurConnue;
    // Where the maps last saw the window (the chart windows open there).
    int positionX, positionY;

private:
    void vColonne(int hauteur);
    // The help buttons of the column; answers the y of their bottom edge.
    int vBoutonsAide();
    void vVersion(int haut);
    void vOmbre(int hauteur);
};

// The page switch of the switch buttons: the button's number is the page
// (0 the request page, 1 to 9 a viewer, 10 the home page, 11 the viewer
// used last).
void vBoutonRequeteurVisualisateurAideCallback(Fl_Widget* bouton, void* donnees);

#endif
