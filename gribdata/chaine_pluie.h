// The rain chains of an opened file (see pluie.h): which rain records
// follow one another, and a record's rain read back through its chain.
#ifndef GRIBDATA_CHAINE_PLUIE_H
#define GRIBDATA_CHAINE_PLUIE_H

#include "gribdata/pluie.h"

#include <vector>

struct grib;

// The time a record's amount covers.
PeriodePluie periodePluie(const grib& r);

// The records that make r's rain, oldest first and r last: back through
// its chain to the latest total since the run before r, or to the chain's
// first record.
std::vector<const grib*> vChainePluie(const grib& r);

// r's rain read at point `k` of its grid from the decoded fields of its
// chain (a record without one, or without that point, breaks the sum).
CumulPluie pluieAuPoint(const grib& r, size_t k);

#endif
