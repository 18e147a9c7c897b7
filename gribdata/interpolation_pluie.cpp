#include "gribdata/interpolation_pluie.h"

#include "codes/grib_get.h"
#include "gribdata/pluie.h"

#include <algorithm>

namespace {

bool bDuPas(const CLASS_GRIB_GET& g)
{
    return bPluieDuPas(int(g.ui_stg_indicateur), int(g.ui_stg_p1));
}

}  // namespace

bool TotauxPluie::bConcerne(const CLASS_GRIB_GET& g)
{
    return g.ui_stg_parametre == 61 && (g.ui_stg_indicateur == 4 || g.ui_stg_indicateur == 5);
}

void TotauxPluie::vTotaliser(int numero, CLASS_GRIB_GET& g)
{
    float* v = g.pf_stg_valeurs;
    const unsigned long n = g.ui_stg_nombre_points;
    if (!v)
        return;
    const auto garde = gardes_.find(numero);
    if (garde != gardes_.end() && garde->second.size() == n)
        std::copy(garde->second.begin(), garde->second.end(), v);
    else
        vCumulerPluie(v, nullptr, n, bDuPas(g), v, nullptr);
    if (garde != gardes_.end())
        gardes_.erase(garde);
    if (bDuPas(g)) {
        g.ui_stg_indicateur = 4;
        g.ui_stg_p1 = 0;
    }
}

void TotauxPluie::vSuivant(const CLASS_GRIB_GET& g, int numero, CLASS_GRIB_GET& suivant)
{
    float* v = suivant.pf_stg_valeurs;
    const unsigned long n = suivant.ui_stg_nombre_points;
    if (!v || !g.pf_stg_valeurs || g.ui_stg_nombre_points != n)
        return;
    vCumulerPluie(v, g.pf_stg_valeurs, n, bDuPas(suivant), v, nullptr);
    gardes_[numero].assign(v, v + n);
}
