#include "map/vue_carte.h"

#include <cmath>

bool VueCarte::utilisable() const
{
    return W > 0 && H > 0 && largeur > 0 && hauteur > 0 && s > 0.0 && std::isfinite(s) && std::isfinite(ox) &&
           std::isfinite(oy);
}

double VueCarte::decalageLongitude() const
{
    const int moitie = W / 2;
    if (ox > moitie)
        return -540.0;
    if (ox <= -moitie)
        return 180.0;
    return -180.0;
}

double VueCarte::ligne(double latitude) const
{
    return (H / 180.0) * (90.0 - latitude) / s - oy / s;
}

double VueCarte::colonne(double longitude) const
{
    return std::rint((W / 360.0) * (longitude - decalageLongitude()) / s - ox / s);
}

double VueCarte::latitude(double l) const
{
    return 90.0 - (l * s + oy) * 180.0 / H;
}

double VueCarte::longitude(double c) const
{
    return (c * s + ox) * 360.0 / W + decalageLongitude();
}

int iTronqueBorne(double v)
{
    if (!(v == v))
        return 0;
    if (v >= 2147483647.0)
        return 2147483647;
    if (v <= -2147483648.0)
        return -2147483647 - 1;
    return int(v);
}
