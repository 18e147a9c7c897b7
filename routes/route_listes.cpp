// Diagnostic listings of a route and of its companions on standard output.
#include "routes/classe_route.h"

#include <cstdio>

namespace {

// The header, each position of `liste` with the distances run on it, and
// the totals given.
void vLister(const char* nom, classeRoute& liste, double totalOrtho, double totalLoxo)
{
    std::printf("----------------------------------------------------------\n"
                "Route: %s, éléments: %d\n",
                nom, liste.dernierNumero);
    for (liste.courant = liste.premier; liste.courant; liste.courant = liste.courant->suivant) {
        const classePosition* p = liste.courant->position;
        p->print(liste.cumulOrtho(p->numero), liste.cumulLoxo(p->numero));
    }
    std::printf("Totaux: Ortho: %.1f Loxo: %.1f nautiques\n", totalOrtho, totalLoxo);
}

}  // namespace

void classeRoute::print()
{
    vLister(nom, *this, totalOrtho, totalLoxo);
}

void classeRoute::printecheances()
{
    if (routeEcheances)
        vLister(nom, *routeEcheances, totalOrtho, totalLoxo);
}

void classeRoute::printall()
{
    if (!routeComplete)
        setComplete();
    if (routeComplete)
        vLister(nom, *routeComplete, totalOrtho, totalLoxo);
}
