#include "gribdata/pluie.h"

#include "gribdata/champ_grib.h"

#include <algorithm>

namespace {

float fPositif(float v)
{
    return v == GRIB_ABSENT ? GRIB_ABSENT : std::max(v, 0.0f);
}

}  // namespace

PeriodePluie periodePluie(int64_t run, int64_t fin, int indicateur, int p1,
                          uint32_t secondesUnite)
{
    PeriodePluie p;
    p.run = run;
    p.fin = fin;
    if (bPluieDuPas(indicateur, p1))
        p.debut = secondesUnite ? int64_t(p1) * secondesUnite : -1;
    return p;
}

void CumulPluie::vAjouter(const PeriodePluie& p, const float* valeurs)
{
    // Totals of another run, or of a step that does not end where this
    // one starts, say nothing of this record's.
    const bool avant = connus_ && periode_.run == p.run;
    if (p.debut == 0)
        vTotal(valeurs, avant && periode_.fin < p.fin);
    else
        vPas(p, valeurs, avant && p.debut > 0 && p.debut == periode_.fin);
    periode_ = p;
}

void CumulPluie::vRompre()
{
    connus_ = false;
    std::fill(totaux_.begin(), totaux_.end(), GRIB_ABSENT);
    std::fill(pas_.begin(), pas_.end(), GRIB_ABSENT);
}

void CumulPluie::vTotal(const float* v, bool depuisAvant)
{
    debutPas_ = depuisAvant ? periode_.fin : 0;
    for (size_t k = 0; k < totaux_.size(); ++k) {
        const float t = v[k];
        if (!depuisAvant)
            pas_[k] = fPositif(t);
        else if (t == GRIB_ABSENT || totaux_[k] == GRIB_ABSENT)
            pas_[k] = GRIB_ABSENT;
        else
            pas_[k] = std::max(0.0f, t - totaux_[k]);
        totaux_[k] = t;
    }
    connus_ = true;
}

void CumulPluie::vPas(const PeriodePluie& p, const float* v, bool suite)
{
    debutPas_ = p.debut;
    for (size_t k = 0; k < totaux_.size(); ++k) {
        const float s = fPositif(v[k]);
        pas_[k] = s;
        totaux_[k] = suite && s != GRIB_ABSENT && totaux_[k] != GRIB_ABSENT ? totaux_[k] + s
                                                                              : GRIB_ABSENT;
    }
    connus_ = suite;
}
