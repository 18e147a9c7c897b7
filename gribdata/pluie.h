// Rain as the map, the read-out, the charts and the time interpolation all
// read it. A rain record holds either the total since the run or the
// amount of its own step, as its time range says; the total so far is then
// the sum of the steps, and the rain of a step its own amount.
#ifndef GRIBDATA_PLUIE_H
#define GRIBDATA_PLUIE_H

#include <cstddef>

// An accumulation (time range indicator 4) or a difference (5) that starts
// after the run (P1 above 0) is the amount of its step; anything else is
// read as accumulated since the run.
inline bool bPluieDuPas(int indicateur, int p1)
{
    return (indicateur == 4 || indicateur == 5) && p1 > 0;
}

// The totals since the run of a record's `n` points, from its own amounts
// and the totals of the previous rain record (null: none): a step's
// amount, below 0 read as 0, is added to them; a total stands as it is.
// With `pas` not null, also the rain of the record's own step: its amount,
// or its total less the previous one (not below 0; the total itself
// without a previous record). A point missing in `valeurs` stays missing;
// one missing among the previous totals counts as no rain.
void vCumulerPluie(const float* valeurs, const float* precedents, size_t n, bool duPas,
                   float* totaux, float* pas);

#endif
