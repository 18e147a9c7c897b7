// What the main window, the pages and the language switch use of the route
// window and its route list. The window itself is not built yet: Dru_Routes
// stays null and every caller tests it first.
#ifndef ROUTES_DRU_ROUTES_H
#define ROUTES_DRU_ROUTES_H

#include "routes/routes.h"

#include <FL/Fl_Pack.H>

class AIDE;
class classeRoute;
class fdc;

class DRU_Routes : public Fl_Pack {
public:
    // Lays the window out for a help topic (9999: the topic shown last).
    void vGroupArrange(int topic);
    // Relabels the window after a language change.
    void langue();
    // Takes every route out of edit mode and releases the edit buttons.
    void vDeactivateRoutes();
    // The route of the current tab becomes the route edited on the map.
    void vActivateRoute();
    // The editor rows follow a position moved on the map (`typeChanged`:
    // it was added by the model and is now the user's), the active
    // position, and an insertion, deletion or append at `position`
    // (99999: after the last).
    void vModifyPosition(classeRoute* route, int typeChanged);
    void vRefreshPosition(classeRoute* route);
    void vRemoveAddPack(classeRoute* route, int position);

    AIDE* aide;
    Fl_Group* groupeAide;  // holds the help pane while help panes are shown
    Routes* routes;
    fdc* fdcCourant;
};

// The one route window; null until the request page builds it.
extern DRU_Routes* Dru_Routes;

// The route redraw timer (toolkit timeout).
void routes_timeout(void* donnees);

#endif
