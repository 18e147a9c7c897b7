#include "map/cellule_grille.h"

#include "codes/navigation.h"
#include "gribdata/champ_grib.h"
#include "gribdata/enregistrement_grib.h"
#include "map/grille_champ.h"

#include <cmath>
#include <initializer_list>

namespace {

// An index rounded and inside 0..n-1, or -1.
int iIndex(double v, int n)
{
    const double i = std::nearbyint(v);
    return i >= 0 && i < n ? int(i) : -1;
}

}  // namespace

bool bCelluleGrille(const Grib& g, double latitude, double longitude, CelluleGrille& c)
{
    const double di = fPasDegres(g.di), dj = fPasDegres(g.dj);
    if (!(di > 0 && dj > 0) || g.ni < 1 || g.nj < 1 || !std::isfinite(longitude))
        return false;
    c.ligne = iIndex((g.la1 / 1000.0 - latitude) / dj, g.nj);
    if (c.ligne < 0)
        return false;
    const double ecart = dReplieLongitude(longitude) - dReplieLongitude(g.lo1 / 1000.0);
    for (double decalage : {0.0, 360.0, -360.0}) {
        c.colonne = iIndex((ecart + decalage) / di, g.ni);
        if (c.colonne >= 0)
            return true;
    }
    return false;
}

bool bGrilleGlobale(const Grib& g)
{
    const double di = fPasDegres(g.di);
    return di > 0 && g.ni > 1 && std::fabs(g.ni * di - 360.0) < di / 2;
}

bool bMemeGrille(const Grib& a, const Grib& b)
{
    return a.di == b.di && a.dj == b.dj && a.la1 == b.la1 && a.lo1 == b.lo1;
}

bool bLirePartenaire(const Grib& g, const grib* partenaire, CelluleGrille c, float& v)
{
    const Grib* p = partenaire ? partenaire->champ : nullptr;
    if (!p || !p->valeurs || !bMemeGrille(g, *p) || c.ligne < 0 || c.ligne >= p->nj ||
        c.colonne < 0 || c.colonne >= p->ni)
        return false;
    v = p->valeurs[size_t(c.ligne) * size_t(p->ni) + size_t(c.colonne)];
    return true;
}
