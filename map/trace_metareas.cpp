#include "map/trace_metareas.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// The map column of a longitude before rounding.
double dColonne(const VueCarte& v, double longitude)
{
    return (v.W / 360.0) * (longitude - v.decalageLongitude()) / v.s - v.ox / v.s;
}

}  // namespace

int iLargeurMax(const int largeurs[3], int lignes)
{
    return *std::max_element(largeurs, largeurs + std::clamp(lignes, 1, 3));
}

bool bCouperSegment(double& x0, double& y0, double& x1, double& y1, double w, double h)
{
    const double dx = x1 - x0, dy = y1 - y0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0, w - x0, y0, h - y0};
    double t0 = 0, t1 = 1;
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    const double ax = x0 + t0 * dx, ay = y0 + t0 * dy;
    x1 = x0 + t1 * dx, y1 = y0 + t1 * dy;
    x0 = ax, y0 = ay;
    return true;
}

bool bSegmentCarte(const VueCarte& v, double lat1, double lon1, double lat2, double lon2,
                   SegmentCarte& s)
{
    const double w = v.largeur, h = v.hauteur;
    double xa = v.colonne(lon1), xb = v.colonne(lon2);
    double ya = std::trunc(v.ligne(lat1)), yb = std::trunc(v.ligne(lat2));
    if (xa == xb || ya == yb) {
        // Level or upright: its ends in order, whichever way it was written.
        if (xa > xb)
            std::swap(xa, xb);
        if (ya > yb)
            std::swap(ya, yb);
        if (xa > w || xb < 0 || ya > h || yb < 0)
            return false;
        if (xa < 0)
            xa = 1;
        if (xb > w)
            xb = w - 1;
        if (ya < 0)
            ya = 1;
        if (yb > h)
            yb = h - 1;
        s = {int(xa), int(ya), int(xb), int(yb)};
        return true;
    }
    auto dedans = [w, h](double x, double y) { return 0 <= x && x <= w && 0 <= y && y <= h; };
    if (dedans(xa, ya) && dedans(xb, yb)) {
        s = {int(xa), int(ya), int(xb), int(yb)};
        return true;
    }
    double x0 = dColonne(v, lon1), y0 = v.ligne(lat1), x1 = dColonne(v, lon2), y1 = v.ligne(lat2);
    if (!(std::isfinite(x0) && std::isfinite(y0) && std::isfinite(x1) && std::isfinite(y1)) ||
        !bCouperSegment(x0, y0, x1, y1, w, h))
        return false;
    s = {int(std::rint(x0)), int(y0), int(std::rint(x1)), int(y1)};
    return true;
}

bool bEtiquetteSousZone(int x, int y, const int largeurs[3], int lignes, double place, int w,
                        int h, EtiquetteCarte& e)
{
    const int large = iLargeurMax(largeurs, lignes);
    const int xl = x - largeurs[0] / 2;
    if (!(xl - large / 2 > 0 && xl < w - large && y > 22 && y + 34 < h && place > large))
        return false;
    const int premiere = y + 6 - (lignes >= 3 ? 15 : lignes == 2 ? 7 : 0);
    e.lignes = lignes;
    for (int i = 0; i < lignes && i < 3; ++i)
        e.x[i] = x - largeurs[i] / 2, e.y[i] = premiere + 15 * i;
    return true;
}

bool bEtiquetteMetarea(int x, int y, const int largeurs[3], int lignes, int w, int h,
                       EtiquetteCarte& e)
{
    const int xn = x - largeurs[0] / 2, x3 = x - largeurs[2] / 2;
    // Every line whole on the map: the country runs right from the
    // numeral's left, the third name hangs 30 pixels below.
    const int droite = xn + std::max(largeurs[0], lignes >= 2 ? largeurs[1] : 0);
    const bool troisieme = lignes < 3 || (0 < x3 && x3 + largeurs[2] < w && y + 34 < h);
    if (!(0 < xn && droite < w && y > 15 && y + 24 < h && troisieme))
        return false;
    e.lignes = lignes;
    e.x[0] = xn, e.y[0] = y;
    e.x[1] = xn, e.y[1] = y + 16;
    e.x[2] = x3, e.y[2] = y + 30;
    return true;
}
