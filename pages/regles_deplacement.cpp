#include "pages/regles_deplacement.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

double dPositif(double v)
{
    return std::isfinite(v) && v > 0 ? v : 0;
}

// The speed as "%.1lf" writes it, so that the field shows what is sent.
double dVitesseEcrite(double v)
{
    char t[32];
    std::snprintf(t, sizeof t, "%.1lf", v);
    return std::strtod(t, nullptr);
}

}  // namespace

CapVitesse capVitesseRetenus(double cap, double vitesse, double capPrecedent)
{
    CapVitesse r{std::trunc(dPositif(cap)), dPositif(vitesse)};
    if (r.cap >= 360)
        r.cap = capPrecedent;
    if (r.vitesse > VITESSE_MAXIMUM)
        r.vitesse = VITESSE_MAXIMUM;
    r.vitesse = dVitesseEcrite(r.vitesse);
    return r;
}
