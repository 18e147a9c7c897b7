#include "gribdata/interpolation_pluie.h"

#include "codes/grib_get.h"
#include "codes/grib_put.h"
#include "codes/unites_temps.h"
#include "gribdata/champ_grib.h"
#include "gribdata/interpolation.h"

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

void PluieInterpolee::vCourant(const std::vector<unsigned char>& octets, CLASS_GRIB_GET& g,
                               unsigned int& bits)
{
    float* v = g.pf_stg_valeurs;
    const size_t n = g.ui_stg_nombre_points;
    if (!v)
        return;
    Chaine& chaine = chaines_[serie(octets)];
    if (chaine.cumul.points() != n)
        chaine = Chaine{CumulPluie(n)};
    CumulPluie& cumul = chaine.cumul;
    const PeriodePluie p = periode(g);
    cumul.vAjouter(p, v);
    // A step added to the totals before it: a dry step packed on 0 bits
    // adds to totals that need the bits of the steps they hold.
    chaine.bits = cumul.bTotaux() && p.debut != 0 ? std::max(chaine.bits, bits) : bits;
    if (!cumul.bTotaux())
        return;
    std::copy(cumul.totaux().begin(), cumul.totaux().end(), v);
    bits = chaine.bits;
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
        chaine->second.cumul.points() != n || !(serie(octets) == chaine->first))
        return false;
    CumulPluie cumul = chaine->second.cumul;
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

int PluieInterpolee::iEcheance(CLASS_GRIB_GET& g, unsigned int heure, CLASS_GRIB_PUT& e)
{
    // An accumulation or a difference keeps its kind and its start.
    if (g.ui_stg_indicateur == 4 || g.ui_stg_indicateur == 5)
        return iGribSetEcheance(heure, e);
    // A total since the run under another label (an instant at the run,
    // an analysis...): the hour is the accumulation from the run to it.
    const PeriodePluie p = periode(g);
    const uint32_t unite = secondesParUnite(g.ui_stg_unite_temps);
    const int64_t fin = unite ? p.fin / unite + heure : -1;
    if (fin < 0 || fin > 255 || p.fin % (unite ? unite : 1) != 0)
        return 1;
    e.ui_stg_indicateur = 4;
    e.ui_stg_p1 = 0;
    e.ui_stg_p2 = (unsigned int)fin;
    return 0;
}
