// The sample route given to a user whose routes file could not be read:
// from the Gulf of St. Lawrence to Brittany, starting now.
#ifndef ROUTES_ROUTE_EXEMPLE_H
#define ROUTES_ROUTE_EXEMPLE_H

class classeRoute;

// A new route, named in the current language; the caller owns it.
classeRoute* pRouteExemple();

#endif
