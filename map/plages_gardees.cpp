#include "map/plages_gardees.h"

namespace {

bool bMemeVue(const VueCarte& a, const VueCarte& b)
{
    return a.W == b.W && a.H == b.H && a.largeur == b.largeur && a.hauteur == b.hauteur &&
           a.x == b.x && a.y == b.y && a.ox == b.ox && a.oy == b.oy && a.s == b.s;
}

// The pixel width of the copy shifted by `decalage` when its whole grid
// shows across the view (its cut-out is then the whole grid), else -1. The
// last column, which the contouring reaches by steps, is kept a pixel clear
// of the edge.
int iLargeurEntiere(const isoplages& o, double decalage)
{
    const int gauche = iTronqueBorne(o.vue.colonne(double(o.lo1) + decalage));
    const int droite = iTronqueBorne(o.vue.colonne(double(o.lo2) + decalage));
    return gauche >= 0 && droite < o.vue.largeur - 1 ? droite - gauche : -1;
}

// The copy whose picture each copy takes: itself, or the last copy after
// it that shows whole at the same width, whose picture is the same.
std::vector<size_t> sources(const isoplages& o, const std::vector<double>& decalages)
{
    const size_t n = decalages.size();
    std::vector<int> largeurs;
    for (double d : decalages)
        largeurs.push_back(iLargeurEntiere(o, d));
    std::vector<size_t> s(n);
    for (size_t k = 0; k < n; ++k) {
        s[k] = k;
        if (largeurs[k] < 0)
            continue;
        for (size_t j = n - 1; j > k; --j)
            if (largeurs[j] == largeurs[k]) {
                s[k] = j;
                break;
            }
    }
    return s;
}

}  // namespace

bool BandesGardees::bAJour(const isoplages& o) const
{
    return !copies_.empty() && bMemeVue(vue_, o.vue) && reglages_ == o.reglages();
}

void BandesGardees::vFaire(isoplages& o, const std::vector<double>& decalages)
{
    const std::vector<size_t> source = sources(o, decalages);
    const size_t n = decalages.size();
    images_.resize(n);
    copies_.assign(n, {});
    for (size_t k = 0; k < n; ++k) {
        if (source[k] != k)
            continue;
        double nord, sud, ouest, est;
        o.calcul(nord, sud, ouest, est, decalages[k]);
        images_[k].rvba.assign(o.image.begin(), o.image.end());
        images_[k].colonnes = o.colonnes;
        images_[k].lignes = o.lignes;
        copies_[k] = {&images_[k], nord, ouest};
    }
    // A copy that shows whole starts at its grid's first column.
    for (size_t k = 0; k < n; ++k)
        if (source[k] != k)
            copies_[k] = {copies_[source[k]].image, copies_[source[k]].nord,
                          double(o.lo1) + decalages[k]};
    vue_ = o.vue;
    reglages_ = o.reglages();
    etiquettes_ = TraceEnregistree();
}

void BandesGardees::vEtiquettes(isoplages& o, TraceGlyphes& t)
{
    o.trace = &t;
    if (!bAJour(o)) {
        o.labels();
        return;
    }
    // Not written since vFaire (no seam measures yet), or widths measured
    // by another seam, which would place the texts otherwise.
    if (etiquettes_.mesure() != &t) {
        etiquettes_.vRecommencer(t);
        o.trace = &etiquettes_;
        o.labels();
        o.trace = &t;
    }
    etiquettes_.vRejouer(t);
}

BandesGardees& PlagesGardees::pour(const isoplages& o)
{
    for (auto& [objet, gardees] : gardees_)
        if (objet == &o)
            return *gardees;
    gardees_.emplace_back(&o, std::make_unique<BandesGardees>());
    return *gardees_.back().second;
}
