// Stand-ins for the route window's operations until the window is built;
// nothing reaches them while Dru_Routes is null.
#include "routes/dru_routes.h"

DRU_Routes* Dru_Routes = nullptr;

void Routes::save() {}

void DRU_Routes::vGroupArrange(int) {}

void DRU_Routes::langue() {}

void DRU_Routes::vDeactivateRoutes() {}

void routes_timeout(void*) {}
