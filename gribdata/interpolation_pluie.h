// Rain in the time interpolation, by the rule every display reads it with
// (gribdata/pluie.h): each rain record of the sorted input is taken into
// the chain of its series (serie_grib.h); one whose total since the run is
// known is written as that total (a step relabelled time range 4, P1 0),
// any other as it stands, a step with its own P1, so that no total is
// claimed. The hours between a record and the next of its chain are read
// off the sums from where the first one's written range starts, and only
// when the second one's step starts where the first one ends; each is
// written as what fell from that start to its hour. Private to the worker.
#ifndef GRIBDATA_INTERPOLATION_PLUIE_H
#define GRIBDATA_INTERPOLATION_PLUIE_H

#include "gribdata/pluie.h"
#include "gribdata/serie_grib.h"

#include <map>
#include <vector>

class CLASS_GRIB_GET;
class CLASS_GRIB_PUT;

class PluieInterpolee {
public:
    // Rain: parameter 61, whatever its time range.
    static bool bConcerne(const CLASS_GRIB_GET& g);
    // The message `octets`, decoded in `g`, taken into its chain: its
    // values and range become those it is written with. `bits`, those its
    // own values are packed on, become those of the values it is written
    // with: a total takes the widest of the records it adds up.
    void vCourant(const std::vector<unsigned char>& octets, CLASS_GRIB_GET& g,
                  unsigned int& bits);
    // `suivant` (`octets`), the next record after the current one `g` in
    // its series: its values become the sums from where g's written range
    // starts, which the hours between are read off. False when no such
    // sums exist (another chain, a gap, a total facing a step that has
    // none); its values are then left as they are.
    bool bSuivant(const std::vector<unsigned char>& courant, const CLASS_GRIB_GET& g,
                  const std::vector<unsigned char>& octets, CLASS_GRIB_GET& suivant);
    // The range of the hour `heure` hours after `g` (written, in `e`):
    // from where g's written range starts to the hour, of g's own kind
    // when g is an accumulation or a difference, else an accumulation from
    // the run (time range 4, P1 0). 0, or 1 when the range does not fit
    // its octets (`e` then unchanged).
    static int iEcheance(CLASS_GRIB_GET& g, unsigned int heure, CLASS_GRIB_PUT& e);

private:
    struct Chaine {
        CumulPluie cumul;
        unsigned int bits = 0;
    };
    std::map<SerieGrib, Chaine> chaines_;
};

#endif
