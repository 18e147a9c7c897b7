// Seconds worked out in floating point, made whole safely.
#ifndef ROUTES_DUREE_H
#define ROUTES_DUREE_H

#include <cmath>

// The latest date a computation may reach, about a million years on: legs
// of absurd length or speed stop there rather than overflow.
const long DATE_ROUTE_MAX = 32000000000000L;

// `secondes` truncated toward zero; a value with no meaning (not a number)
// gives 0 and one beyond a million years is held there, so that no
// conversion overflows.
inline long lSecondes(double secondes)
{
    if (std::isnan(secondes))
        return 0;
    const double borne = double(DATE_ROUTE_MAX);
    return long(std::fmax(-borne, std::fmin(borne, secondes)));
}

#endif
