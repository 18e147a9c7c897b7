// Writes a GRIB edition 1 file of the kind the service sends, for the GRIB
// benchmarks: centre 85, regular 400 x 300 latitude/longitude grid, simple
// packing with 8 bits per value, no bit map. Every validity holds one
// message per parameter; fields are smooth, drift from one step to the next
// as forecasts do, and carry a little noise, so the file compresses about as
// real downloads do. Fixed seed: the same bytes on every run.
//
// Usage: gen_grib_service OUTPUT VALIDITIES PARAMETERS [NI NJ BITS]
// (at most 25 parameters). With NI and NJ the grid is global, NI points
// around a parallel, NJ from pole to pole; BITS is 8 (default) or 16.
#include <cmath>
#include "bench/alea.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

int NI = 400, NJ = 300, OCTETS = 1;
// Grid in millidegrees: first point and step.
int LA1 = 60000, LO1 = -40000, PAS = 100;

struct Parametre {
    int numero, typeNiveau, niveau, echelleBinaire;
    double reference;
};

// What a full service download may hold, in its usual level types.
const Parametre PARAMETRES[] = {
    {2, 102, 0, 6, 95000},   {33, 105, 10, -3, -30},  {34, 105, 10, -3, -30},
    {11, 102, 0, -4, 270},   {61, 1, 0, -3, 0},       {100, 102, 0, -5, 0},
    {200, 102, 0, 1, 0},     {201, 102, 0, -4, 0},    {101, 102, 0, 1, 0},
    {102, 102, 0, -5, 0},    {103, 102, 0, -4, 0},    {104, 102, 0, 1, 0},
    {105, 102, 0, -5, 0},    {106, 102, 0, -4, 0},    {107, 102, 0, 1, 0},
    {108, 102, 0, -4, 0},    {109, 102, 0, 1, 0},     {110, 102, 0, -4, 0},
    {202, 102, 0, -5, 0},    {203, 102, 0, -5, 0},    {49, 160, 0, -2, -100},
    {50, 160, 0, -2, -100},  {52, 105, 2, -1, 0},     {11, 160, 10, -4, 270},
    {11, 160, 50, -4, 270},
};
const int NOMBRE_PARAMETRES = sizeof PARAMETRES / sizeof PARAMETRES[0];

void octets(std::string& s, uint32_t v, int n)
{
    for (int k = n - 1; k >= 0; --k)
        s += char(v >> (8 * k) & 0xFF);
}

void signe(std::string& s, int v, int n)
{
    const uint32_t bit = 1u << (8 * n - 1);
    octets(s, v < 0 ? bit | uint32_t(-v) : uint32_t(v), n);
}

// IBM System/360 single precision.
void ibm(std::string& s, double v)
{
    int exposant = 64;
    const int signeBit = v < 0 ? 0x80 : 0;
    v = std::fabs(v);
    if (v > 0) {
        for (; v >= 1; v /= 16)
            ++exposant;
        for (; v < 1.0 / 16; v *= 16)
            --exposant;
    }
    octets(s, uint32_t(signeBit | exposant), 1);
    octets(s, uint32_t(v * 16777216.0), 3);
}

