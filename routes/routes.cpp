#include "routes/routes.h"

#include "routes/classe_route.h"

Routes::Routes() : ligne(), fichier(nullptr), courant(nullptr), premier(nullptr),
                   derniere_(nullptr), garderAvantEcriture_(false)
{
}

Routes::~Routes()
{
    vider();
}

void Routes::append(classeRoute* route)
{
    structureRoute* cellule = new structureRoute{derniere_, route, nullptr};
    (derniere_ ? derniere_->suivant : premier) = cellule;
    courant = derniere_ = cellule;
}

void Routes::retirer(classeRoute* route)
{
    for (structureRoute* c = premier; c; c = c->suivant) {
        if (c->route != route)
            continue;
        (c->precedent ? c->precedent->suivant : premier) = c->suivant;
        (c->suivant ? c->suivant->precedent : derniere_) = c->precedent;
        courant = premier;
        delete c;
        delete route;  // its destructor clears it
        return;
    }
}

void Routes::vider()
{
    while (premier) {
        courant = premier;
        premier = premier->suivant;
        delete courant->route;  // its destructor clears it
        delete courant;
    }
    courant = derniere_ = nullptr;
}
