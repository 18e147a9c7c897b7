#include "pages/regles_zone.h"

#include "map/hote_carte.h"

#include <algorithm>
#include <cmath>

namespace {

double dAccroche(double b, double m)
{
    return m > 0 ? m * std::rint(b / m) : b;
}

double dReplie(double lon)
{
    if (lon < -180)
        return lon + 360;
    if (lon > 180)
        return lon - 360;
    return lon;
}

// The east bound counted from the west: across the antimeridian it lies
// 360 degrees on.
double dEstApresOuest(const CadreZone& c)
{
    return c.ouest > c.est ? c.est + 360 : c.est;
}

}  // namespace

CadreZone cadreAccroche(const CadreZone& c, double m)
{
    return {dAccroche(c.nord, m), dAccroche(c.sud, m), dReplie(dAccroche(c.ouest, m)),
            dReplie(dAccroche(c.est, m))};
}

CadreZone cadreAccrocheMinimal(CadreZone& c, double m)
{
    c.nord = dAccroche(c.nord, m);
    c.sud = dAccroche(c.sud, m);
    if (m > 0 && c.sud > c.nord - m)
        c.sud = c.nord - m;
    c.ouest = dAccroche(c.ouest, m);
    c.est = dAccroche(c.est, m);
    if (m > 0 && c.ouest + m > c.est)
        c.est = c.ouest + m;
    return {c.nord, c.sud, dReplie(c.ouest), dReplie(c.est)};
}

CadreZone cadreTiersMilieu(double haut, double bas, double gauche, double droite)
{
    return {haut - (haut - bas) / 3, bas + (haut - bas) / 3, gauche + (droite - gauche) / 3,
            droite - (droite - gauche) / 3};
}

bool bDeplacerZone(int mouvement, CadreZone& c, double m)
{
    CadreZone n = c;
    switch (mouvement) {
    case ZONE_EST:
        n.ouest += m, n.est += m;
        break;
    case ZONE_OUEST:
        n.ouest -= m, n.est -= m;
        break;
    case ZONE_NORD:
        if (c.nord + m > 90)
            return false;
        n.nord += m, n.sud += m;
        break;
    case ZONE_SUD:
        if (c.sud - m < -90)
            return false;
        n.nord -= m, n.sud -= m;
        break;
    case ZONE_PLUS:
        if (c.nord + m > 90 || c.sud - m < -90)
            return false;
        n = {c.nord + m, c.sud - m, c.ouest - m, c.est + m};
        break;
    case ZONE_MOINS: {
        const double ouest = c.ouest > c.est ? c.ouest - 360 : c.ouest;
        if (!(c.sud + m < c.nord - m) || !(ouest + m < c.est - m))
            return false;
        n = {c.nord - m, c.sud + m, c.ouest + m, c.est - m};
        break;
    }
    default:
        return false;
    }
    c = n;
    return true;
}

void vRegleMolette(int borne, CadreZone& c, double m)
{
    c.nord = std::clamp(c.nord, -90.0, 90.0);
    c.sud = std::clamp(c.sud, -90.0, 90.0);
    const double est = dEstApresOuest(c);
    switch (borne) {
    case BORNE_NORD:
        if (c.sud >= c.nord)
            c.nord = c.sud + m;
        break;
    case BORNE_SUD:
        if (c.sud >= c.nord)
            c.sud = c.nord - m;
        break;
    case BORNE_OUEST:
        if (std::fabs(c.ouest - est) <= m || est - c.ouest > 180)
            c.ouest = est - m;
        break;
    case BORNE_EST: {
        const double d = est - c.ouest;
        if (std::fabs(d) <= m || d > 180)
            c.est = c.ouest + m;
        break;
    }
    default:
        break;
    }
}
