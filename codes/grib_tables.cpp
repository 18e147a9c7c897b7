#include "codes/grib_tables.h"

#include "codes/ligne.h"
#include "codes/logerr.h"

#include <cstdio>
#include <cstring>

char CLASS_GRIB_TABLES::sca_repertoire[32];
char CLASS_GRIB_TABLES::sca_fichier[32];

CLASS_GRIB_TABLES::CLASS_GRIB_TABLES() : i_centre(0), i_version(0)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "CLASS_GRIB_TABLES");
    ca_texte[0] = 0;
}

void CLASS_GRIB_TABLES::vSet(int centre, int version)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "vSet");
    i_centre = centre;
    i_version = version;
}

void CLASS_GRIB_TABLES::vFichierOmm(int version, int table)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "vFichierOmm");
    snprintf(sca_repertoire, sizeof sca_repertoire, "omm.%3.3d", version);
    snprintf(sca_fichier, sizeof sca_fichier, "%d", table);
}

void CLASS_GRIB_TABLES::vFichierCentre(int centre, int table, int version)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "vFichierCentre");
    snprintf(sca_repertoire, sizeof sca_repertoire, "centre.%3.3d", centre);
    snprintf(sca_fichier, sizeof sca_fichier, "%d.%3.3d", table, version);
}

void CLASS_GRIB_TABLES::vScan(int cle)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "vScan");
    char* chemin = pcCodesGbTables("grib", sca_repertoire, sca_fichier, nullptr);
    if (!chemin) {
        CLASS_CODES_LOGERR::iErr(1, "variable ZELpGbCodesTables non definie");
        return;
    }
    FILE* fichier = fopen(chemin, "r");
    if (fichier) {
        char ligne[1024];
        while (bCodesLigne(fichier, ligne, sizeof ligne)) {
            int code;
            if (sscanf(ligne, "%d", &code) != 1) {
                CLASS_CODES_LOGERR::iErr(-1, "fichier incorrect", "%s", chemin);
                continue;
            }
            if (code == cle) {
                snprintf(ca_texte, sizeof ca_texte, "%s", ligne);
                break;
            }
        }
        fclose(fichier);
    }
    delete[] chemin;
}

const char* CLASS_GRIB_TABLES::cpcGetTitle(int centre, int version, int table)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "cpcGetTitle");
    if (centre < 0)
        vFichierOmm(version, table);
    else
        vFichierCentre(centre, table, version);
    strcpy(ca_texte, " ");
    vScan(TITRE);
    return strcmp(ca_texte, " ") ? ca_texte : nullptr;
}

const char* CLASS_GRIB_TABLES::cpcGetEntry(int table, int valeur, int position)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "cpcGetEntry");
    snprintf(ca_texte, sizeof ca_texte,
             "indicateur non repertorie centre:%d table:%d parametre:%d position:%d\n", i_centre,
             table, valeur, position);
    int cle;
    switch (table) {
    case 0: case 2: case 3: case 4: case 5: case 6: case 12: case 13:
        cle = valeur;
        break;
    case 1: case 7: case 8: case 11:
        cle = valeur + position * 10;
        break;
    default:
        return ca_texte;
    }
    int borne = i_version > 127 ? 2 : i_version;
    for (int k = 0; k <= borne; k++) {
        vFichierOmm(k, table);
        vScan(cle);
    }
    for (int k = 0; k <= borne; k++) {
        vFichierCentre(i_centre, table, k);
        vScan(cle);
    }
    if (i_version > 126) {
        vFichierCentre(i_centre, table, i_version);
        vScan(cle);
    }
    return ca_texte;
}
