// The names of the levels of a parameter given at several levels, which the
// read-out, the line under the map and the charts' titles put beside the
// parameter's own name (gribdata/serie_grib.h tells which parameters).
#ifndef MAP_NOM_NIVEAU_H
#define MAP_NOM_NIVEAU_H

#include <string>

class NiveauxMultiples;
struct grib;

// The short name of a record's level: "surface", "10 m", "850 hPa".
std::string sNomNiveau(const grib& r);

// " (" and its level's name ")" when its parameter has several levels
// among the records it is shown with; empty otherwise.
std::string sNiveauDistinct(const NiveauxMultiples& multiples, const grib& r);

#endif
