#include "map/trace_tdc.h"

#include <cmath>

namespace {

// Margin of the clipping frame around the view: lines cut at the frame
// end out of sight.
const double MARGE = 4;

// Whether the segment from unit (y0, x0) to (y1, x1) lies along a
// ten-degree parallel or meridian (`grille` units apart).
bool bCouture(long y0, long x0, long y1, long x1, long grille)
{
    return (y0 == y1 && y0 % grille == 0) || (x0 == x1 && x0 % grille == 0);
}

}  // namespace

ProjectionTdc projectionTdc(int W, int H, double ox, double oy, double echelle, double k, int x,
                            int y, int w, int h)
{
    ProjectionTdc p;
    p.ax = W / 360.0 / echelle;
    p.bx = (W / 360.0) * k / echelle - ox / echelle + x;
    p.ay = -(H / 180.0) / echelle;
    p.by = (H / 180.0) * 90 / echelle - oy / echelle;
    // y is truncated before the map's position is added.
    p.y0 = y;
    p.cadre = {x - MARGE, y - MARGE, x + w + MARGE, y + h + MARGE};
    return p;
}

void TraceTdc::vProjeter(const TYPEDEF_TDC* t, double decalage, double echelle, double sud,
                         double ouest, const ProjectionTdc& p)
{
    points_.clear();
    couture_.clear();
    const double ax = p.ax / echelle, bx = p.ax * (ouest + decalage) + p.bx;
    const double ay = p.ay / echelle, by = p.ay * sud + p.by;
    const long grille = std::lrint(10 * echelle);
    const long sudU = std::lrint(sud * echelle), ouestU = std::lrint(ouest * echelle);
    const bool anneau = t->niveau < 10;
    for (int i = 0; i < t->nombre; ++i) {
        const PointPlan q{std::rint(ax * t->longitudes[i] + bx),
                          std::trunc(ay * t->latitudes[i] + by) + p.y0};
        if (anneau && i > 0 && grille > 0 &&
            bCouture(sudU + t->latitudes[i - 1], ouestU + t->longitudes[i - 1],
                     sudU + t->latitudes[i], ouestU + t->longitudes[i], grille)) {
            couture_.back() = true;
        } else if (!points_.empty() && q.x == points_.back().x && q.y == points_.back().y) {
            continue;  // same pixel: nothing to draw
        }
        points_.push_back(q);
        couture_.push_back(false);
    }
}

const TronconsVisibles& TraceTdc::contour(const TYPEDEF_TDC* t, double decalage, double echelle,
                                          double sud, double ouest, const ProjectionTdc& p)
{
    vProjeter(t, decalage, echelle, sud, ouest, p);
    troncons_.vVider();
    size_t debut = 0;
    for (size_t j = 0; j < points_.size(); ++j)
        if (couture_[j] || j + 1 == points_.size()) {
            vDecouperPolyligne(&points_[debut], j + 1 - debut, p.cadre, troncons_);
            debut = j + 1;
        }
    return troncons_;
}

const std::vector<PointPlan>& TraceTdc::surface(const TYPEDEF_TDC* t, double decalage,
                                                double echelle, double sud, double ouest,
                                                const ProjectionTdc& p)
{
    vProjeter(t, decalage, echelle, sud, ouest, p);
    vDecouperPolygone(points_, p.cadre, sortie_, travail_);
    if (!sortie_.empty())
        sortie_.push_back(sortie_.front());
    return sortie_;
}
