// Placing and dating the position under the cursor, and the recomputation
// of every leg.
#include "routes/classe_route.h"

#include "routes/duree.h"

#include <algorithm>

namespace {

const double HEURE = 3600.0;

// A longitude brought within 180 degrees of `reference` (one turn at most).
double dDeroule(double longitude, double reference)
{
    const double d = longitude - reference;
    return d > 180 ? longitude - 360 : d < -180 ? longitude + 360 : longitude;
}

// The speed of a leg of `loxo` miles run in `secondes`; a leg between equal
// dates counts one second, so that it is fast rather than infinite.
double dVitesse(double loxo, time_t secondes)
{
    return loxo / (std::max<time_t>(secondes, 1) / HEURE);
}

}  // namespace

void classeRoute::set(long date, double latitude, double longitude)
{
    if (!courant)
        return;
    classePosition* c = courant->position;
    c->set(date);
    if (!courant->precedent) {
        c->set(latitude, longitude);
        return;
    }
    // Within 180 degrees of the previous position, as recalcul keeps it: a
    // leg written 170 to -170 (by hand, another tool) is the short one.
    classePosition* p = courant->precedent->position;
    c->set(latitude, dDeroule(longitude, p->longitude));
    if (date <= p->date)
        c->set(long(p->date + 3600));
    distances(p, c);
    p->vitesse = dVitesse(c->loxo, c->date - p->date);
    // Later by whole hours until slower than 100 knots: most of the hours
    // at once (36 seconds a mile), so that a leg of absurd length does not
    // keep the loop going for ages. A date already at the latest one stays.
    const double manque = c->loxo * 36 - double(c->date - p->date);
    if (p->vitesse >= 100.0 && manque > 2 * HEURE && c->date < DATE_ROUTE_MAX) {
        const double heures =
            std::min(manque / HEURE - 1, double(DATE_ROUTE_MAX - c->date) / HEURE);
        c->set(long(c->date + 3600 * lSecondes(heures)));
        p->vitesse = dVitesse(c->loxo, c->date - p->date);
    }
    while (p->vitesse >= 100.0 && std::isfinite(p->vitesse) && c->date < DATE_ROUTE_MAX) {
        c->set(long(c->date + 3600));
        p->vitesse = dVitesse(c->loxo, c->date - p->date);
    }
}

void classeRoute::set(double latitude, double longitude, int mesurer)
{
    if (!courant)
        return;
    classePosition* c = courant->position;
    if (!courant->precedent) {
        c->set(latitude, longitude);
        return;
    }
    classePosition* p = courant->precedent->position;
    c->set(latitude, dDeroule(longitude, p->longitude));
    if (mesurer)
        distances(p, c);
    if (!(p->vitesse > 0))
        p->vitesse = 10.0;
    c->set(long(p->date + lSecondes(c->loxo / p->vitesse * HEURE)));
}

long NombreDeRecalculs = 0;

void classeRoute::recalcul(int force)
{
    ++NombreDeRecalculs;
    totalOrtho = totalLoxo = 0;
    dernierNumero = 0;
    courant = premier;
    if (!premier)
        return;
    classePosition* premiere = premier->position;
    premiere->numero = 0;
    premiere->loxo = premiere->ortho = 0;
    const bool datesDesVitesses = force || vitesseFixe;
    for (structurePosition* cellule = premier->suivant; cellule; cellule = cellule->suivant) {
        courant = cellule;
        classePosition* p = cellule->precedent->position;
        classePosition* c = cellule->position;
        c->numero = ++dernierNumero;
        c->set(c->latitude, dDeroule(c->longitude, p->longitude));
        distances(p, c);
        if (p->date > c->date)
            c->set(long(p->date));
        if (c->loxo > 0 && datesDesVitesses) {
            set(c->latitude, c->longitude, 0);
        } else if (c->loxo > 0) {
            p->vitesse = dVitesse(c->loxo, c->date - p->date);
        } else {
            p->vitesse = 0;
            p->cap = 0;
        }
        if (!cellule->suivant)
            c->vitesse = c->cap = 0;
    }
    modifiee = 1;
    courant = nullptr;
}
