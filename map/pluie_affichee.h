// The rain a viewer map shows of a displayed record, by the rule of
// gribdata/pluie.h whatever the file holds, totals since the run or the
// amounts of each step.
#ifndef MAP_PLUIE_AFFICHEE_H
#define MAP_PLUIE_AFFICHEE_H

struct grib;

// The record's decoded values become its totals since the run, its
// display values (a new second array) the rain of its own step. The totals
// before it are summed from the file's earlier rain records, back to one
// that holds a total since the run; a record that cannot be decoded on the
// same points ends that sum (logged), and what follows it counts from 0.
void vPluieAffichee(const grib& r);

#endif
