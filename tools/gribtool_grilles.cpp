#include "tools/gribtool_grilles.h"

#include <algorithm>
#include <cmath>

namespace {

const double PI = 3.14159265358979323846;

// Step along an axis from its first point: the increment when the grid gives
// one, else an even share of the span to the last point.
double dPas(double premier, double dernier, double increment, unsigned int n, bool negatif)
{
    if (increment > 0)
        return negatif ? -increment : increment;
    return n > 1 ? (dernier - premier) / (n - 1) : 0;
}

// Calls f(i, j) for every point in the order the values are stored:
// rows of i (west-east) one after the other, or, with scanning bit 0x20,
// columns of j one after the other.
template <class F>
void vParcourir(unsigned int ni, unsigned int nj, unsigned int balayage, F f)
{
    if (balayage & 0x20) {
        for (unsigned int i = 0; i < ni; ++i)
            for (unsigned int j = 0; j < nj; ++j)
                f(i, j);
        return;
    }
    for (unsigned int j = 0; j < nj; ++j)
        for (unsigned int i = 0; i < ni; ++i)
            f(i, j);
}

void vRegulier(std::vector<PointGrille>& p, double la1, double lo1, double la2, double lo2,
               double di, double dj, unsigned int ni, unsigned int nj, unsigned int balayage)
{
    if (lo2 < lo1 && !(balayage & 0x80))
        lo2 += 360;
    const double pi = dPas(lo1, lo2, di, ni, balayage & 0x80);
    const double pj = dPas(la1, la2, dj, nj, !(balayage & 0x40));
    vParcourir(ni, nj, balayage,
               [&](unsigned int i, unsigned int j) { p.push_back({la1 + j * pj, lo1 + i * pi}); });
}

// Latitudes of the 2N Gaussian rows, north to south: the roots of the
// Legendre polynomial of degree 2N, by Newton's method.
std::vector<double> vLatitudesGauss(unsigned int n2)
{
    std::vector<double> lat(n2);
    for (unsigned int k = 0; k < n2; ++k) {
        double x = std::cos(PI * (k + 0.75) / (n2 + 0.5));
        for (int iteration = 0; iteration < 100; ++iteration) {
            double p0 = 1, p1 = x;
            for (unsigned int l = 2; l <= n2; ++l) {
                const double p2 = ((2.0 * l - 1) * x * p1 - (l - 1.0) * p0) / l;
                p0 = p1;
                p1 = p2;
            }
            const double derivee = n2 * (x * p1 - p0) / (x * x - 1);
            const double pas = p1 / derivee;
            x -= pas;
            if (std::fabs(pas) < 1e-15)
                break;
        }
        lat[k] = std::asin(x) * 180 / PI;
    }
    return lat;
}

void vGauss(std::vector<PointGrille>& p, const CLASS_GRIB_GET& g)
{
    const std::vector<double> lat = vLatitudesGauss(2 * g.ui_ga_n);
    unsigned int premiere = 0;
    while (premiere < lat.size() && lat[premiere] > g.f_ga_la1 + 1e-3)
        ++premiere;
    const unsigned int nj = g.ui_ga_nj;
    unsigned int large = g.ui_ga_ni;
    if (g.pui_ga_points_par_ligne) {
        large = 0;
        for (unsigned int j = 0; j < nj && j < 2 * g.ui_ga_n; ++j)
            large = std::max(large, g.pui_ga_points_par_ligne[j]);
    }
    const double lo2 = g.f_ga_lo2 < g.f_ga_lo1 ? g.f_ga_lo2 + 360 : g.f_ga_lo2;
    // A global grid: the points of each row share the whole turn.
    const bool global = large && std::fabs(lo2 - g.f_ga_lo1 + 360.0 / large - 360) < 1;
    for (unsigned int j = 0; j < nj && premiere + j < lat.size(); ++j) {
        const unsigned int ni = g.pui_ga_points_par_ligne ? g.pui_ga_points_par_ligne[j]
                                                          : g.ui_ga_ni;
        const double pas = global ? 360.0 / ni : ni > 1 ? (lo2 - g.f_ga_lo1) / (ni - 1) : 0;
        for (unsigned int i = 0; i < ni; ++i)
            p.push_back({lat[premiere + j], g.f_ga_lo1 + i * pas});
    }
}

// Polar stereographic on a sphere of 6,367,470 m, true at 60 degrees.
void vStereo(std::vector<PointGrille>& p, const CLASS_GRIB_GET& g)
{
    const double r = 6367470 * (1 + std::sin(60 * PI / 180));
    const double sud = g.ui_sp_centre_projection & 0x80 ? -1 : 1;
    const double lov = g.f_sp_lov * PI / 180;
    const double phi1 = sud * g.f_sp_la1 * PI / 180, lam1 = g.f_sp_lo1 * PI / 180;
    const double rho1 = r * std::tan(PI / 4 - phi1 / 2);
    const double x0 = rho1 * std::sin(lam1 - lov), y0 = -rho1 * std::cos(lam1 - lov);
    const double dx = (g.ui_sp_balayage & 0x80 ? -1 : 1) * g.f_sp_dx;
    const double dy = (g.ui_sp_balayage & 0x40 ? 1 : -1) * g.f_sp_dy;
    vParcourir(g.ui_sp_nx, g.ui_sp_ny, g.ui_sp_balayage, [&](unsigned int i, unsigned int j) {
        const double x = x0 + i * dx, y = y0 + j * dy;
        const double phi = PI / 2 - 2 * std::atan(std::hypot(x, y) / r);
        const double lam = lov + std::atan2(x, -y);
        p.push_back({sud * phi * 180 / PI, lam * 180 / PI});
    });
}

}  // namespace

std::vector<PointGrille> vPointsGrille(const CLASS_GRIB_GET& g)
{
    std::vector<PointGrille> p;
    switch (g.ui_s2_type) {
    case 0: case 10: case 20: case 30:
        vRegulier(p, g.f_ll_la1, g.f_ll_lo1, g.f_ll_la2, g.f_ll_lo2,
                  g.ui_ll_drapeaux & 0x80 ? g.f_ll_di : 0, g.ui_ll_drapeaux & 0x80 ? g.f_ll_dj : 0,
                  g.ui_ll_ni, g.ui_ll_nj, g.ui_ll_balayage);
        break;
    case 4: case 14: case 24: case 34:
        vGauss(p, g);
        break;
    case 5:
        vStereo(p, g);
        break;
    }
    return p;
}
