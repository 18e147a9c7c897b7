// Stand-ins for the route window's operations until it is built; nothing
// reaches them while Dru_Routes is null.
#include "routes/classe_route.h"
#include "routes/dru_routes.h"

DRU_Routes* Dru_Routes = nullptr;

void DRU_Routes::vGroupArrange(int) {}

void DRU_Routes::langue() {}

void DRU_Routes::vDeactivateRoutes() {}

void DRU_Routes::vActivateRoute() {}

void DRU_Routes::vModifyPosition(classeRoute*, int) {}

void DRU_Routes::vRefreshPosition(classeRoute*) {}

void DRU_Routes::vRemoveAddPack(classeRoute*, int) {}

void routes_timeout(void*) {}

classeRoute* pRouteEditee()
{
    return nullptr;
}
