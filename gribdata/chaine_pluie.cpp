#include "gribdata/chaine_pluie.h"

#include "codes/unites_temps.h"
#include "gribdata/calendrier.h"
#include "gribdata/champ_grib.h"
#include "gribdata/enregistrement_grib.h"

#include <algorithm>

PeriodePluie periodePluie(const grib& r)
{
    const int64_t run = DRUmktime(r.annee, r.mois, r.jour, r.heure, 0, 0);
    return periodePluie(run, int64_t(r.tValidite) - run, r.indicateur, r.p1,
                        secondesParUnite(r.uniteTemps));
}

std::vector<const grib*> vChainePluie(const grib& r)
{
    std::vector<const grib*> c{&r};
    for (const grib* p = r.pluiePrecedente; p; p = p->pluiePrecedente) {
        c.push_back(p);
        if (!bPluieDuPas(p->indicateur, p->p1))
            break;  // a total since the run: nothing before it counts
    }
    std::reverse(c.begin(), c.end());
    return c;
}

CumulPluie pluieAuPoint(const grib& r, size_t k)
{
    CumulPluie cumul(1);
    for (const grib* p : vChainePluie(r)) {
        const Grib* g = p->champ;
        if (!g || !g->valeurs || k >= size_t(g->ni) * size_t(g->nj))
            cumul.vRompre();
        else
            cumul.vAjouter(periodePluie(*p), g->valeurs + k);
    }
    return cumul;
}
