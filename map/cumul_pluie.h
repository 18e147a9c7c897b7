// Rain as both kinds of charts show it: the file's amounts read as
// accumulated since the run, so the running maximum is the total so far
// and its increase since the previous sample the rain of the step.
#ifndef MAP_CUMUL_PLUIE_H
#define MAP_CUMUL_PLUIE_H

#include <cmath>

class CumulPluie {
public:
    // Takes the next sample; answers the rain since the previous one.
    double increment(double v)
    {
        maximum = std::fmax(maximum, v);
        const double pas = maximum - precedent_;
        precedent_ = maximum;
        return pas;
    }
    double maximum = 0;

private:
    double precedent_ = 0;
};

#endif
