// The operations that add, insert and remove positions, set a leg's speed
// and copy a route.
#include "routes/classe_route.h"

#include "routes/horloge_routes.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Dates halved one by one, as the middle of a leg is taken.
long lMilieu(time_t a, time_t b)
{
    return long(a / 2 + b / 2);
}

}  // namespace

void classeRoute::append()
{
    if (!derniere_) {
        nouvelle_structure()->position = new classePosition(0);
        return;
    }
    ++dernierNumero;
    courant = new structurePosition{derniere_, new classePosition(dernierNumero), nullptr};
    derniere_->suivant = courant;
    derniere_ = courant;
}

void classeRoute::append(long date, double latitude, double longitude)
{
    append();
    set(date, latitude, longitude);
}

void classeRoute::append(double latitude, double longitude)
{
    append();
    set(latitude, longitude, 0);
}

void classeRoute::appendfdc(long date, double latitude, double longitude)
{
    append(date, latitude, longitude);
    recalcul(0);
}

void classeRoute::appendfdc(double latitude, double longitude)
{
    append();
    set(latitude, longitude, 1);
    recalcul(0);
}

structurePosition* classeRoute::inserer(structurePosition* k)
{
    structurePosition* c = new structurePosition{k, new classePosition(k->position->numero + 1),
                                                 k->suivant};
    if (k->suivant)
        k->suivant->precedent = c;
    else
        derniere_ = c;
    k->suivant = c;
    ++dernierNumero;
    courant = c;
    return c;
}

int classeRoute::insert(int i)
{
    if (!premier)
        return 0;
    const int k = std::clamp(i, 0, dernierNumero);
    const classePosition* a = trouver(k)->position;
    const structurePosition* c = inserer(courant);
    if (c->suivant) {
        const classePosition* b = c->suivant->position;
        set(lMilieu(a->date, b->date), (a->latitude + b->latitude) * 0.5,
            (a->longitude + b->longitude) * 0.5);
    } else {
        set(long(a->date + 86400), a->latitude + 1.0, a->longitude + 1.0);
    }
    if (c->position->date - a->date > 59) {
        recalcul(0);
        return 1;
    }
    del(k + 1);
    return 0;
}

int classeRoute::insert(int i, double latitude, double longitude, int type)
{
    if (!premier)
        return 0;
    const int k = std::clamp(i, 0, dernierNumero);
    classePosition* a = trouver(k)->position;
    structurePosition* c = inserer(courant);
    if (c->suivant) {
        set(lMilieu(a->date, c->suivant->position->date), latitude, longitude);
        if (c->position->date - a->date <= 59) {
            del(k + 1);
            return 0;
        }
    } else {
        set(long(a->date + 86400), latitude, longitude);
        a->vitesse = 10;
        recalcul(1);
    }
    if (type != 0) {
        c->position->type = type;
        return 1;
    }
    recalcul(0);
    return 1;
}

int classeRoute::del(int i)
{
    if (!premier)
        return 0;
    if (!premier->suivant) {
        classeRouteInsertionDateCourante();
        return 1;
    }
    structurePosition* k = trouver(std::clamp(i, 0, dernierNumero));
    if (k->precedent)
        k->precedent->suivant = k->suivant;
    else
        premier = k->suivant;
    if (k->suivant)
        k->suivant->precedent = k->precedent;
    else
        derniere_ = k->precedent;
    courant = k->suivant ? k->suivant : k->precedent;
    delete k->position;
    delete k;
    recalcul(0);
    const int n = dernierNumero + 1;
    if (std::llabs(actif) > n)
        actif = actif < 0 ? -n : n;
    else if (actif == 0)
        actif = -1;
    return 1;
}

void classeRoute::change(int i, double v)
{
    // A negative speed would date a position before the one it leaves.
    if (!(v >= 0 && v <= ROUTE_VITESSE_MAX) || !premier)
        return;
    v = std::rint(v * 10) / 10;
    trouver(i)->position->vitesse = v == 0 ? 0.1 : v;
    recalcul(1);
}

classeRoute* classeRoute::copy()
{
    if (!premier)
        return nullptr;
    const classePosition* p = premier->position;
    classeRoute* r = new classeRoute(nom, long(p->date), p->latitude, p->longitude, 10, 0);
    vDonnerAspect(*r);
    for (const structurePosition* c = premier->suivant; c; c = c->suivant)
        r->append(long(c->position->date), c->position->latitude, c->position->longitude);
    r->actif = iActifCopie();
    return r;
}

int classeRoute::iActifCopie() const
{
    int n = 0;
    for (const structurePosition* c = premier; c; c = c->suivant)
        ++n;
    return std::min(actif, n);
}
