#include "routes/horloge_routes.h"

namespace {

time_t tSysteme()
{
    return std::time(nullptr);
}

HorlogeRoutes horloge = tSysteme;

}  // namespace

time_t tMaintenantRoutes()
{
    return horloge();
}

HorlogeRoutes vHorlogeRoutes(HorlogeRoutes nouvelle)
{
    const HorlogeRoutes ancienne = horloge;
    horloge = nouvelle ? nouvelle : tSysteme;
    return ancienne;
}
