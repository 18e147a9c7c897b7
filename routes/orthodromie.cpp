#include "routes/orthodromie.h"

#include <algorithm>
#include <cmath>

namespace {

const double PI = 3.141592653589793;
const double MILLES_PAR_RADIAN = 10800 / PI;

double radians(double degres)
{
    return PI * degres / 180;
}

}  // namespace

double orthodromie2(double lat1, double lon1, double lat2, double lon2)
{
    const double p1 = radians(lat1), p2 = radians(lat2);
    const double c = std::sin(p1) * std::sin(p2) +
                     std::cos(p1) * std::cos(p2) * std::cos(radians(lon1) - radians(lon2));
    // Rounding pushes the cosine just past 1 for coincident or very close
    // points, where acos has no value; the distance there is 0.
    return std::acos(std::clamp(c, -1.0, 1.0)) * MILLES_PAR_RADIAN;
}
