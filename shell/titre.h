// The title bar: the strip, 99 pixels high, across the top of the main
// window. It holds the date and time display, the language flags, the
// full-screen toggle, the two logos and the map tools, which always act on
// the map of the page in front: position entry, zoom in and out with
// auto-repeat, base-map choice, the zones menu, the Metarea-zone overlay,
// the window menu, the text editor, the home page and three help buttons.
#ifndef SHELL_TITRE_H
#define SHELL_TITRE_H

#include <FL/Fl_Group.H>

class Fl_Box;
class Fl_Button;
class Fl_Float_Input;
class Fl_Image;
class Fl_Menu_Button;
class Fl_Widget;
class classGroupeDateHeure;
class classeBouton;
class fdc;
class vr;

class classGroupeTitre : public Fl_Group {
public:
    classGroupeTitre(int x, int y, int w, int h, const char* label = nullptr);
    // Deletes the scaled background pictures; the display, the position
    // inputs and the window menu are unhooked from the clock, the maps and
    // the window registry.
    ~classGroupeTitre() override;
    classGroupeTitre(const classGroupeTitre&) = delete;
    classGroupeTitre& operator=(const classGroupeTitre&) = delete;

    // (Re)builds the row of map tools.
    void changeBoutons();
    // Re-lays the logos when the window's width crosses 999 / 1000 pixels
    // (always with force 1).
    void changeTaille(int w, int h, int force);
    // Rebuilds the service logo for the stored width (mode 0 only).
    void changeLogos(int mode);
    // Relabels after a language change; the zones menu keeps its names.
    void setLangage(const char* code);
    // The flag of the catalogue's language shows pressed, the others not.
    void setDrapeau();
    // Shows / hides the map tools (hidden on the home page).
    void activer();
    void desactiver();

    // The page switch and the loader watch: the buttons take the state of
    // the map brought forward (base map when offered, Metarea zones, zoom).
    void vSynchroniserCarte(fdc* carte);
    // The base-map button of that kind pressed, the two others released.
    void vMontrerFond(int kind);
    // The Metarea-zone button for an overlay mode (0 off, 1 beneath, 2 on top).
    void vMontrerZonesBulletins(int mode);
    // The two zoom buttons for the map's auto-repeat counters.
    void vMontrerZooms(const fdc* carte);
    // Shows the satellite and HD buttons whose picture loaded.
    void vFondsDisponibles(int satellite, int hd);

    // The first page of the ten that is visible with all its parents, and
    // its map; null when none is.
    static vr* pPageDevant();
    static fdc* pCarteDevant();

    static void vBoutonLangage(Fl_Widget* bouton, void* titre);
    static void vBoutonSkins(Fl_Widget* bouton, void* titre);
    static void vInputLatCallback(Fl_Widget* entree, void* titre);
    static void vInputLonCallback(Fl_Widget* entree, void* titre);
    static void zoomerCallback(Fl_Widget* bouton, void* titre);
    static void dezoomerCallback(Fl_Widget* bouton, void* titre);
    static void vBoutonFdc0Callback(Fl_Widget* bouton, void* titre);
    static void vBoutonFdc1Callback(Fl_Widget* bouton, void* titre);
    static void vBoutonFdc4Callback(Fl_Widget* bouton, void* titre);
    static void vMenuZonesCallback(Fl_Widget* menu, void* titre);
    static void vBoutonZonesBulletinsCallback(Fl_Widget* bouton, void* titre);
    static void vBoutonHelp(Fl_Widget* bouton, void* titre);
    static void vBoutonEdit(Fl_Widget* bouton, void* titre);
    static void vBoutonAide(Fl_Widget* bouton, void* titre);
    // The connect toggle that the request page builds.
    static void vBoutonConnecterCallback(Fl_Widget* bouton, void* titre);

    Fl_Float_Input* entreeLatitude;
    Fl_Float_Input* entreeLongitude;
    classeBouton* boutonZoomer;
    classeBouton* boutonDezoomer;
    classeBouton* boutonZonesBulletins;
    classeBouton* boutonEditeur;
    Fl_Group* groupeFonds;     // the three base-map buttons
    Fl_Group* groupePosition;  // the two inputs
    classeBouton* boutonSatellite;
    classeBouton* boutonHD;
    classeBouton* boutonTraitCote;
    classeBouton* drapeaux[4];  // fr, en, de, sp
    Fl_Button* boutonPleinEcran;
    Fl_Group* groupeEntete;  // background pictures of the strip
    Fl_Group* groupeOutils;  // the row of map tools
    Fl_Menu_Button* menuFenetres;
    classGroupeDateHeure* dateHeure;
    Fl_Box* boitesFond[3];  // the net, its fixed band, the gradient
    Fl_Box* logoEditeur;
    Fl_Box* logoService;
    classeBouton* boutonsAide[3];  // help topics 51, -121, -131
    classeBouton* boutonAccueil;   // "Aide": the home page
    Fl_Menu_Button* menuZones;
    int xTitre, yTitre, largeurTitre, hauteurTitre;
    Fl_Group* groupeLangage;
    // 1 when the bar offers its base-map buttons.
    int iBoutonsFdc;

    // Owned scaled copies of the net and the gradient.
    Fl_Image* filetEchelle;
    Fl_Image* degradeEchelle;
    // The window's place and size before it went full screen.
    int pleinX, pleinY, pleinW, pleinH;

private:
    void vEntete(int w);
    void vLangues();
    void vPosition();
    void vOutilsCarte();
    void vFonds();
    void vOutilsDroite(int w);
    void vTooltips();
    void vOutilsVisibles(bool visibles);
};

#endif
