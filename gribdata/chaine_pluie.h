// The rain chains of an opened file (see pluie.h): which rain records
// follow one another, and a record's rain read back through its chain.
#ifndef GRIBDATA_CHAINE_PLUIE_H
#define GRIBDATA_CHAINE_PLUIE_H

#include "gribdata/pluie.h"

#include <cstdint>
#include <tuple>
#include <vector>

struct grib;

// The grid of a message of `longueur` octets (its section 1 whole, at
// least 36 octets), as one number: its grid number and its description's
// octets (those within `longueur`), hashed.
uint64_t uiEmpreinteGrille(const unsigned char* message, uint32_t longueur);

// What the rain records of one chain share: centre, model, level and grid.
struct SeriePluie {
    int centre = 0, process = 0, typeNiveau = 0, niveau1 = 0, niveau2 = 0;
    uint64_t grille = 0;
    auto cle() const { return std::tie(centre, process, typeNiveau, niveau1, niveau2, grille); }
    bool operator==(const SeriePluie& o) const { return cle() == o.cle(); }
    bool operator<(const SeriePluie& o) const { return cle() < o.cle(); }
};
SeriePluie seriePluie(const grib& r);
// Of a message's octets, as the file's scan reads them into its record.
SeriePluie seriePluie(const unsigned char* message, uint32_t longueur);

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
