#include "codes/octets_grib.h"

#include <cmath>

double reelIBM(const unsigned char* p)
{
    const int exposant = (p[0] & 0x7F) - 64;
    const double fraction = double(u24(p + 1)) / 16777216.0;
    const double valeur = std::ldexp(fraction, 4 * exposant);
    return p[0] & 0x80 ? -valeur : valeur;
}
