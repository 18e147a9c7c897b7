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
            const int type = bEcheanceMontree(d) ? POSITION_ECHEANCE : POSITION_AUTRE_ECHEANCE;
            if (d == q->date) {
                // The user's positions keep their type: the map numbers
                // them by it. The validity shown gets its marker beside.
                if (q->type == POSITION_UTILISATEUR && type == POSITION_ECHEANCE &&
                    bMarquerDebutLeg(p, k))
                    ++k;
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

bool classeRoute::bEcheanceMontree(time_t d) const
{
    // The marker at the validity shown moves the validity 10 seconds into
    // the leg when it falls on a position's date.
    return dateEcheance != 0 && (d == dateEcheance || d + 10 == dateEcheance);
}

bool classeRoute::bMarquerDebutLeg(const structurePosition* c, int k)
{
    const classePosition* q = c->precedent->position;
    const long t = long(q->date) + 10;
    if (t >= long(c->position->date) || !bInsererSurLeg(c, k + 1, 10, t, POSITION_ECHEANCE))
        return false;
    // Closer to its neighbour than an edit may date it: dated here, where
    // the route at the validity shown puts its marker; no record is read
    // there, no validity falls on it.
    trouver(k + 1)->position->set(t);
    recalcul(0);
    return true;
}

namespace {

// FNV-1a over a value's bytes.
template <typename T>
void vEmpreinte(unsigned long long& e, T valeur)
{
    unsigned long long v = static_cast<unsigned long long>(valeur);
    for (size_t octet = 0; octet < sizeof(T); ++octet, v >>= 8)
        e = (e ^ (v & 0xFF)) * 1099511628211ull;
}

// The number of records and a digest of what sets the companion and its
// charts apart: the file's name, then each record's run, parameter, size
// and validity in order. A file loaded where the last one stood, with as
// many records, is told apart all the same.
std::pair<int, unsigned long long> enregistrements(const grib* premierGrib)
{
    std::pair<int, unsigned long long> n{0, 14695981039346656037ull};
    for (const char* c = premierGrib ? premierGrib->nomFichier : nullptr; c && *c; ++c)
        vEmpreinte(n.second, static_cast<unsigned char>(*c));
    for (const grib* r = premierGrib; r; r = r->suivant) {
        ++n.first;
        vEmpreinte(n.second, r->validite);
        vEmpreinte(n.second, r->annee);
        vEmpreinte(n.second, r->mois);
        vEmpreinte(n.second, r->jour);
        vEmpreinte(n.second, r->heure);
        vEmpreinte(n.second, r->parametre);
        vEmpreinte(n.second, r->longueur);
        vEmpreinte(n.second, r->tValidite);
    }
    return n;
}

}  // namespace

bool classeRoute::bCompagnonAJour(const grib* premierGrib) const
{
    return routeEcheances && modifiee == 0 && routeEcheances->dateEcheance == dateEcheance &&
           premierGrib == grilleCompagnon_ &&
           enregistrements(premierGrib) ==
               std::make_pair(enregistrementsCompagnon_, validitesCompagnon_);
}

classeRoute* classeRoute::classeRouteRecalculAvecToutesLesEcheances(grib* premierGrib)
{
    const bool inclus = incluEcheances(premierGrib) == 1;
    if (inclus && bCompagnonAJour(premierGrib)) {
        // The active position and the look change without `modifiee`.
        vDonnerAspect(*routeEcheances);
        routeEcheances->actif = iActifCopie();
        return routeEcheances;
    }
    vLibererCompagnon(routeEcheances);
    if (!inclus)
        return nullptr;
    routeEcheances = copy();
    grilleCompagnon_ = premierGrib;
    std::tie(enregistrementsCompagnon_, validitesCompagnon_) = enregistrements(premierGrib);
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
