// What the route model's tests share: a fixed clock, routes built from a
// table, and GeographicLib's solvers on the model's sphere.
#ifndef TESTS_ROUTES_OUTILS_ROUTES_H
#define TESTS_ROUTES_OUTILS_ROUTES_H

#include "routes/classe_route.h"
#include "routes/horloge_routes.h"

#include <ctime>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

// The route model's clock stands at `t` for the object's lifetime.
class HorlogeFixe {
public:
    explicit HorlogeFixe(time_t t);
    ~HorlogeFixe();
    void regler(time_t t);

private:
    HorlogeRoutes ancienne_;
};

struct Escale {
    long date;
    double lat, lon;
};

// A route named `nom` whose positions are appended and set as the routes
// file does (no recomputation).
std::unique_ptr<classeRoute> route(std::initializer_list<Escale> points, const char* nom = "r");

// Copies of the route's positions, in order.
std::vector<classePosition> positions(const classeRoute& r);

// Each line of `entree` through GeographicLib's `commande` on the sphere of
// radius 10800 / pi nautical miles; a line of numbers back for each. Empty
// when the tool is missing.
std::vector<std::vector<double>> resoudre(const std::string& commande, const std::string& entree);
bool bGeographicLib();

// The gap between two angles in degrees, whole turns apart counting as 0.
double ecartAngle(double a, double b);

#endif
