// The time series of an opened file: the records of one parameter at one
// level, one a validity. What charts a parameter over the forecast times,
// pairs a u record with its v record or names a value among the others of
// its parameter goes by these, never by the parameter alone: a file may
// hold a parameter at several levels at every validity (sea temperature
// at the surface and at depths).
#ifndef GRIBDATA_SERIE_GRIB_H
#define GRIBDATA_SERIE_GRIB_H

#include <bitset>

struct grib;

// The record's level as one number: its type (GRIB1 code table 3) and its
// two level octets.
int iNiveauSerie(const grib& r);

// The v component of a u record (wind 33, current 49): the first record
// after it of the next parameter at its validity and level, in a list
// sorted by validity then parameter (a file's, or a map's displayed list);
// null when there is none.
const grib* pComposanteV(const grib& u);

// The parameters that a list holds at more than one level: the values of
// those are told apart by their level.
class NiveauxMultiples {
public:
    explicit NiveauxMultiples(const grib* liste);
    bool operator()(int parametre) const { return plusieurs_[unsigned(parametre) & 0xFF]; }

private:
    std::bitset<256> plusieurs_;
};

#endif
