// Names of the GRIB1 parameters that the pages and the request builder show.
#ifndef GRIBDATA_PARAMETRES_H
#define GRIBDATA_PARAMETRES_H

#include <array>
#include <cstdint>

// One row per GRIB1 parameter number. Rows without a name keep null texts.
struct TYPEDEF_PARAMETRE {
    uint32_t parametre;       // the row's own number; 0 for row 0
    const char* libelle;      // label on the buttons
    const char* cle;          // short key
    const char* description;
};

using TableParametres = std::array<TYPEDEF_PARAMETRE, 256>;

// Both tables differ only in row 49: a current below the Ekman layer (level
// type 160) has its own name.
extern const TableParametres ST_PARAMETRES;
extern const TableParametres ST_PARAMETRES2;

// The row a record of this parameter at this level type takes.
const TYPEDEF_PARAMETRE* pLigneParametre(unsigned parametre, unsigned typeNiveau);

// The number of the first row labelled `libelle` (case ignored); 0 when
// none is.
int iNumeroParametre(const char* libelle);

#endif
