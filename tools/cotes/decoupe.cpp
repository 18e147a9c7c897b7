#include "tools/cotes/decoupe.h"

#include <algorithm>
#include <cmath>

namespace {

CadrePlan boite(const std::vector<PointPlan>& p)
{
    CadrePlan b{p[0].x, p[0].y, p[0].x, p[0].y};
    for (const PointPlan& q : p) {
        b.x0 = std::min(b.x0, q.x);
        b.x1 = std::max(b.x1, q.x);
        b.y0 = std::min(b.y0, q.y);
        b.y1 = std::max(b.y1, q.y);
    }
    return b;
}

double aire(const std::vector<PointPlan>& p)
{
    double a = 0;
    for (size_t i = 0, j = p.size() - 1; i < p.size(); j = i++)
        a += p[j].x * p[i].y - p[i].x * p[j].y;
    return std::fabs(a) / 2;
}

// Appends the part of `m` inside `cadre`, shifted by `decalage` degrees of
// longitude: one closed ring for a shoreline, the visible runs of a line.
void vGarder(const Morceau& m, const CadrePlan& cadre, double decalage,
             std::vector<Morceau>& sortie)
{
    if (m.anneau()) {
        std::vector<PointPlan> partie, travail;
        vDecouperPolygone(m.points, cadre, partie, travail);
        if (partie.size() < 3 || aire(partie) == 0)
            return;
        partie.push_back(partie.front());
        for (PointPlan& p : partie)
            p.x += decalage;
        sortie.push_back(Morceau{m.type, std::move(partie)});
        return;
    }
    TronconsVisibles t;
    vDecouperPolyligne(m.points.data(), m.points.size(), cadre, t);
    for (size_t k = 0; k < t.debuts.size(); ++k) {
        Morceau ligne{m.type, {t.points.begin() + long(t.debuts[k]), t.points.begin() + long(t.iFin(k))}};
        for (PointPlan& p : ligne.points)
            p.x += decalage;
        sortie.push_back(std::move(ligne));
    }
}

}  // namespace

void vDecouperCarres(const Morceau& m, std::vector<Morceau>& sortie)
{
    if (m.points.empty())
        return;
    const CadrePlan b = boite(m.points);
    std::vector<Morceau> bande;
    for (double x = std::floor(b.x0 / 10) * 10; x < b.x1 || x == b.x0; x += 10) {
        // One pass per band of longitude first: a ring then meets each
        // square of its band through the band's share only.
        bande.clear();
        vGarder(m, {x, -91, x + 10, 91}, 0, bande);
        for (const Morceau& part : bande)
            for (double y = std::floor(b.y0 / 10) * 10; y < b.y1 || y == b.y0; y += 10)
                vGarder(part, {x, y, x + 10, y + 10}, decalageVersOuest(x), sortie);
    }
}

void vLimiterEtendue(const Morceau& m, double etendue, std::vector<Morceau>& sortie)
{
    if (m.points.empty())
        return;
    const CadrePlan b = boite(m.points);
    if (b.x1 - b.x0 <= etendue && b.y1 - b.y0 <= etendue) {
        sortie.push_back(m);
        return;
    }
    for (double x = std::floor(b.x0 / 180) * 180; x < b.x1; x += 180)
        vGarder(m, {x, -91, x + 180, 91}, decalageVersOuest(x), sortie);
}
