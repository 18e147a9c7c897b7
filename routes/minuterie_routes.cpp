// The route redraw timer: while a visible route is under way its position
// at the current time moves, so the map that drew the routes last draws
// them again every 90 seconds.
#include "routes/dru_routes.h"

#include "routes/classe_route.h"
#include "routes/horloge_routes.h"

#include <FL/Fl.H>
#include <FL/Fl_Widget.H>

void routes_timeout(void*)
{
    // With the window gone the timer stops for good.
    if (!Dru_Routes)
        return;
    Fl::lock();
    Routes* routes = Dru_Routes->routes;
    for (routes->courant = routes->premier; routes->courant;
         routes->courant = routes->courant->suivant) {
        classeRoute* r = routes->courant->route;
        if (!r->visible || !r->premier)
            continue;
        if (r->incluDateCourante(long(tMaintenantRoutes())) && Dru_Routes->fdcCourant)
            Dru_Routes->fdcCourant->redraw();
    }
    Fl::unlock();
    Fl::repeat_timeout(ROUTES_MINUTERIE_PERIODE, routes_timeout);
}
