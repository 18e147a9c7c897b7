#include "routes/orthodromie.h"

#include "routes/classe_position.h"

#include <algorithm>
#include <cmath>

namespace {

const double PI = 3.141592653589793;
const double MILLES_PAR_RADIAN = 10800 / PI;

double radians(double degres)
{
    return PI * degres / 180;
}

// Spherical law of cosines, in radians.
double dOrthodromie(double p1, double l1, double p2, double l2)
{
    const double c = std::sin(p1) * std::sin(p2) + std::cos(p1) * std::cos(p2) * std::cos(l1 - l2);
    // Rounding pushes the cosine just past 1 for coincident or very close
    // points, where acos has no value; the distance there is 0.
    return std::acos(std::clamp(c, -1.0, 1.0)) * MILLES_PAR_RADIAN;
}

}  // namespace

double orthodromie2(double lat1, double lon1, double lat2, double lon2)
{
    return dOrthodromie(radians(lat1), radians(lon1), radians(lat2), radians(lon2));
}

double orthodromie(const classePosition* a, const classePosition* b)
{
    return dOrthodromie(a->latitudeRadians, a->longitudeRadians, b->latitudeRadians,
                        b->longitudeRadians);
}
