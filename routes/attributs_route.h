// The range the route window offers for each attribute of a route, and a
// route read from elsewhere brought within it.
#ifndef ROUTES_ATTRIBUTS_ROUTE_H
#define ROUTES_ATTRIBUTS_ROUTE_H

class classeRoute;

// What the route tab's menus offer: boat figures, line styles and widths.
const int ROUTE_SYMBOLES = 13;
const int ROUTE_STYLES = 3;
const int ROUTE_TAILLES = 4;

// Each attribute of `route` that the route window could not have given it
// brought to the nearest value it offers: the toggles 0 or 1, the menus'
// items, the marked position among the route's positions, an RGB colour
// without the low byte the colour chooser never sets. One log line per
// value changed, naming `origine` (where the attributes were read) and the
// route. Answers the number of values changed.
int iBornerAttributs(classeRoute& route, const char* origine);

#endif
