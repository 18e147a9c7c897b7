// A page of the main window's tabs: page 0 builds requests, pages 1 to 9
// view GRIB files. Every page has the same frame: a left panel 230 pixels
// wide, a strip of ten one-pixel shade columns, its own map and a bottom
// strip under the map. The fields are grouped by role; the panels of each
// page kind add theirs in their own group.
#ifndef PAGES_VR_H
#define PAGES_VR_H

#include "ui/configuration.h"

#include <FL/Fl_Group.H>

class AIDE;
class BoutonsRVA;
class File;
class Fl_Box;
class Fl_Double_Window;
class Fl_Menu_;
class Fl_Pack;
class Fl_Scroll;
class Fl_Tabs;
class fdc;
struct grib;

#define VR_PAGES 10

class vr : public Fl_Group {
public:
    // An empty page; initialisation() builds it.
    vr(int x, int y, int w, int h, const char* label);
    // Stores the map's view and the window geometry once the loaders are
    // done, then releases what the page owns.
    ~vr() override;
    vr(const vr&) = delete;
    vr& operator=(const vr&) = delete;

    // Builds page `index` (0 the request page, 1 to 9 viewers) and adds it
    // to the main window's tab group.
    void initialisation(void* mainWindow, int mapHeight, int index);
    // Lays out the viewer's accordion for a help topic (9999: the topic
    // shown last).
    void vGroupVisualisateurArrange(int topic);

    // The left panels.
    void vVisualisateur(int x, int y, int w, int h);
    void vTabsRequeteur(int x, int y, int w, int h);

    // ---- What the map calls of the panels still to come (stand-ins): the
    // request zone moved or resized by one mesh, the request text copied,
    // a viewer's validity stepped (data: the page).
    void setCoordonneesGauche();
    void setCoordonneesHaut();
    void setCoordonneesDroit();
    void setCoordonneesBas();
    void setCoordonneesPlus();
    void setCoordonneesMoins();
    void vRequeteurCopyRequete();
    static void vBoutonVisualisateurEcheancesNextCallback(Fl_Widget* bouton, void* page);
    static void vBoutonVisualisateurEcheancesPreviousCallback(Fl_Widget* bouton, void* page);

    // ---- Geometry.
    int ix, iy, iw, ih;
    int largeurPanneau;       // the left panel (230)
    int largeurCarte, hauteurCarte;
    int xCarte, yCarte;

    // ---- Links (not owned).
    Fl_Double_Window* fenetre;  // the main window, whose geometry is saved
    Fl_Tabs* ongletsPrincipaux; // the main window's tab group
    int index;

    // "Requeteur", "Visualisateur", or the page number; a viewer writes
    // the base name of the file it opens here.
    char etiquette[256];

    // ---- Map.
    fdc* carte;
    Fl_Box* cadreCarte;

    // ---- Bottom strip and, on viewer pages, the four label boxes.
    Fl_Group* bandeau;
    Fl_Box* boiteTitre;
    Fl_Box* boiteSecond;
    Fl_Box* boiteGauche;
    Fl_Box* boiteDroite;

    // ---- Help state: the topic last shown by each accordion.
    int aideVisualisateur;
    int aideGrib;
    int aideBulletins;
    int aideImages;
    int aideForfaits;

    // ---- Left panel.
    BoutonsRVA* boutonsRVA;
    // The viewer's accordion: the scroll area, its section list and the
    // help pane among the sections (null until the viewer panel has them).
    Fl_Scroll* scrollVisualisateur;
    Fl_Pack* packVisualisateur;
    AIDE* aideVisu;

    // ---- Viewer: the open GRIB files (owned) and the current records.
    int fichierCourant;
    char* nomsFichiers[4];
    File* fichiers[4];
    grib* listeCourante;

    // ---- Request page: the send profile's address and password, copied
    // by the send window for the transfer threads (owned).
    char* adresseEnvoi;
    char* motDePasseEnvoi;

    // The chooser folder or a received file's path.
    char chemin[1024];

private:
    void vCarte();
    void vBandeau();
    void vBoitesVisualisateur();
    void vSauverVue();
    void vLibererRequeteur();
};

// The ten pages, index 0 to 9, and the number made so far.
extern vr** gvr;
extern int ngvr;

// The view a map shows, as the settings keep it: centre, latitude span and
// base-map kind.
TYPEDEF_VUE vueDeCarte(const fdc& carte);
// The main window's geometry as the settings keep it: at least 770 x 539.
void vSauverGeometrie(TYPEDEF_PREFERENCES& preferences, int x, int y, int w, int h);

// Installs what the maps ask of the pages (map/hote_carte.h).
void vInstallerHotePages();

// What the language switch does for each page: its switch pair takes the
// new language, a chart window open on its map is closed.
void vLangagePages();
// Re-lays the holder of a help pane for a topic (crochetAideArrange).
void vAideRearranger(void* proprietaire, int sujet);
// The window menu's entries for the chart windows (crochetMenuGraphiques).
int iMenuGraphiques(Fl_Menu_* menu);

#endif
