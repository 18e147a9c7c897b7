// The route window: a vertical pack holding a toolbar (open, the route
// list menu, save, help), the help pane while help panes are shown, and a
// tab group with one tab per route, each tab with the route's name, its
// toggles, tools and style choosers and one row per position. It owns the
// route list. The request page builds it once; the pages move it between
// their tab groups; the maps edit the route in edit mode through it.
//
// Widgets of a tab and of a row find each other by their index among their
// parent's children, so the order in which they are made binds. A callback
// never destroys the group it was fired from: a replaced rows group waits
// in `packASupprimer`, a deleted tab goes through the toolkit's delayed
// deletion.
#ifndef ROUTES_DRU_ROUTES_H
#define ROUTES_DRU_ROUTES_H

#include "routes/routes.h"
#include "routes/spinner_position.h"

#include <FL/Fl_Pack.H>

class AIDE;
class Fl_Group;
class Fl_Menu_Button;
class Fl_Scroll;
class Fl_Tabs;
class Fl_Widget;
class classeBouton;
class classeRoute;

// The help topic of the window; 9999 given to vGroupArrange stands for it.
const int ROUTES_THEME_COURANT = 151;

// The children of a route tab, by index.
enum {
    ROUTE_ONGLET_NOM,
    ROUTE_ONGLET_ACTIF,
    ROUTE_ONGLET_VISIBLE,
    ROUTE_ONGLET_OUTILS,
    ROUTE_ONGLET_COULEUR,
    ROUTE_ONGLET_SYMBOLE,
    ROUTE_ONGLET_STYLE,
    ROUTE_ONGLET_TAILLE,
    ROUTE_ONGLET_HISTOGRAMME,
    ROUTE_ONGLET_AIDE1,
    ROUTE_ONGLET_AIDE2,
    ROUTE_ONGLET_POSITIONS,
};

// The children of a position row, by index: the thirteen fields (date and
// time, latitude, longitude, speed), three boxes, three buttons, help.
enum {
    RANGEE_ANNEE,
    RANGEE_MOIS,
    RANGEE_JOUR,
    RANGEE_HEURE,
    RANGEE_MINUTE,
    RANGEE_SECONDE,
    RANGEE_LATITUDE,
    RANGEE_LATITUDE_MINUTES,
    RANGEE_LATITUDE_SECONDES,
    RANGEE_LONGITUDE,
    RANGEE_LONGITUDE_MINUTES,
    RANGEE_LONGITUDE_SECONDES,
    RANGEE_VITESSE,
    RANGEE_CAP,
    RANGEE_PARCOURUE,
    RANGEE_RESTANTE,
    RANGEE_INSERER,
    RANGEE_SUPPRIMER,
    // The fields find the mark by this index of their own.
    RANGEE_MARQUE = spinnerPosition::MARQUE_RANGEE,
    RANGEE_AIDE,
    RANGEE_ENFANTS
};
static_assert(RANGEE_MARQUE == RANGEE_SUPPRIMER + 1, "a position row's children follow each other");

class DRU_Routes : public Fl_Pack {
public:
    // Reads etc/routes.txt (a file that cannot be read gets the sample
    // route and is written again), arms the redraw timer and builds a tab
    // per route.
    DRU_Routes(int x, int y, int w, int h);
    // The route list with every route, the waiting rows group, the widgets.
    ~DRU_Routes() override;
    DRU_Routes(const DRU_Routes&) = delete;
    DRU_Routes& operator=(const DRU_Routes&) = delete;
    int handle(int event) override;

    // ---- The window (dru_routes.cpp, dru_routes_fichier.cpp).
    // A new tab group, one tab per route in list order.
    Fl_Tabs* newTabsRoutes();
    // Lays the window out: the help group between the toolbar and the tabs
    // while help panes are shown, the pane at the topic (9999: the
    // window's own, 0: unchanged).
    void vGroupArrange(int topic);
    // Relabels the window in the catalogue's language: stores the routes,
    // then rebuilds the tabs from the file (from memory when it could not
    // be written).
    void langue();
    // Every route out of edit mode, its marked position remembered; every
    // Active toggle released.
    void vDeactivateRoutes();
    // The route list menu made again: one entry per tab, in order.
    void vMenuRoutes();

    // ---- A route's tab (onglet_route.cpp).
    Fl_Scroll* append(classeRoute* route);

    // ---- The commands of a tab (commandes_route.cpp).
    // The key e on a map: the Active toggle of the shown tab, as if clicked.
    void vActivateRoute();