std::string entete(const Parametre& p, int heure)
{
    std::string s1;
    octets(s1, 28, 3);
    octets(s1, 1, 1);    // table version
    octets(s1, 85, 1);   // centre
    octets(s1, 78, 1);   // process
    octets(s1, 255, 1);
    octets(s1, 0x80, 1);  // grid description, no bit map
    octets(s1, uint32_t(p.numero), 1);
    octets(s1, uint32_t(p.typeNiveau), 1);
    octets(s1, uint32_t(p.niveau), 2);
    for (uint32_t v : {26u, 12u, 6u, 0u, 0u, 1u})  // 2026-12-06 00:00, hours
        octets(s1, v, 1);
    // Past 255 hours the range takes both octets (indicator 10).
    const bool long_ = heure > 255;
    octets(s1, uint32_t(long_ ? heure / 256 : heure), 1);
    octets(s1, uint32_t(long_ ? heure % 256 : 0), 1);
    octets(s1, long_ ? 10 : 0, 1);
    octets(s1, 0, 3);
    octets(s1, 21, 1);  // century
    octets(s1, 0, 1);
    signe(s1, 0, 2);    // decimal scale

    std::string s2;
    octets(s2, 32, 3);
    octets(s2, 0, 1);
    octets(s2, 255, 1);
    octets(s2, 0, 1);  // latitude/longitude
    octets(s2, NI, 2);
    octets(s2, NJ, 2);
    signe(s2, LA1, 3);
    signe(s2, LO1, 3);
    octets(s2, 0x80, 1);
    signe(s2, LA1 - (NJ - 1) * PAS, 3);
    signe(s2, LO1 + (NI - 1) * PAS, 3);
    octets(s2, uint32_t(PAS), 2);
    octets(s2, uint32_t(PAS), 2);
    octets(s2, 0, 1);  // from the north-west corner
    octets(s2, 0, 4);

    std::string s4;
    octets(s4, uint32_t(11 + NI * NJ * OCTETS), 3);
    octets(s4, 0, 1);
    signe(s4, p.echelleBinaire - 8 * (OCTETS - 1), 2);
    ibm(s4, p.reference);
    octets(s4, uint32_t(8 * OCTETS), 1);

    const uint32_t total =
        uint32_t(8 + s1.size() + s2.size() + s4.size() + NI * NJ * OCTETS + 4);
    std::string s = "GRIB";
    octets(s, total, 3);
    octets(s, 1, 1);
    return s + s1 + s2 + s4;
}

// A smooth field of waves moving with the step, plus rare noise of one unit.
void champ(int parametre, int pas, Alea& alea, std::vector<unsigned char>& valeurs)
{
    const double phase = 0.7 * parametre + 0.05 * pas;
    for (int j = 0; j < NJ; ++j)
        for (int i = 0; i < NI; ++i) {
            double v = 128 + 70 * std::sin(i * 0.021 + phase) * std::cos(j * 0.027 - phase) +
                       30 * std::sin((i + j) * 0.011 + 2 * phase);
            const uint32_t r = alea();
            if (r % 16 == 0)
                v += double(int(r >> 8) % 3 - 1);
            const double borne = v < 0 ? 0 : v > 255 ? 255 : v;
            const size_t k = (size_t(j) * NI + size_t(i)) * size_t(OCTETS);
            if (OCTETS == 2) {
                const uint32_t code = uint32_t(borne * 256) | (r >> 12 & 0xFF);
                valeurs[k] = (unsigned char)(code >> 8 > 255 ? 255 : code >> 8);
                valeurs[k + 1] = (unsigned char)code;
            } else {
                valeurs[k] = (unsigned char)borne;
            }
        }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4 && argc != 7) {
        std::fprintf(stderr, "usage: %s OUTPUT VALIDITIES PARAMETERS [NI NJ BITS]\n", argv[0]);
        return 2;
    }
    if (argc == 7) {
        NI = std::atoi(argv[4]);
        NJ = std::atoi(argv[5]);
        OCTETS = std::atoi(argv[6]) == 16 ? 2 : 1;
        if (NI < 2 || NJ < 2 || 11L + long(NI) * NJ * OCTETS > 16777215L) {
            std::fprintf(stderr, "%s: grid too large for one message\n", argv[0]);
            return 2;
        }
        PAS = 360000 / NI;
        LA1 = (NJ - 1) * PAS / 2;
        LO1 = 0;
    }
    const int validites = std::atoi(argv[2]), parametres = std::atoi(argv[3]);
    if (validites < 1 || parametres < 1 || parametres > NOMBRE_PARAMETRES) {
        std::fprintf(stderr, "%s: 1 validity or more, 1 to %d parameters\n", argv[0],
                     NOMBRE_PARAMETRES);
        return 2;
    }
    FILE* f = std::fopen(argv[1], "wb");
    if (!f) {
        std::perror(argv[1]);
        return 1;
    }
    Alea alea(0x6A1B5EEDu);
    std::vector<unsigned char> valeurs(size_t(NI) * NJ * size_t(OCTETS));
    for (int pas = 0; pas < validites; ++pas)
        for (int p = 0; p < parametres; ++p) {
            const std::string tete = entete(PARAMETRES[p], 3 * pas);
            champ(p, pas, alea, valeurs);
            std::fwrite(tete.data(), 1, tete.size(), f);
            std::fwrite(valeurs.data(), 1, valeurs.size(), f);
            std::fwrite("7777", 1, 4, f);
        }
    if (std::fclose(f) != 0) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
