// The series of an opened file's records: those of one centre, model,
// level and grid. Rain records chain within their series (chaine_pluie.h),
// and the time interpolation runs only between records of one series and
// one parameter: two models, or two grids, in one file are never mixed.
// What charts a parameter over the forecast times, pairs a u record with
// its v record or names a value among the others of its parameter goes by
// the series too, never by the parameter alone: a file may hold a
// parameter at several levels at every validity (sea temperature at the
// surface and at depths).
#ifndef GRIBDATA_SERIE_GRIB_H
#define GRIBDATA_SERIE_GRIB_H

#include <bitset>
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

// Same centre, model and grid: of one series but for the level.
bool bMemeSource(const grib& a, const grib& b);

// The record's level as one number: its type (GRIB1 code table 3) and its
// two level octets.
int iNiveauSerie(const grib& r);

// The u and v components of the paired vectors: wind 33 and 34, current
// 49 and 50.
bool bComposanteU(int parametre);
bool bComposanteV(int parametre);

// The v component of a u record (wind 33, current 49): the first record
// after it of the next parameter at its validity and in its series, in a
// list sorted by validity then parameter (a file's, or a map's displayed
// list); else, a file giving its v on another grid or by another model,
// the first at its validity and level; null when there is none.
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
