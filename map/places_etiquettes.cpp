#include "map/places_etiquettes.h"

#include <algorithm>
#include <cstdlib>

namespace {

// A segment crosses a box when some part of it lies inside.
bool bDans(const SegmentCarte& s, const BoiteCarte& b)
{
    double x0 = s.xa - b.g, y0 = s.ya - b.h, x1 = s.xb - b.g, y1 = s.yb - b.h;
    return bCouperSegment(x0, y0, x1, y1, b.d - b.g - 1, b.b - b.h - 1);
}

}  // namespace

std::vector<BoiteCarte> boitesEtiquette(const EtiquetteCarte& e, const MesuresEtiquette& m)
{
    std::vector<BoiteCarte> v;
    for (int i = 0; i < e.lignes && i < 3; ++i)
        v.push_back({e.x[i] - 1, e.y[i] - m.monte[i] - 1, e.x[i] + m.largeurs[i] + 1,
                     e.y[i] + m.descend[i] + 1});
    return v;
}

PlacesEtiquettes::PlacesEtiquettes(int largeur, int hauteur)
    : colonnes_(std::max(1, largeur / CELLULE + 1)), rangees_(std::max(1, hauteur / CELLULE + 1)),
      cellules_(size_t(colonnes_) * size_t(rangees_))
{
}

std::vector<int>& PlacesEtiquettes::cellule(int cx, int cy)
{
    return cellules_[size_t(std::clamp(cy, 0, rangees_ - 1)) * colonnes_ +
                     std::clamp(cx, 0, colonnes_ - 1)];
}

const std::vector<int>& PlacesEtiquettes::cellule(int cx, int cy) const
{
    return const_cast<PlacesEtiquettes*>(this)->cellule(cx, cy);
}

void PlacesEtiquettes::vTrait(const SegmentCarte& s)
{
    const int n = int(traits_.size());
    traits_.push_back(s);
    // Every cell of the segment's bounding box: the map's segments are short
    // or level, so this files few cells it does not cross.
    const int x0 = std::min(s.xa, s.xb) / CELLULE, x1 = std::max(s.xa, s.xb) / CELLULE;
    const int y0 = std::min(s.ya, s.yb) / CELLULE, y1 = std::max(s.ya, s.yb) / CELLULE;
    for (int cy = std::max(0, y0); cy <= std::min(y1, rangees_ - 1); ++cy)
        for (int cx = std::max(0, x0); cx <= std::min(x1, colonnes_ - 1); ++cx)
            cellule(cx, cy).push_back(n);
}

bool PlacesEtiquettes::bTraverse(const std::vector<BoiteCarte>& boites) const
{
    for (const BoiteCarte& b : boites)
        for (int cy = std::max(0, b.h / CELLULE); cy <= std::min(b.b / CELLULE, rangees_ - 1); ++cy)
            for (int cx = std::max(0, b.g / CELLULE); cx <= std::min(b.d / CELLULE, colonnes_ - 1);
                 ++cx)
                for (int i : cellule(cx, cy))
                    if (bDans(traits_[size_t(i)], b))
                        return true;
    return false;
}

bool PlacesEtiquettes::bCouvre(const std::vector<BoiteCarte>& boites) const
{
    return bCouvre(boites, pris_);
}

bool PlacesEtiquettes::bCouvre(const std::vector<BoiteCarte>& boites,
                               const std::vector<BoiteCarte>& autres)
{
    for (const BoiteCarte& b : boites)
        for (const BoiteCarte& a : autres)
            if (b.bCroise(a))
                return true;
    return false;
}

void PlacesEtiquettes::vPrendre(const std::vector<BoiteCarte>& boites)
{
    pris_.insert(pris_.end(), boites.begin(), boites.end());
}

std::vector<std::pair<int, int>> decalagesEtiquette(int largeur, int hauteur)
{
    // Up to a width either way and a height and a half up or down, in
    // steps of a quarter width and of 8 pixels.
    const int pasX = std::max(8, largeur / 4), pasY = 8;
    const int nx = 4, ny = std::max(2, (3 * hauteur / 2) / pasY);
    std::vector<std::pair<int, int>> v;
    for (int j = -ny; j <= ny; ++j)
        for (int i = -nx; i <= nx; ++i)
            v.push_back({i * pasX, j * pasY});
    std::stable_sort(v.begin(), v.end(), [](const auto& a, const auto& b) {
        return a.first * a.first + a.second * a.second < b.first * b.first + b.second * b.second;
    });
    return v;
}
