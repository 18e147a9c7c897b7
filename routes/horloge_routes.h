// The route model's "now": the insertion at the current time, the marker of
// the current time and every new position read it here, so that one
// replaceable clock (the system's by default) dates them all.
#ifndef ROUTES_HORLOGE_ROUTES_H
#define ROUTES_HORLOGE_ROUTES_H

#include <ctime>

using HorlogeRoutes = time_t (*)();

// The current time in seconds since 1970 UTC, from the clock in place.
time_t tMaintenantRoutes();

// Puts `horloge` in place (null: the system's clock again); answers the
// clock it replaces.
HorlogeRoutes vHorlogeRoutes(HorlogeRoutes horloge);

#endif
