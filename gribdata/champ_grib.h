// A decoded field for the map and the charts. The decoder accepts only what
// the service sends: GRIB edition 1 from centre 85, a regular latitude /
// longitude grid scanned from the north-west corner, simple packing with 8
// bits per value (or 0 for a constant field), with or without a bit map.
// Anything else is refused with a code, so that a stray file can be listed
// but never drawn.
#ifndef GRIBDATA_CHAMP_GRIB_H
#define GRIBDATA_CHAMP_GRIB_H

#include <ctime>

struct grib;

// Refusal codes of Grib::set.
enum {
    GRIB_TRONQUE = 1,          // shorter than its own length field
    GRIB_SECTION1 = 2,         // section 1 runs past the message
    GRIB_ORIGINE = 3,          // table version, centre or process not accepted
    GRIB_SECTION2 = 5,         // no grid description, or it runs past the message
    GRIB_REPRESENTATION = 6,   // not a latitude/longitude grid
    GRIB_RESOLUTION = 7,       // resolution and component flags other than 128
    GRIB_BALAYAGE = 8,         // not scanned from the north-west corner
    GRIB_SECTION3 = 9,         // bit map runs past the message
    GRIB_SECTION4 = 10,        // data section too short, or not 8 (or 0) bits per value
    GRIB_COMPACTAGE = 11,      // not simple packing of plain values
    GRIB_FIN = 13,             // no room left for the end section
    GRIB_FICHIER_CHANGE = 14,  // its file changed on disk since it was opened
};

// A point absent from the bit map; the map draws nothing there.
const float GRIB_ABSENT = 1.0e-37f;

class Grib {
public:
    float* valeurs = nullptr;   // Ni x Nj, northern row first, west to east
    float* valeurs2 = nullptr;  // display values, filled by the map
    // Rain, filled by the map with the display values (its steps' rain):
    // whether the values were made totals since the run (else they are
    // the record's own step's), and where that step starts, in seconds
    // after the run.
    bool pluieTotaux = true;
    long long pluieDebut = 0;
    time_t tValidite = 0;
    const unsigned char* message = nullptr;
    unsigned int longueurMessage = 0;
    int edition = 0, table = 0, centre = 0, process = 0;
    int bitmap = 0;
    int parametre = 0, typeNiveau = 0, niveau1 = 0, niveau2 = 0;
    int niveau = 0;
    int p1 = 0, p2 = 0;
    int echeance = 0;           // forecast range in the time unit
    int anneeSiecle = 1970, mois = 1, jour = 1, heure = 0, minute = 0;
    double echelleDecimale = 0; // 10^D
    struct tm dateValidite {};
    struct tm dateValiditeAffichage {};  // shifted by `decalage`
    struct tm dateReference {};
    int uniteTemps = 0, indicateur = 0;
    int nombreMoyenne = 0, nombreManquants = 0, siecle = 0;
    int annee = 0;
    int representation = 0;
    int ni = 0, nj = 0;
    int di = 0, dj = 0;                  // millidegrees
    int la1 = 0, lo1 = 0, la2 = 0, lo2 = 0;  // millidegrees, lo1 below lo2
    double echelleBinaire = 0;  // 2^E
    double reference = 0;       // R
    unsigned char bitsParValeur = 0;
    char description[80] = "";
    char libelleEcheance[32] = "";
    float decalageAffichage = 0;
    float facteurAffichage = 1.0f;

    Grib() = default;
    ~Grib();
    Grib(const Grib&) = delete;
    Grib& operator=(const Grib&) = delete;

    void init();
    // Decodes one message of `length` bytes; 0, or a refusal code above.
    int set(const unsigned char* message, unsigned int length);
    int iGetNiveau();
    int iGetEcheance();
    time_t timetDateDeValidite();
    time_t timetDateDeReference() const;
    void initProduitDescription();
    char* strGetEcheance(int debut);
    static void print1();
    void print() const;
    void printdcmp() const;

private:
    int lireSection1(const unsigned char* s1);
    void lireIdentification(const unsigned char* s1);
    int lireSection2(const unsigned char* s2);
    int lireSection4(const unsigned char* s4);
    int decoder(const unsigned char* bits3, unsigned long bits3Longueur,
                const unsigned char* donnees, unsigned long octets);
};

// Decodes every record of the list that has no field yet and links each wave
// height to the direction and period of its validity. 0, or 1 at the first
// field refused (that record is left without a field).
int iDecodeGribAll(grib* list);

#endif
