// The model-parameter file grib/modpar.txt below ZELpGbTables, and the
// labels of the service's models.
#ifndef CODES_GRIB_MODECH_H
#define CODES_GRIB_MODECH_H

#include <cstdio>

class CLASS_GRIB_MODECH {
public:
    static constexpr const char* spc_class_name = "CLASS_GRIB_MODECH";
    static const int MODELES = 10;
    static const int PARAMETRES = 64;
    static const int ECHEANCES = 36;

    // Reads the file; a missing file leaves the loaded flag at 0.
    CLASS_GRIB_MODECH();

    // The nine-character label of model 1..10, "INCONNU  " otherwise; one
    // static text, overwritten by the next call.
    const char* cpcGetNomDuModele(int index);

    unsigned int ui_charge;
    // Rows 1..10 from the file, each ended by -1 after its last number.
    int ia_parametres[MODELES + 1][PARAMETRES];
    int ia_echeances[MODELES + 1][ECHEANCES];

private:
    // Skips a heading line, then fills rows 1..10 of a block.
    void vLitBloc(FILE* fichier, int* lignes, int colonnes);
};

#endif
