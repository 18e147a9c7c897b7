#include "routes/route_exemple.h"

#include "routes/classe_route.h"
#include "routes/horloge_routes.h"

#include "ui/local.h"

classeRoute* pRouteExemple()
{
    const long maintenant = long(tMaintenantRoutes());
    const char* nom = pcTraduire("Nom du bateau ou du phenomene");
    classeRoute* r = new classeRoute(nom, maintenant, 48.75, -64.12, 10, 0);
    r->append(maintenant + 172800, 44.0, -52.0);
    r->append(maintenant + 604800, 49.5, -5.0);
    r->append(maintenant + 691200, 48.62, -1.8);
    r->texte = 1;
    return r;
}
