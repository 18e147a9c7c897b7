// The routes the maps draw and chart, and what the maps tell them: the
// validity shown, the chart windows built from the companions, and their
// entries in the window menu.
#ifndef MAP_ROUTES_CARTE_H
#define MAP_ROUTES_CARTE_H

#include <ctime>

class Fl_Menu_;
class Routes;
class classeRoute;
struct grib;

// The route window's list, or while there is no route window
// `routesSansFenetre` (null in the program; tests and benchmarks set it).
Routes* pRoutesCarte();
extern Routes* routesSansFenetre;

// Every route's validity shown (0: none).
void vDateEcheanceRoutes(time_t validite);

// The chart window of a route from its companion along the records: left
// as it is while the route has not changed; built at the first sample (on
// the map that draws the routes), refilled in place after a change,
// removed (and logged once for the change) when the route lies outside
// every grid. A file whose records do not all decode changes
// nothing (logged once per file).
void vHistogrammesRoute(classeRoute& route, grib* premier, classeRoute& compagnon);
// Installs it for the route model.
void vInstallerHistogrammesRoutes();

// One window-menu entry per route with a chart window, labelled with the
// route's name; answers the number added.
int iMenuGraphiquesRoutes(Fl_Menu_* menu);

#endif
