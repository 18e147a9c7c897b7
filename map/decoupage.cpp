#include "map/decoupage.h"

namespace {

// One side of the frame: a point is kept when `dedans` holds, and a
// crossing is placed on the line `valeur` of axis x (vertical side) or y.
struct Cote {
    bool axeX;
    double valeur;
    bool garderPlusGrand;
    bool dedans(const PointPlan& p) const
    {
        const double v = axeX ? p.x : p.y;
        return garderPlusGrand ? v >= valeur : v <= valeur;
    }
    PointPlan croisement(const PointPlan& a, const PointPlan& b) const
    {
        if (axeX) {
            const double t = (valeur - a.x) / (b.x - a.x);
            return {valeur, a.y + t * (b.y - a.y)};
        }
        const double t = (valeur - a.y) / (b.y - a.y);
        return {a.x + t * (b.x - a.x), valeur};
    }
};

void vCouper(const std::vector<PointPlan>& entree, const Cote& cote,
             std::vector<PointPlan>& sortie)
{
    sortie.clear();
    if (entree.empty())
        return;
    PointPlan precedent = entree.back();
    bool precedentDedans = cote.dedans(precedent);
    for (const PointPlan& p : entree) {
        const bool dedans = cote.dedans(p);
        if (dedans != precedentDedans)
            sortie.push_back(cote.croisement(precedent, p));
        if (dedans)
            sortie.push_back(p);
        precedent = p;
        precedentDedans = dedans;
    }
}

// Liang-Barsky: narrows [t0, t1] to the part of the segment on the inner
// side of one frame line; false when nothing is left.
bool bBorner(double p, double q, double& t0, double& t1)
{
    if (p == 0)
        return q >= 0;
    const double r = q / p;
    if (p < 0) {
        if (r > t1)
            return false;
        if (r > t0)
            t0 = r;
    } else {
        if (r < t0)
            return false;
        if (r < t1)
            t1 = r;
    }
    return true;
}

bool bSegmentVisible(const PointPlan& a, const PointPlan& b, const CadrePlan& c, double& t0,
                     double& t1)
{
    const double dx = b.x - a.x, dy = b.y - a.y;
    t0 = 0;
    t1 = 1;
    return bBorner(-dx, a.x - c.x0, t0, t1) && bBorner(dx, c.x1 - a.x, t0, t1) &&
           bBorner(-dy, a.y - c.y0, t0, t1) && bBorner(dy, c.y1 - a.y, t0, t1);
}

}  // namespace

void vDecouperPolygone(const std::vector<PointPlan>& polygone, const CadrePlan& cadre,
                       std::vector<PointPlan>& sortie, std::vector<PointPlan>& travail)
{
    vCouper(polygone, {true, cadre.x0, true}, travail);
    vCouper(travail, {true, cadre.x1, false}, sortie);
    vCouper(sortie, {false, cadre.y0, true}, travail);
    vCouper(travail, {false, cadre.y1, false}, sortie);
}

void vDecouperPolyligne(const PointPlan* p, size_t n, const CadrePlan& cadre,
                        TronconsVisibles& t)
{
    bool ouvert = false;  // the last run ends at the previous point
    for (size_t i = 1; i < n; ++i) {
        double t0, t1;
        if (!bSegmentVisible(p[i - 1], p[i], cadre, t0, t1)) {
            ouvert = false;
            continue;
        }
        const double dx = p[i].x - p[i - 1].x, dy = p[i].y - p[i - 1].y;
        if (!ouvert || t0 > 0) {
            t.debuts.push_back(t.points.size());
            t.points.push_back({p[i - 1].x + t0 * dx, p[i - 1].y + t0 * dy});
        }
        t.points.push_back(t1 < 1 ? PointPlan{p[i - 1].x + t1 * dx, p[i - 1].y + t1 * dy} : p[i]);
        ouvert = t1 >= 1;
    }
}
