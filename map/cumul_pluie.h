// Rain as both kinds of charts show it. A record holds either the total
// since the run or the amount of its own step, as its time range says: the
// total so far is the running maximum of the totals and the sum of the
// steps, the rain of a step its increase since the previous sample.
#ifndef MAP_CUMUL_PLUIE_H
#define MAP_CUMUL_PLUIE_H

#include <cmath>

// An accumulation (time range indicator 4) or a difference (5) that starts
// after the run (P1 above 0) is the amount of its step; anything else is
// read as accumulated since the run.
inline bool bPluieDuPas(int indicateur, int p1)
{
    return (indicateur == 4 || indicateur == 5) && p1 > 0;
}

class CumulPluie {
public:
    // Takes the next sample, a step's amount when `duPas`, else a total
    // since the run; answers the rain since the previous one.
    double increment(double v, bool duPas = false)
    {
        if (duPas) {
            const double pas = std::fmax(v, 0.0);
            maximum += pas;
            return pas;
        }
        const double avant = maximum;
        maximum = std::fmax(maximum, v);
        return maximum - avant;
    }
    double maximum = 0;
};

#endif
