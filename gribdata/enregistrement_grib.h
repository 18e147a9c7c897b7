// One message of an opened GRIB file: where it lies, what it holds and when
// it is valid. Records are made only by File's scan, in a list that File owns.
#ifndef GRIBDATA_ENREGISTREMENT_GRIB_H
#define GRIBDATA_ENREGISTREMENT_GRIB_H

#include <cstdint>
#include <ctime>

class Grib;
class isoplages;
struct TYPEDEF_PARAMETRE;

struct grib {
    uint32_t position;            // offset of "GRIB" in the file buffer
    uint32_t longueur;            // total message length
    unsigned char drapeaux : 4;   // free flags, cleared at creation
    unsigned char gds : 1;        // section 2 present
    unsigned char bms : 1;        // section 3 (bit map) present
    uint8_t edition;
    uint16_t annee;               // four digits
    uint8_t mois, jour, heure;
    uint8_t table;                // parameter table version
    uint8_t centre;
    uint8_t process;              // generating process
    uint8_t parametre;
    uint8_t typeNiveau;
    uint8_t niveau1, niveau2;     // the two level octets
    uint8_t uniteTemps;
    uint8_t p1, p2;
    uint8_t indicateur;           // time range indicator
    uint16_t nombreMoyenne;
    uint8_t nombreManquants;
    uint8_t siecle;
    uint32_t validite;            // YYYYMMDDHH, UTC
    time_t tValidite;             // seconds since 1970, UTC
    const unsigned char* message; // into the file buffer
    Grib* champ;                  // decoded field, owned; null until decoded
    grib* pluiePrecedente;        // rain only: the previous rain record of its series
    uint64_t grille;              // its grid, hashed (gribdata/serie_grib.h)
    isoplages* isoplagesChamp;    // the map's contours of the field, owned
    isoplages* isoplagesPluie;    // and of the rain amount, owned
    const TYPEDEF_PARAMETRE* ligneParametre;  // never null
    grib* direction;              // wave heights: the companion records
    grib* periode;
    grib* suivant;
    const char* nomFichier;       // the File's name, not owned
};

// Frees a chain of records with each one's decoded field and contour
// caches; the head becomes null.
void vLibererListeGrib(grib*& liste);

#endif
