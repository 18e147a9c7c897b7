// The companion of a charted route: its positions with one more at every
// forecast validity of the file shown that falls inside a leg. The map
// draws it in the route's place; the charts sample the file there.
#include "routes/classe_route.h"

#include "gribdata/enregistrement_grib.h"

#include <tuple>
#include <utility>

void (*crochetRouteHistogramme)(classeRoute&, grib*, classeRoute&) = nullptr;

void classeRoute::vPlacerEcheances(const grib* premierGrib)
{
    // k: the number of the leg's start Q, which each insertion moves on.
    int k = 0;
    for (structurePosition* p = premier ? premier->suivant : nullptr; p; p = p->suivant, ++k) {
        for (const grib* r = premierGrib; r; r = r->suivant) {
            const time_t d = r->tValidite;
            classePosition* q = p->precedent->position;
            const int type = d == dateEcheance ? POSITION_ECHEANCE : POSITION_AUTRE_ECHEANCE;
            if (d == q->date) {
                q->type = type;
            } else if (q->date < d && d < p->position->date &&
                       bInsererSurLeg(p, k + 1, long(d - q->date), long(d), type)) {
                // A point that could not take its date (within a minute of
                // a neighbour) would stand for no validity: it goes.
                if (p->precedent->position->date != d)
                    del(k + 1);
                else
                    ++k;
            }
        }
    }
}

namespace {

// The number of records and the last validity.
std::pair<int, time_t> enregistrements(const grib* premierGrib)
{
    std::pair<int, time_t> n{0, 0};
    for (const grib* r = premierGrib; r; r = r->suivant)
        n = {n.first + 1, r->tValidite};
    return n;
}

}  // namespace

bool classeRoute::bCompagnonAJour(const grib* premierGrib) const
{
    return routeEcheances && modifiee == 0 && routeEcheances->dateEcheance == dateEcheance &&
           premierGrib == grilleCompagnon_ &&
           enregistrements(premierGrib) ==
               std::make_pair(enregistrementsCompagnon_, finCompagnon_);
}

classeRoute* classeRoute::classeRouteRecalculAvecToutesLesEcheances(grib* premierGrib)
{
    const bool inclus = incluEcheances(premierGrib) == 1;
    if (inclus && bCompagnonAJour(premierGrib))
        return routeEcheances;
    vLibererCompagnon(routeEcheances);
    if (!inclus)
        return nullptr;
    routeEcheances = copy();
    grilleCompagnon_ = premierGrib;
    std::tie(enregistrementsCompagnon_, finCompagnon_) = enregistrements(premierGrib);
    routeEcheances->dateEcheance = dateEcheance;
    routeEcheances->vPlacerEcheances(premierGrib);
    vRouteHistogramme(premierGrib, routeEcheances);
    return routeEcheances;
}

void classeRoute::vRouteHistogramme(grib* premierGrib, classeRoute* compagnon)
{
    if (crochetRouteHistogramme && compagnon)
        crochetRouteHistogramme(*this, premierGrib, *compagnon);
}
