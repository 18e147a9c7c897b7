// World fields of the map benchmarks, written as GRIB by the tests'
// writer, their features placed by fixed seeds: a pressure field of lows
// and highs (with round islands of absent points when masked, as land in
// a sea field) and a wind of westerlies and trade winds with vortices.
#ifndef BENCH_MAP_CHAMPS_MONDE_H
#define BENCH_MAP_CHAMPS_MONDE_H

#include "ecriture_grib_test.h"

// A world grid of that step (millidegrees) from 180 W and 90 N.
ChampEcrit champPression(int pas, bool masque = false);
// Parameter 33 (u) or 34 (v), m/s: 0 to about 30.
ChampEcrit champVent(int parametre, int pas);

#endif
