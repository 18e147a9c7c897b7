// The decoder proper: checks each section against the message before reading
// it, so that a damaged or foreign message is refused, never read past.
#include "gribdata/champ_grib.h"

#include "codes/octets_grib.h"
#include "gribdata/modeles.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>

namespace {

// Fixed octets each section must have before its variable part.
const uint64_t SECTION1_MIN = 28, SECTION2_MIN = 28, SECTION3_MIN = 6, SECTION4_MIN = 11;

bool processAccepte(int process)
{
    static const int ACCEPTES[] = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 14,  41,  42,
                                   51, 52, 78, 81, 82, 83, 86, 91, 111, 112, 113, 211};
    // Every model the catalogue offers is drawn too.
    return std::find(std::begin(ACCEPTES), std::end(ACCEPTES), process) != std::end(ACCEPTES) ||
           pPremierModele(process);
}

// Other centres' processes are renamed to the service's numbers first.
int processRemappe(int centre, int process)
{
    if (centre == 98 && process == 131)
        return 113;
    if (centre == 7)
        return 111;
    if (centre == 74 && process == 45)
        return 112;
    return process;
}

// The length of the section at `debut`, or 0 when even its fixed octets
// would run past the message.
uint64_t section(const unsigned char* m, uint64_t debut, uint64_t minimum, uint64_t longueur)
{
    if (debut + minimum > longueur)
        return 0;
    const uint64_t l = u24(m + debut);
    return debut + std::max(l, minimum) > longueur ? 0 : std::max(l, minimum);
}

}  // namespace

int Grib::set(const unsigned char* m, unsigned int length)
{
    init();
    message = m;
    longueurMessage = length;
    if (!m || length < 8 || length < u24(m + 4))
        return GRIB_TRONQUE;
    edition = m[7];
    const uint64_t l1 = section(m, 8, SECTION1_MIN, length);
    if (l1 == 0)
        return GRIB_SECTION1;
    if (int code = lireSection1(m + 8))
        return code;
    if (!(m[15] & 0x80))
        return GRIB_SECTION2;
    const uint64_t debut2 = 8 + l1;
    const uint64_t l2 = section(m, debut2, SECTION2_MIN, length);
    if (l2 == 0)
        return GRIB_SECTION2;
    if (int code = lireSection2(m + debut2))
        return code;

    uint64_t debut4 = debut2 + l2;
    const unsigned char* bits3 = nullptr;
    uint64_t bits3Longueur = 0;
    if (bitmap) {
        const uint64_t l3 = section(m, debut4, SECTION3_MIN, length);
        if (l3 == 0)
            return GRIB_SECTION3;
        bits3 = m + debut4 + SECTION3_MIN;
        bits3Longueur = (l3 - SECTION3_MIN) * 8;
        debut4 += l3;
    }
    const uint64_t l4 = section(m, debut4, SECTION4_MIN, length);
    if (l4 == 0)
        return GRIB_SECTION4;
    if (int code = lireSection4(m + debut4))
        return code;
    if (int code = decoder(bits3, bits3Longueur, m + debut4 + SECTION4_MIN, l4 - SECTION4_MIN))
        return code;
    if (debut4 + l4 + 4 > length)
        return GRIB_FIN;
    return 0;
}

int Grib::lireSection1(const unsigned char* s1)
{
    table = s1[3];
    if (table != 1 && table != 196)
        return GRIB_ORIGINE;
    centre = s1[4];
    process = processRemappe(centre, s1[5]);
    if (centre != 85 || !processAccepte(process))
        return GRIB_ORIGINE;
    lireIdentification(s1);
    timetDateDeValidite();
    initProduitDescription();
    return 0;
}

void Grib::lireIdentification(const unsigned char* s1)
{
    bitmap = s1[7] & 0x40 ? 1 : 0;
    parametre = s1[8];
    typeNiveau = s1[9];
    niveau1 = s1[10];
    niveau2 = s1[11];
    anneeSiecle = s1[12];
    mois = s1[13];
    jour = s1[14];
    heure = s1[15];
    minute = s1[16];
    uniteTemps = s1[17];
    p1 = s1[18];
    p2 = s1[19];
    indicateur = s1[20];
    nombreMoyenne = int(u16(s1 + 21));
    nombreManquants = s1[23];
    siecle = s1[24];
    echelleDecimale = std::pow(10.0, signe16(s1 + 26));
    annee = anneeSiecle + 100 * siecle - 100;
    iGetNiveau();
    iGetEcheance();
}

int Grib::lireSection2(const unsigned char* s2)
{
    representation = s2[5];
    if (representation != 0)
        return GRIB_REPRESENTATION;
    ni = int(u16(s2 + 6));
    nj = int(u16(s2 + 8));
    la1 = signe24(s2 + 10);
    lo1 = signe24(s2 + 13);
    if (s2[16] != 0x80)
        return GRIB_RESOLUTION;
    la2 = signe24(s2 + 17);
    lo2 = signe24(s2 + 20);
    di = int(u16(s2 + 23));
    dj = int(u16(s2 + 25));
    // A grid across the 180th meridian: west of it counts negative.
    if (lo1 > lo2)
        lo1 -= 360000;
    if (s2[27] != 0)
        return GRIB_BALAYAGE;
    return 0;
}

int Grib::lireSection4(const unsigned char* s4)
{
    if (s4[3] & 0xF0)
        return GRIB_COMPACTAGE;
    echelleBinaire = std::pow(2.0, signe16(s4 + 4));
    reference = reelIBM(s4 + 6);
    bitsParValeur = s4[10];
    // No bits: a constant field, every point its reference value.
    if (bitsParValeur != 8 && bitsParValeur != 0)
        return GRIB_SECTION4;
    return 0;
}
