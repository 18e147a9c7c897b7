#include "gribdata/interpolation_pluie.h"

#include "codes/grib_get.h"
#include "codes/unites_temps.h"
#include "gribdata/champ_grib.h"

#include <algorithm>

namespace {

PeriodePluie periode(CLASS_GRIB_GET& g)
{
    const time_t run = g.timetDateDeReference();
    return periodePluie(int64_t(run), int64_t(g.timetDateDeValidite(run)) - int64_t(run),
                        int(g.ui_stg_indicateur), int(g.ui_stg_p1),
                        secondesParUnite(g.ui_stg_unite_temps));
}

SerieGrib serie(const std::vector<unsigned char>& octets)
{
    return serieGrib(octets.data(), uint32_t(octets.size()));
}

}  // namespace

bool PluieInterpolee::bConcerne(const CLASS_GRIB_GET& g)
{
    return g.ui_stg_parametre == 61;
}

void PluieInterpolee::vCourant(const std::vector<unsigned char>& octets, CLASS_GRIB_GET& g)
{
    float* v = g.pf_stg_valeurs;
    const size_t n = g.ui_stg_nombre_points;
    if (!v)
        return;
    CumulPluie& cumul = chaines_[serie(octets)];
    if (cumul.points() != n)
        cumul = CumulPluie(n);
    const PeriodePluie p = periode(g);
    cumul.vAjouter(p, v);
    if (!cumul.bTotaux())
        return;
    std::copy(cumul.totaux().begin(), cumul.totaux().end(), v);
    if (p.debut != 0) {
        g.ui_stg_indicateur = 4;
        g.ui_stg_p1 = 0;
    }
}

bool PluieInterpolee::bSuivant(const std::vector<unsigned char>& courant,
                               const CLASS_GRIB_GET& g, const std::vector<unsigned char>& octets,
                               CLASS_GRIB_GET& suivant)
{
    float* v = suivant.pf_stg_valeurs;
    const float* a = g.pf_stg_valeurs;
    const size_t n = suivant.ui_stg_nombre_points;
    const auto chaine = chaines_.find(serie(courant));
    if (!v || !a || g.ui_stg_nombre_points != n || chaine == chaines_.end() ||
        chaine->second.points() != n || !(serie(octets) == chaine->first))
        return false;
    CumulPluie cumul = chaine->second;
    const PeriodePluie avant = cumul.periode();
    cumul.vAjouter(periode(suivant), v);
    // The step the next record shows must start where g's range ends.
    if (cumul.periode().run != avant.run || cumul.debutPas() != avant.fin)
        return false;
    const std::vector<float>& pas = cumul.pas();
    for (size_t k = 0; k < n; ++k)
        v[k] = a[k] == GRIB_ABSENT || pas[k] == GRIB_ABSENT ? GRIB_ABSENT : a[k] + pas[k];
    return true;
}
