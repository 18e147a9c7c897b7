// Rain as the map, the read-out, the charts and the time interpolation all
// read it. A rain record holds either the total since the run or the
// amount of its own step, as its time range says. Records of one model,
// grid and level form a chain in order of validity (chaine_pluie.h); a
// step's total since the run is the sum of the steps back to a total, and
// only while each step starts where the one before it ended: otherwise no
// total is known, and the step is shown as the step it is.
#ifndef GRIBDATA_PLUIE_H
#define GRIBDATA_PLUIE_H

#include <cstddef>
#include <cstdint>
#include <vector>

// An accumulation (time range indicator 4) or a difference (5) that starts
// after the run (P1 above 0) is the amount of its step; anything else is
// read as accumulated since the run.
inline bool bPluieDuPas(int indicateur, int p1)
{
    return (indicateur == 4 || indicateur == 5) && p1 > 0;
}

// The time a record's amount covers, in seconds after its run: from 0 for
// a total since the run; a step's start below 0 when its time unit has no
// fixed length (it then follows nothing).
struct PeriodePluie {
    int64_t run = 0;  // the run, as its own key: records of one run alone add up
    int64_t debut = 0, fin = 0;
};

// `fin`: the validity's seconds after the run; `secondesUnite`: of the
// record's time unit (0 when it has no fixed length).
PeriodePluie periodePluie(int64_t run, int64_t fin, int indicateur, int p1,
                          uint32_t secondesUnite);

// A chain of rain records of `n` points each, taken oldest first; after
// each record, its rain: the totals since the run when they are known, and
// the rain of the step it shows, not below 0. A point missing in a record
// is missing in its step and in its totals and those that add to them.
class CumulPluie {
public:
    explicit CumulPluie(size_t n = 0) : totaux_(n), pas_(n) {}

    // The next record: its period and its `n` values (none when n is 0:
    // the headers alone, which decide everything but the values).
    void vAjouter(const PeriodePluie& p, const float* valeurs);
    // A record of the chain that could not be read: nothing of its rain is
    // known, and the totals are lost until the next total since the run.
    void vRompre();

    size_t points() const { return totaux_.size(); }
    // The last record's totals since the run are known.
    bool bTotaux() const { return connus_; }
    const std::vector<float>& totaux() const { return totaux_; }
    // The rain of the step the last record shows: a total less the one
    // before it in the same run, else the record's own amount.
    const std::vector<float>& pas() const { return pas_; }
    // Where that step starts, in seconds after the run.
    int64_t debutPas() const { return debutPas_; }
    const PeriodePluie& periode() const { return periode_; }

private:
    void vTotal(const float* v, bool depuisAvant);
    void vPas(const PeriodePluie& p, const float* v, bool suite);

    std::vector<float> totaux_, pas_;
    PeriodePluie periode_;
    bool connus_ = false;
    int64_t debutPas_ = 0;
};

#endif
