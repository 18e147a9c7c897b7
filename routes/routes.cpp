#include "routes/routes.h"

#include "routes/classe_route.h"

Routes::Routes() : ligne(), fichier(nullptr), courant(nullptr), premier(nullptr),
                   garderAvantEcriture_(false)
{
}

Routes::~Routes()
{
    vider();
}

void Routes::append(classeRoute* route)
{
    structureRoute* cellule = new structureRoute{nullptr, route, nullptr};
    courant = premier;
    while (courant && courant->suivant)
        courant = courant->suivant;
    if (courant) {
        cellule->precedent = courant;
        courant->suivant = cellule;
    } else {
        premier = cellule;
    }
    courant = cellule;
}

void Routes::vider()
{
    while (premier) {
        courant = premier;
        premier = premier->suivant;
        delete courant->route;  // its destructor clears it
        delete courant;
    }
    courant = nullptr;
}
