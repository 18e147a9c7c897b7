#include "codes/grib_modech.h"

#include "codes/ligne.h"
#include "codes/logerr.h"

#include <cstring>
#include <sys/stat.h>

namespace {
// The service's models, in the order of the rows of modpar.txt.
const char* const NOMS_MODELES[CLASS_GRIB_MODECH::MODELES] = {
    "ATMO-GLOB", "ATMO-EURO", "ATMO-FINE", "ATMO-TROP", "VAGU-GLOB",
    "VAGU-EURO", "VAGU-COTE", "OCEA-GLOB", "OCEA-ATLN", "OCEA-MEDI"};

// Numbers of one row, as many as fit before the closing -1; reading stops at
// the first word that is not a number. A row without numbers keeps -1 in its
// second slot.
void vLitLigne(char* ligne, int* rangee, int colonnes)
{
    CLASS_CODES_LOGERR contexte("vLitLigne");
    int n = 0;
    char* reste = nullptr;
    for (char* mot = strtok_r(ligne, " \t\r\n", &reste); mot && n < colonnes - 1;
         mot = strtok_r(nullptr, " \t\r\n", &reste)) {
        if (sscanf(mot, "%d", &rangee[n]) != 1)
            break;
        n++;
    }
    rangee[n > 0 ? n : 1] = -1;
}
}

CLASS_GRIB_MODECH::CLASS_GRIB_MODECH() : ui_charge(0)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "CLASS_GRIB_MODECH");
    memset(ia_parametres, 0, sizeof ia_parametres);
    memset(ia_echeances, 0, sizeof ia_echeances);
    char* chemin = pcCodesGbTables(nullptr, "grib", "modpar", "txt");
    if (!chemin)
        return;
    struct stat etat;
    if (stat(chemin, &etat) != 0) {
        CLASS_CODES_LOGERR::iErr(1, "fichier 'modpar.txt' introuvable");
        delete[] chemin;
        return;
    }
    FILE* fichier = fopen(chemin, "r");
    delete[] chemin;
    if (!fichier)
        return;
    ui_charge = 1;
    vLitBloc(fichier, &ia_parametres[0][0], PARAMETRES);
    vLitBloc(fichier, &ia_echeances[0][0], ECHEANCES);
    fclose(fichier);
}

void CLASS_GRIB_MODECH::vLitBloc(FILE* fichier, int* lignes, int colonnes)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "vLitBloc");
    char ligne[1024];
    if (!bCodesLigne(fichier, ligne, sizeof ligne))
        return;
    for (int modele = 1; modele <= MODELES; modele++) {
        if (!bCodesLigne(fichier, ligne, sizeof ligne))
            return;
        vLitLigne(ligne, lignes + modele * colonnes, colonnes);
    }
}

const char* CLASS_GRIB_MODECH::cpcGetNomDuModele(int index)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "cpcGetNomDuModele");
    static char nom[10];
    const char* source = index >= 1 && index <= MODELES ? NOMS_MODELES[index - 1] : "INCONNU  ";
    snprintf(nom, sizeof nom, "%s", source);
    return nom;
}
