// The hourly companion `routeComplete`: the route's positions with a
// computed position after every hour of run.
#include "routes/classe_route.h"

#include "routes/duree.h"
#include "routes/loxodromie.h"

#include "gribdata/globales.h"

#include <algorithm>

namespace {

// The most hourly points of one leg: eleven years.
const long ROUTE_HEURES_MAX = 100000;

}  // namespace

void classeRoute::set(classePosition* from, classePosition* to, int, int dernier)
{
    append();
    classePosition* c = courant->position;
    c->set(to->latitude, to->longitude);
    distances(from, c);
    // A leg without speed has no run to date its end from: it keeps its date.
    if (from->vitesse > 0)
        c->set(long(from->date + lSecondes(c->loxo / from->vitesse * 3600)));
    else
        c->set(long(to->date));
    if (!dernier) {
        c->cap = from->cap;
        c->vitesse = from->vitesse;
    }
}

void classeRoute::set(classePosition* from, long date)
{
    append();
    classePosition* c = courant->position;
    c->set(date);
    c->cap = from->cap;
    c->vitesse = from->vitesse;
    double latitude, longitude;
    loxoCapVitesse(from->latitude, from->longitude, from->cap, from->vitesse, latitude, longitude);
    const double d = longitude - from->longitude;
    c->set(latitude, d > 180 ? longitude - 360 : d < -180 ? longitude + 360 : longitude);
    c->type = POSITION_CALCULEE;
    distances(from, c);
}

void classeRoute::setComplete()
{
    if (!modifiee && routeComplete)
        return;
    vJournal("<ROUTE>", "<setComplete> \n");
    vLibererCompagnon(routeComplete);
    if (!nom[0] || !premier)
        return;
    const classePosition* p0 = premier->position;
    classeRoute* r = new classeRoute(nullptr, long(p0->date), p0->latitude, p0->longitude,
                                     p0->vitesse, p0->cap);
    routeComplete = r;
    vDonnerAspect(*r);
    int i = 1;
    for (structurePosition* q = premier->suivant; q; q = q->suivant, ++i) {
        classePosition* p = q->precedent->position;
        classePosition* dernier = p;
        // A leg without speed gets no hourly points; none gets more than
        // ROUTE_HEURES_MAX (dates of absurd spans would fill the memory).
        const time_t fin = std::min<time_t>(q->position->date, p->date + 3600 * ROUTE_HEURES_MAX);
        for (time_t t = p->date + 3600; p->vitesse > 0 && fin > t; t += 3600) {
            r->set(dernier, long(t));
            dernier = r->courant->position;
        }
        r->set(dernier, q->position, i, q->suivant ? 0 : 1);
    }
    modifiee = 0;
}
