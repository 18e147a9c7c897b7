// Re-dating and moving one position, undone when a neighbouring leg would
// then go faster than the route allows.
#include "routes/classe_route.h"

#include <cmath>
#include <vector>

namespace {

// What a recomputation may change: every position and the totals.
struct Releve {
    std::vector<classePosition> positions;
    double totalOrtho, totalLoxo;
    int dernierNumero, modifiee;
};

Releve releve(const classeRoute& r)
{
    Releve v{{}, r.totalOrtho, r.totalLoxo, r.dernierNumero, r.modifiee};
    for (const structurePosition* c = r.premier; c; c = c->suivant)
        v.positions.push_back(*c->position);
    return v;
}

void vRestaurer(classeRoute& r, const Releve& v)
{
    size_t i = 0;
    for (structurePosition* c = r.premier; c && i < v.positions.size(); c = c->suivant)
        *c->position = v.positions[i++];
    r.totalOrtho = v.totalOrtho;
    r.totalLoxo = v.totalLoxo;
    r.dernierNumero = v.dernierNumero;
    r.modifiee = v.modifiee;
}

// Not a number fails too.
bool bTropRapide(double vitesse)
{
    return !(vitesse <= ROUTE_VITESSE_MAX);
}

// The legs on both sides of the cell's position.
bool bLegsTropRapides(const structurePosition* k)
{
    return (k->precedent && bTropRapide(k->precedent->position->vitesse)) ||
           bTropRapide(k->position->vitesse);
}

}  // namespace

void classeRoute::change(int i, long date)
{
    if (!premier)
        return;
    structurePosition* k = trouver(i);
    if (date >= ROUTE_DATE_LIMITE || (k->precedent && date < k->precedent->position->date + 60) ||
        (k->suivant && date > k->suivant->position->date - 60))
        return;
    const Releve avant = releve(*this);
    k->position->set(date);
    recalcul(0);
    if (bLegsTropRapides(trouver(i)))
        vRestaurer(*this, avant);
}

void classeRoute::change(int i, double latitude, double longitude)
{
    // A position from outside (a row, the map) that is not on the globe
    // would carry not-a-number legs past the speed guard.
    if (!premier || !std::isfinite(latitude) || !std::isfinite(longitude) ||
        std::fabs(latitude) > 90)
        return;
    structurePosition* k = trouver(i);
    const time_t date = k->position->date;
    if ((k->precedent && k->precedent->position->date == date) ||
        (k->suivant && k->suivant->position->date == date))
        return;
    const Releve avant = releve(*this);
    k->position->set(latitude, longitude);
    recalcul(0);
    if (bLegsTropRapides(trouver(i)))
        vRestaurer(*this, avant);
}
