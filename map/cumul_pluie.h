// Rain as both kinds of charts show it, by the rule of gribdata/pluie.h:
// the total so far is the running maximum of the totals and the sum of the
// steps, the rain of a step its increase since the previous sample.
#ifndef MAP_CUMUL_PLUIE_H
#define MAP_CUMUL_PLUIE_H

#include "gribdata/pluie.h"

#include <cmath>

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
