// The labels of the last band picture: the smallest and largest value in
// view, and the isoline values met on a straight walk through the visible
// grid from the one to the other, each more than 30 pixels from the others.
#include "map/isoplages.h"

#include "map/classes_bandes.h"
#include "map/etiquette_carte.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

namespace {

struct Position {
    int x, y;
    bool loin(const Position& p) const
    {
        return int(std::hypot(double(x) - p.x, double(y) - p.y)) > 30;
    }
};

bool bImageEnVue(const isoplages& o)
{
    const VueCarte& v = o.vue;
    return o.est >= v.longitude(0) && o.ouest <= v.longitude(v.largeur - 1) &&
           o.sud <= v.latitude(0) && v.latitude(v.hauteur - 1) <= o.nord;
}

// The widget position of a cell of the visible grid.
Position ecran(const isoplages& o, size_t i)
{
    const double c = double(i % size_t(o.colonnesLabels)), l = double(i / size_t(o.colonnesLabels));
    return {iTronqueBorne(o.vue.colonne(o.ouest + (o.est - o.ouest) / o.colonnesLabels * c)),
            iTronqueBorne(o.vue.ligne(o.nord - (o.nord - o.sud) / o.lignesLabels * l))};
}

// What the walk compares: the class times the scale for fixed classes,
// degrees Celsius times the scale for temperatures, else the value.
int64_t iValeurMarche(const isoplages& o, int v)
{
    if (o.bClassesBeaufort())
        return int64_t(iForceBeaufort(float(v * o.facteurAffichage))) * o.echelle;
    if (o.bClassesMer())
        return int64_t(iClasseMer(float(v * o.facteurAffichage))) * o.echelle;
    return isoplages::famille(o.parametre) == isoplages::TEMPERATURE ? int64_t(v) - o.decalageEntier
                                                                      : v;
}

// Quotients toward zero do not tell the two sides of the reference apart:
// there the test is the side itself, a value at the reference being on
// the side above it as in the bands (so that a walk that steps onto the
// reference still labels it).
bool bIsoligneFranchie(int64_t a, int64_t b, int64_t reference, int64_t pas)
{
    const int64_t x = a - reference, y = b - reference;
    return x / pas != y / pas || (x < 0) != (y < 0);
}

// The text of the isoline of value v: a class number, or v taken toward
// zero to a multiple of the step, with whole units when the step is a
// multiple of the scale, one decimal when of a tenth of it, else two.
void vTexteIsoligne(const isoplages& o, int64_t v, int64_t pas, bool classes, char* t, size_t n)
{
    const double decalage = isoplages::famille(o.parametre) == isoplages::TEMPERATURE ? 0.0
                                                                                     : o.decalageAffichage;
    if (classes) {
        std::snprintf(t, n, "%d", iTronqueBorne(std::rint(double(v) * o.facteurAffichage + decalage)));
        return;
    }
    const double iv = double(pas * (v / pas)) * o.facteurAffichage + decalage;
    if (pas % o.echelle == 0)
        std::snprintf(t, n, "%d", iTronqueBorne(std::rint(iv)));
    else if (o.echelle >= 10 && pas % (o.echelle / 10) == 0)
        std::snprintf(t, n, "%.1f", iv);
    else
        std::snprintf(t, n, "%.2f", iv);
}

// From the smallest value's cell one column and one row toward the
// largest's at each step, each coordinate stopping once it is reached.
template <class F>
void vMarcher(const isoplages& o, size_t depart, size_t arrivee, F pas)
{
    const int L = o.colonnesLabels;
    int c = int(depart % size_t(L)), l = int(depart / size_t(L));
    const int cFin = int(arrivee % size_t(L)), lFin = int(arrivee / size_t(L));
    const int dc = c <= cFin ? 1 : -1, dl = l <= lFin ? 1 : -1;
    while (c != cFin || l != lFin) {
        const size_t precedente = size_t(l) * L + c;
        c = c == cFin ? c : c + dc;
        l = l == lFin ? l : l + dl;
        pas(precedente, size_t(l) * L + c);
    }
}

}  // namespace

void isoplages::labels()
{
    size_t iMin, iMax;
    if (!trace || visible.empty() || !vue.utilisable() || !bImageEnVue(*this) || !extremes(iMin, iMax))
        return;
    const bool classes = bClassesBeaufort() || bClassesMer();
    int pas = 1, reference;
    if (classes)
        reference = bClassesBeaufort() ? ventForceReference : vagueClasseReference;
    else
        vPasReference(pas, reference);
    if (pas <= 0)  // logged when the picture was refused
        return;
    const int64_t ref = famille(parametre) == TEMPERATURE && !classes
                            ? int64_t(reference) - decalageEntier
                            : reference;

    const CellulesVisibles& cellules = visible;
    char texte[48];
    Position pMin = ecran(*this, iMin), pMax = ecran(*this, iMax);
    if (!classes)
        for (const auto& [i, p] : {std::pair{iMin, &pMin}, std::pair{iMax, &pMax}}) {
            std::snprintf(texte, sizeof texte, "%.1f", cellules[i] * facteurAffichage + decalageAffichage);
            vEcrireEtiquette(*trace, vue, texte, 14, p->x, p->y);
        }
    Position derniere{0, 0};
    vMarcher(*this, iMin, iMax, [&](size_t i, size_t j) {
        if (cellules[i] == ISOPLAGES_ABSENT || cellules[j] == ISOPLAGES_ABSENT)
            return;
        const int64_t a = iValeurMarche(*this, cellules[i]), b = iValeurMarche(*this, cellules[j]);
        Position p = ecran(*this, j);
        if (!bIsoligneFranchie(a, b, ref, pas) || !p.loin(pMax) || !p.loin(pMin) || !p.loin(derniere))
            return;
        vTexteIsoligne(*this, a > b ? a : b, pas, classes, texte, sizeof texte);
        vEcrireEtiquette(*trace, vue, texte, 12, p.x, p.y);
        derniere = p;
    });
}
