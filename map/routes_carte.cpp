#include "map/routes_carte.h"

#include "routes/classe_route.h"
#include "routes/dru_routes.h"

Routes* routesSansFenetre = nullptr;

Routes* pRoutesCarte()
{
    return Dru_Routes ? Dru_Routes->routes : routesSansFenetre;
}

void vDateEcheanceRoutes(time_t validite)
{
    if (Routes* liste = pRoutesCarte())
        for (structureRoute* c = liste->premier; c; c = c->suivant)
            if (c->route)
                c->route->dateEcheance = validite;
}
