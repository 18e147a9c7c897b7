#include "pages/regles_deplacement.h"

#include <cmath>

namespace {

double dPositif(double v)
{
    return std::isfinite(v) && v > 0 ? v : 0;
}

}  // namespace

CapVitesse capVitesseRetenus(double cap, double vitesse)
{
    CapVitesse r{dPositif(cap), dPositif(vitesse)};
    if (r.cap > 360)
        r.cap = std::fmod(r.cap, 360);
    if (r.vitesse > VITESSE_MAXIMUM)
        r.vitesse = VITESSE_MAXIMUM;
    return r;
}
