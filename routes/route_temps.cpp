// Routes against time: where a route stands at the current time and at the
// forecast validity shown, and whether its span meets a forecast's.
#include "routes/classe_route.h"

#include "routes/horloge_routes.h"
#include "routes/loxodromie.h"

#include "codes/texte_journal.h"
#include "gribdata/enregistrement_grib.h"
#include "gribdata/globales.h"

#include <algorithm>
#include <iterator>

namespace {

// The parameters the charts along a route show: pressure, sea or ground
// temperature, wind, current, rain, temperature at depth, sea heights.
bool bParametreCharte(int parametre)
{
    static const int CHARTES[] = {2, 11, 33, 49, 61, 80, 100, 102, 105, 202, 203};
    return std::find(std::begin(CHARTES), std::end(CHARTES), parametre) != std::end(CHARTES);
}

}  // namespace

int classeRoute::iPlacer(long& t, int type, bool& insere)
{
    insere = false;
    // The forecast marker takes the leg that starts at t, the others the
    // leg that ends at t; a tie moves t 10 seconds into the leg.
    const bool echeance = type == POSITION_ECHEANCE;
    int k = 1;
    const structurePosition* c = premier ? premier->suivant : nullptr;
    for (; c; c = c->suivant, ++k) {
        const time_t a = c->precedent->position->date, b = c->position->date;
        if (echeance ? a <= t && t < b : a < t && t <= b)
            break;
    }
    if (!c)
        return 0;
    const classePosition* p = c->precedent->position;
    const classePosition* q = c->position;
    if (echeance && t == p->date)
        t += 10;
    else if (!echeance && t == q->date)
        t -= 10;
    long e = long(t - p->date);
    if (!echeance && e < 0)
        e = 1;
    insere = bInsererSurLeg(c, k, e, t, type);
    return k;
}

bool classeRoute::bInsererSurLeg(const structurePosition* c, int k, long e, long t, int type)
{
    const classePosition* p = c->precedent->position;
    const classePosition* q = c->position;
    double latitude, longitude;
    loxoCapVitesse(p->latitude, p->longitude, p->cap, e * q->loxo / double(q->date - p->date),
                   latitude, longitude);
    const double d = longitude - p->longitude;
    longitude += d > 180 ? -360 : d < -180 ? 360 : 0;
    if (!insert(k - 1, latitude, longitude, type))
        return false;
    change(k, t);
    return true;
}

int classeRoute::incluDateCourante(long t)
{
    return derniere_ && premier->position->date < t && t < derniere_->position->date;
}

int classeRoute::incluEcheances(grib* g)
{
    if (!premier)
        return -1;
    if (!histogramme)
        return -4;
    if (!g)
        return -2;
    bool charte = false;
    const grib* dernier = g;
    for (const grib* r = g; r; r = r->suivant) {
        charte = charte || bParametreCharte(r->parametre);
        dernier = r;
    }
    if (!charte)
        return -3;
    // Open spans that overlap; a route that starts at the first validity,
    // or spans exactly the forecast, is covered.
    return premier->position->date < dernier->tValidite &&
           g->tValidite < derniere_->position->date;
}

int classeRoute::classeRouteInsertionDateCourante()
{
    if (!premier)
        return 0;
    long t = long(tMaintenantRoutes());
    if (!premier->suivant) {
        change(0, t);
        return 1;
    }
    if (!incluDateCourante(t))
        return 0;
    bool insere;
    const int k = iPlacer(t, POSITION_UTILISATEUR, insere);
    if (!k)
        return 0;
    if (insere)
        actif = std::min(k + 1, dernierNumero + 1);
    return k + 1;
}

classeRoute* classeRoute::classeRouteRecalculAvecDateCourante()
{
    vLibererCompagnon(routeCourante);
    long t = long(tMaintenantRoutes());
    if (!incluDateCourante(t))
        return nullptr;
    routeCourante = copy();
    bool insere;
    if (!routeCourante->iPlacer(t, POSITION_MAINTENANT, insere))
        vLibererCompagnon(routeCourante);
    return routeCourante;
}

classeRoute* classeRoute::classeRouteRecalculAvecDateEcheanceCourante()
{
    const bool marqueMaintenant = classeRouteRecalculAvecDateCourante() != nullptr;
    long t = long(dateEcheance);
    if (!marqueMaintenant) {
        if (!incluDateCourante(t))
            return nullptr;
        routeCourante = copy();
    }
    bool insere;
    const long avant = t;
    if (!routeCourante->iPlacer(t, POSITION_ECHEANCE, insere)) {
        if (!marqueMaintenant)
            vLibererCompagnon(routeCourante);
        return routeCourante;
    }
    if (t != avant)
        dateEcheance = t;
    vJournal("<ROUTE>",
             "<classeRouteRecalculAvecDateEcheanceCourante> Nom: %s Visible: %d Actif: %d\n",
             sTexteJournal(routeCourante->nom).c_str(), routeCourante->visible,
             routeCourante->actif);
    return routeCourante;
}
