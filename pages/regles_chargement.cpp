#include "pages/regles_chargement.h"

#include "gribdata/modeles.h"

#include <cmath>

bool bModeleChargeable(int modele)
{
    for (const TYPEDEF_MODELE* m : modelesProposes())
        if (m->code == modele)
            return true;
    return false;
}

bool bDimensionsValides(double latitude, double longitude, double etendue)
{
    return std::isfinite(latitude) && std::isfinite(longitude) && std::isfinite(etendue) &&
           std::fabs(latitude) <= 90 && std::fabs(longitude) <= 540 && etendue > 0 &&
           etendue <= 360;
}

int iCompressionChargee(const std::string& ligne)
{
    return ligne == "C" ? 0 : ligne == "C gzip" ? 1 : 2;
}

CapVitesseCharges capVitesseCharges(const std::string& ligne, int cap, double vitesse)
{
    if (ligne == "V" || (cap == 0 && vitesse == 0))
        return {};
    return {cap, vitesse};
}
