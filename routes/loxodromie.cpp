#include "routes/loxodromie.h"

#include "routes/classe_position.h"

#include "codes/navigation.h"

#include <cmath>

namespace {

const double PI = 3.141592653589793;
const double MILLES_PAR_RADIAN = 3437.7467707849396;  // 10800 / pi

// Mercator's latitude of `p` radians, finite at the poles too.
double dMercator(double p)
{
    const double q = dLatitudeMercator(p * 180 / PI) * PI / 180;
    return std::log(std::tan(0.5 * q + 0.7853981633974483));
}

}  // namespace

double loxodromie(classePosition* depart, classePosition* arrivee)
{
    const double p1 = depart->latitudeRadians, l1 = depart->longitudeRadians;
    const double p2 = arrivee->latitudeRadians, l2 = arrivee->longitudeRadians;
    double cap, longueur;
    if (p2 == p1) {
        // Along the parallel, or no leg at all.
        cap = l1 == l2 ? 0 : l2 > l1 ? 90 : 270;
        longueur = std::fabs((l1 - l2) * 60 * std::cos(p2) * 180 / PI);
    } else if (l1 == l2) {
        cap = p2 > p1 ? 360 : 180;
        longueur = std::fabs((p1 - p2) * MILLES_PAR_RADIAN);
    } else {
        const double m = dMercator(p2) - dMercator(p1);
        const double a = std::atan2(l1 - l2, m);
        if (m == 0)  // both points held at the same latitude near a pole
            longueur = std::hypot(p2 - p1, (l2 - l1) * std::cos(0.5 * (p1 + p2))) *
                       MILLES_PAR_RADIAN;
        else
            longueur = std::fabs((p2 - p1) * MILLES_PAR_RADIAN / std::cos(a));
        cap = a == 0 ? 360 : a < 0 ? std::fabs(a) * 180 / PI : 360 - a * 180 / PI;
    }
    depart->cap = cap;
    return longueur;
}

void loxoCapVitesse(double latitude, double longitude, double cap, double distance,
                    double& latitude2, double& longitude2)
{
    vCodesLoxoLLCD(latitude, longitude, cap, distance, latitude2, longitude2);
}
