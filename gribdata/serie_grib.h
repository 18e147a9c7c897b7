// The series of an opened file's records: those of one centre, model,
// level and grid. Rain records chain within their series (chaine_pluie.h),
// and the time interpolation runs only between records of one series and
// one parameter: two models, or two grids, in one file are never mixed.
#ifndef GRIBDATA_SERIE_GRIB_H
#define GRIBDATA_SERIE_GRIB_H

#include <cstdint>
#include <tuple>

struct grib;

// The grid of a message of `longueur` octets (edition 0 or 1, its section 1
// whole, at least 36 octets), as one number: its grid number and its description's
// octets (those within `longueur`), hashed.
uint64_t uiEmpreinteGrille(const unsigned char* message, uint32_t longueur);

struct SerieGrib {
    int centre = 0, process = 0, typeNiveau = 0, niveau1 = 0, niveau2 = 0;
    uint64_t grille = 0;
    auto cle() const { return std::tie(centre, process, typeNiveau, niveau1, niveau2, grille); }
    bool operator==(const SerieGrib& o) const { return cle() == o.cle(); }
    bool operator<(const SerieGrib& o) const { return cle() < o.cle(); }
};
SerieGrib serieGrib(const grib& r);
// Of a message's octets, as the file's scan reads them into its record.
SerieGrib serieGrib(const unsigned char* message, uint32_t longueur);

#endif
