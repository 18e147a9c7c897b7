#include "map/marsden.h"

#include <cmath>

int iMarsden(double latitude, double longitude)
{
    // Also keeps the conversions to int below within range.
    if (!(std::fabs(latitude) <= 1000 && std::fabs(longitude) <= 1000))
        return 0;
    double lambda = longitude;
    if (lambda < 0)
        lambda += 360;
    if (lambda > 360)
        lambda -= 360;
    const int colonne = int((359.99999 - lambda) / 10);
    int ligne, base;
    if (latitude < 0) {
        ligne = int(std::fabs((latitude + 0.01) / 10));
        base = 299;
    } else {
        ligne = int(latitude / 10);
        base = 0;
    }
    return base + 36 * ligne + colonne + (latitude >= 80 ? 613 : 1);
}
