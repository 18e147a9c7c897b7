#include "map/pluie_affichee.h"

#include "gribdata/champ_grib.h"
#include "gribdata/enregistrement_grib.h"
#include "gribdata/globales.h"
#include "gribdata/pluie.h"
#include "gribdata/projections.h"
#include "map/cellule_grille.h"

#include <algorithm>
#include <vector>

namespace {

bool bDuPas(const grib& r)
{
    return bPluieDuPas(r.indicateur, r.p1);
}

// The earlier rain records whose totals lead to r's: back to one that holds
// a total since the run, oldest first.
std::vector<const grib*> vAnterieurs(const grib& r)
{
    std::vector<const grib*> c;
    for (const grib* p = r.pluiePrecedente; p; p = p->pluiePrecedente) {
        c.push_back(p);
        if (!bDuPas(*p))
            break;
    }
    std::reverse(c.begin(), c.end());
    return c;
}

// The same points in the same order: the same grid, of the same size.
bool bMemesPoints(const Grib& a, const Grib& b)
{
    return bMemeGrille(a, b) && a.ni == b.ni && a.nj == b.nj;
}

}  // namespace

void vPluieAffichee(const grib& r)
{
    Grib& g = *r.champ;
    const size_t n = size_t(g.ni) * size_t(g.nj);
    std::vector<float> totaux, suivants(n);  // empty: no total before
    for (const grib* p : vAnterieurs(r)) {
        Grib champ;
        if (iDecoderEnregistrement(champ, *p) != 0 || !bMemesPoints(g, champ)) {
            vJournal("<FDCGRIB>", "pluie precedente inutilisable : cumuls affiches\n");
            totaux.clear();
            continue;
        }
        vCumulerPluie(champ.valeurs, totaux.empty() ? nullptr : totaux.data(), n, bDuPas(*p),
                      suivants.data(), nullptr);
        totaux.swap(suivants);
        suivants.resize(n);
    }
    delete[] g.valeurs2;
    g.valeurs2 = new float[n];
    vCumulerPluie(g.valeurs, totaux.empty() ? nullptr : totaux.data(), n, bDuPas(r), g.valeurs,
                  g.valeurs2);
}