    // ---- Position rows (rangees_positions.cpp).
    // A row for the position under the route's cursor, marked or not,
    // without values.
    Fl_Group* newGroupeRoutePosition(classeRoute* route);
    // The row filled from the position under the route's cursor, with
    // `parcourue` the miles run up to it: rows filled in one walk sum them
    // as they go, rather than walk the list again for each.
    void setGroupeRoutePosition(Fl_Group* rangee, classeRoute* route, double parcourue);
    static void changeGroupeRoutePosition(Fl_Group* rangee, int marquee);
    // Every row of a visible route marked by |actif| - 1.
    void vRefreshPosition(classeRoute* route);
    // A rows group with one filled row per position entered by the user.
    Fl_Pack* appendPack(classeRoute* route);
    // The rows group replaced; n sets `actif` first (99999: the last
    // position; 0: unchanged; else n, at most the number of positions).
    void vRemoveAddPack(classeRoute* route, int n);
    // After a position moved on a map: the rows rebuilt (reconstruire not
    // 0) or refilled in place.
    void vModifyPosition(classeRoute* route, int reconstruire);
    // Every row of the route refilled from its position.
    void vRemplirRangees(classeRoute* route);
    static spinnerPosition* spinnerRoute(int x, int y, int w, int h);

    // ---- Callbacks (the widget that fired, its user data).
    static void vBoutonRouteOuvrirCallback(Fl_Widget* bouton, void* fenetre);
    static void vBoutonRouteEnregistrerCallback(Fl_Widget* bouton, void* fenetre);
    static void vBoutonRouteFermerCallback(Fl_Widget* bouton, void* fenetre);
    static void vBoutonRouteCopierCallback(Fl_Widget* menu, void* route);
    static void vBoutonRouteSupprimerCallback(Fl_Widget* menu, void* route);
    static void vTabsRouteCallback(Fl_Widget* menu, void* onglet);
    static void vBoutonRouteActiveCallback(Fl_Widget* bouton, void* route);
    static void vBoutonRouteVisibleCallback(Fl_Widget* bouton, void* route);
    static void vBoutonRouteColorCallback(Fl_Widget* bouton, void* route);
    static void vBoutonRouteTexteCallback(Fl_Widget* menu, void* route);
    static void vBoutonRouteVitesseFixeCallback(Fl_Widget* menu, void* route);
    static void vBoutonRouteVitesseConstanteCallback(Fl_Widget* menu, void* route);
    static void vBoutonRouteStyleCallback(Fl_Widget* menu, void* route);
    static void vBoutonRouteTailleCallback(Fl_Widget* menu, void* route);
    static void vBoutonRouteSymboleCallback(Fl_Widget* menu, void* route);
    static void vBoutonRouteRenommerCallback(Fl_Widget* champ, void* route);
    static void vBoutonRouteHistogrammeCallback(Fl_Widget* bouton, void* route);
    static void vSpinnerRoutePositionCallback(Fl_Widget* spinner, void* route);
    static void vBoutonRoutePositionCallback(Fl_Widget* bouton, void* route);

    // Child i of a route tab (ROUTE_ONGLET_*), whatever the place of the
    // scroll area's own scrollbars among its children; null when missing.
    static Fl_Widget* pEnfantOnglet(Fl_Widget* onglet, int i);
    // The route of a tab, or null.
    static classeRoute* pRouteOnglet(Fl_Widget* onglet);
    // The window that holds the widget, or null.
    static DRU_Routes* pFenetre(Fl_Widget* w);
    // Asks the map that drew the routes last to draw again.
    void vRedessinerCarte();

    AIDE* aide;
    Fl_Group* groupeAide;  // a child of the window while help panes are shown
    Routes* routes;        // owned
    // The map that drew the routes last (only asked to redraw); null until
    // a map has drawn them.
    Fl_Widget* fdcCourant;
    Fl_Tabs* tabsRoutes;  // null between a teardown and the rebuild
    Fl_Scroll* premierOnglet;
    Fl_Scroll* ongletCourant;  // the tab shown once the tabs are built
    int x0, y0, w0, h0;
    Fl_Menu_Button* menuRoutes;
    Fl_Group* groupeOutils;
    classeBouton* boutonEnregistrer;
    classeBouton* boutonOuvrir;
    Fl_Pack* packASupprimer;  // a replaced rows group, destroyed at the next

private:
    // The tabs destroyed, no route left pointing at their widgets.
    void vDetruireOnglets();
    // The tabs built again and put in the window.
    void vAjouterOnglets();
    // Stores the routes; a failure is shown once, beside its log line.
    int iEnregistrer();
    // The toolbar's texts in the catalogue's language.
    void vTextesOutils();
};

// The one route window; null until the request page builds it.
extern DRU_Routes* Dru_Routes;

// The language switch's step for the route window.
void vLangueRoutes();

// The route redraw timer (a toolkit timeout, no data): while a visible
// route spans the current time, the map that drew the routes last draws
// again; first run 20 s after the window is built, then every 90 s.
void routes_timeout(void* donnees);
const double ROUTES_MINUTERIE_PREMIERE = 20.0;
const double ROUTES_MINUTERIE_PERIODE = 90.0;

// The boat figure of a route's `symbole`; null outside 0..12.
class Fl_Image;
Fl_Image* pFigureRoute(int symbole);

#endif
