// The rain a viewer map shows of a displayed record, by the rule of
// gribdata/pluie.h whatever the file holds, totals since the run or the
// amounts of each step.
#ifndef MAP_PLUIE_AFFICHEE_H
#define MAP_PLUIE_AFFICHEE_H

struct grib;

// The record's decoded values become its totals since the run when they
// are known (else they stay its own step's amounts, and no total is
// claimed), its display values (a new second array) the rain of the step
// it shows. The earlier records of its chain are decoded for that; one
// that cannot be, on the same points, breaks the sum (logged).
void vPluieAffichee(const grib& r);

#endif
