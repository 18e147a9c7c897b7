// Rain in the time interpolation. A file may give each step's amount
// rather than the total since the run; the hours between two steps are
// then read off the totals, and every rain record is written as a total
// since the run (time range 4, P1 0, P2 its hour), as the displays read
// it. Private to the worker.
#ifndef GRIBDATA_INTERPOLATION_PLUIE_H
#define GRIBDATA_INTERPOLATION_PLUIE_H

#include <map>
#include <vector>

class CLASS_GRIB_GET;

class TotauxPluie {
public:
    // Rain accumulated over a range (time range 4 or 5).
    static bool bConcerne(const CLASS_GRIB_GET& g);
    // The values of message `numero`, decoded in `g`, become its totals
    // since the run: those kept for it by vSuivant, else its own amounts
    // (the first of its records). A step's record is relabelled a total.
    void vTotaliser(int numero, CLASS_GRIB_GET& g);
    // `suivant`, message `numero`, the next record after `g` (in totals
    // already) of the same parameter and level on the same grid: its
    // values become its totals, kept for when it is the current message.
    void vSuivant(const CLASS_GRIB_GET& g, int numero, CLASS_GRIB_GET& suivant);

private:
    std::map<int, std::vector<float>> gardes_;
};

#endif
