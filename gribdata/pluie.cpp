#include "gribdata/pluie.h"

#include "gribdata/champ_grib.h"

#include <algorithm>

void vCumulerPluie(const float* valeurs, const float* precedents, size_t n, bool duPas,
                   float* totaux, float* pas)
{
    for (size_t k = 0; k < n; ++k) {
        const float v = valeurs[k];
        if (v == GRIB_ABSENT) {
            totaux[k] = GRIB_ABSENT;
            if (pas)
                pas[k] = GRIB_ABSENT;
            continue;
        }
        const bool avant = precedents && precedents[k] != GRIB_ABSENT;
        const float precedent = avant ? precedents[k] : 0.0f;
        const float total = duPas ? precedent + std::max(v, 0.0f) : v;
        if (pas)
            pas[k] = duPas ? std::max(v, 0.0f) : avant ? std::max(0.0f, v - precedent) : v;
        totaux[k] = total;
    }
}
