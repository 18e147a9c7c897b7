#include "map/places_etiquettes.h"

#include <algorithm>
#include <map>

namespace {

// A segment crosses a box when some part of it lies inside.
bool bDans(const SegmentCarte& s, const BoiteCarte& b)
{
    double x0 = s.xa - b.g, y0 = s.ya - b.h, x1 = s.xb - b.g, y1 = s.yb - b.h;
    return bCouperSegment(x0, y0, x1, y1, b.d - b.g - 1, b.b - b.h - 1);
}

}  // namespace

BoitesEtiquette boitesEtiquette(const EtiquetteCarte& e, const MesuresEtiquette& m)
{
    BoitesEtiquette v;
    for (int i = 0; i < e.lignes && i < 3; ++i)
        v.b[v.n++] = {e.x[i] - 1, e.y[i] - m.monte[i] - 1, e.x[i] + m.largeurs[i] + 1,
                      e.y[i] + m.descend[i] + 1};
    return v;
}

PlacesEtiquettes::PlacesEtiquettes(int largeur, int hauteur)
    : colonnes_(std::max(1, largeur / CELLULE + 1)), rangees_(std::max(1, hauteur / CELLULE + 1)),
      cellules_(size_t(colonnes_) * size_t(rangees_))
{
}

PlacesEtiquettes::Plage PlacesEtiquettes::plage(int x0, int y0, int x1, int y1) const
{
    return {std::clamp(x0 / CELLULE, 0, colonnes_ - 1), std::clamp(x1 / CELLULE, 0, colonnes_ - 1),
            std::clamp(y0 / CELLULE, 0, rangees_ - 1), std::clamp(y1 / CELLULE, 0, rangees_ - 1)};
}

void PlacesEtiquettes::vTrait(const SegmentCarte& s)
{
    // Every cell of the segment's bounding box: the map's segments are short
    // or level, so this files few cells it does not cross.
    vClasser(plage(std::min(s.xa, s.xb), std::min(s.ya, s.yb), std::max(s.xa, s.xb),
                   std::max(s.ya, s.yb)),
             &Cellule::traits, int(traits_.size()));
    traits_.push_back(s);
}

void PlacesEtiquettes::vClasser(const Plage& p, std::vector<int> Cellule::*liste, int i)
{
    for (int r = p.r0; r <= p.r1; ++r)
        for (int c = p.c0; c <= p.c1; ++c)
            (cellule(c, r).*liste).push_back(i);
}

template <class Test>
bool PlacesEtiquettes::bDansCellules(const BoitesEtiquette& boites,
                                     std::vector<int> Cellule::*liste, Test test) const
{
    for (const BoiteCarte& b : boites) {
        const Plage p = plage(b.g, b.h, b.d, b.b);
        for (int r = p.r0; r <= p.r1; ++r)
            for (int c = p.c0; c <= p.c1; ++c)
                for (int i : cellule(c, r).*liste)
                    if (test(b, size_t(i)))
                        return true;
    }
    return false;
}

bool PlacesEtiquettes::bTraverse(const BoitesEtiquette& boites) const
{
    return bDansCellules(boites, &Cellule::traits,
                         [this](const BoiteCarte& b, size_t i) { return bDans(traits_[i], b); });
}

bool PlacesEtiquettes::bCouvre(const BoitesEtiquette& boites) const
{
    return bDansCellules(boites, &Cellule::pris,
                         [this](const BoiteCarte& b, size_t i) { return b.bCroise(pris_[i]); });
}

bool PlacesEtiquettes::bCouvre(const BoitesEtiquette& boites, const std::vector<BoiteCarte>& autres)
{
    for (const BoiteCarte& b : boites)
        for (const BoiteCarte& a : autres)
            if (b.bCroise(a))
                return true;
    return false;
}

void PlacesEtiquettes::vPrendre(const BoitesEtiquette& boites)
{
    for (const BoiteCarte& b : boites) {
        vClasser(plage(b.g, b.h, b.d, b.b), &Cellule::pris, int(pris_.size()));
        pris_.push_back(b);
    }
}

const std::vector<std::pair<int, int>>& decalagesEtiquette(int largeur, int hauteur)
{
    // Drawing runs on the toolkit's thread alone; a few sizes only.
    static std::map<std::pair<int, int>, std::vector<std::pair<int, int>>> faits;
    std::vector<std::pair<int, int>>& v = faits[{largeur, hauteur}];
    if (!v.empty())
        return v;
    // Up to a width either way and a height and a half up or down, in
    // steps of a quarter width and of 8 pixels.
    const int pasX = std::max(8, largeur / 4), pasY = 8;
    const int nx = 4, ny = std::max(2, (3 * hauteur / 2) / pasY);
    for (int j = -ny; j <= ny; ++j)
        for (int i = -nx; i <= nx; ++i)
            v.push_back({i * pasX, j * pasY});
    std::stable_sort(v.begin(), v.end(), [](const auto& a, const auto& b) {
        return a.first * a.first + a.second * a.second < b.first * b.first + b.second * b.second;
    });
    return v;
}
