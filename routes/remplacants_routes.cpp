// Stand-ins for the route window's operations and the route model until
// they are built; nothing reaches them while Dru_Routes is null.
#include "routes/classe_route.h"
#include "routes/dru_routes.h"

DRU_Routes* Dru_Routes = nullptr;

void Routes::save() {}

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

int classeRoute::insert(int) { return 0; }
int classeRoute::del(int) { return 0; }
void classeRoute::append() {}
void classeRoute::set(double, double, int) {}
void classeRoute::set(long, double, double) {}
void classeRoute::recalcul(int) {}
void classeRoute::change(int, double, double) {}
int classeRoute::classeRouteInsertionDateCourante() { return 0; }
classePosition* classeRoute::position(int) { return nullptr; }
