// Writes a file shaped like a GRIB edition 1 download, for the decompression
// benchmark: records "GRIB" + a short header + a smooth 8-bit field with a
// little noise + "7777". Fields drift slowly from one record to the next, as
// forecast steps do, so the file compresses about as well as real GRIB data
// (about 2.2 times with gzip, 4 times with bzip2).
// Integer arithmetic and a fixed seed: the same bytes on every machine.
//
// Usage: gen_grib_like OUTPUT [MEGABYTES]   (100 by default)
#include "bench/alea.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

const int NI = 360, NJ = 181;         // a 1-degree global grid
const int CELLULE = 20;               // coarse grid step of the smooth part
const int CI = NI / CELLULE + 2, CJ = NJ / CELLULE + 2;
const int BRUIT = 1;                  // noise amplitude, in 8-bit steps,
const uint32_t RARETE = 16;           // on one value in RARETE

// The coarse values of one parameter, moved a little at every step.
void deriver(std::vector<int>& grossier, Alea& alea)
{
    for (int& v : grossier) {
        v += int(alea() % 9) - 4;
        v = v < 16 ? 16 : v > 239 ? 239 : v;
    }
}

// Bilinear interpolation of the coarse grid, plus noise.
void champ(const std::vector<int>& grossier, Alea& alea, std::vector<unsigned char>& sortie)
{
    for (int j = 0; j < NJ; ++j) {
        const int cj = j / CELLULE, fj = j % CELLULE;
        for (int i = 0; i < NI; ++i) {
            const int ci = i / CELLULE, fi = i % CELLULE;
            const int a = grossier[cj * CI + ci], b = grossier[cj * CI + ci + 1];
            const int c = grossier[(cj + 1) * CI + ci], d = grossier[(cj + 1) * CI + ci + 1];
            const int haut = a * (CELLULE - fi) + b * fi, bas = c * (CELLULE - fi) + d * fi;
            int v = (haut * (CELLULE - fj) + bas * fj) / (CELLULE * CELLULE);
            const uint32_t r = alea();
            if (r % RARETE == 0)
                v += int((r >> 8) % (2 * BRUIT + 1)) - BRUIT;
            sortie[size_t(j) * NI + size_t(i)] = (unsigned char)(v < 0 ? 0 : v > 255 ? 255 : v);
        }
    }
}

void ecrireEnTete(FILE* f, uint32_t longueur, int parametre, int echeance)
{
    const unsigned char entete[] = {
        (unsigned char)(longueur >> 16), (unsigned char)(longueur >> 8), (unsigned char)longueur,
        1,                                   // edition
        0, 0, 28, 7, 255, 128,               // section 1: length, table, centre, process, grid
        (unsigned char)parametre, 1, 0, 0,   // parameter, level type, level
        24, 1, 15, 0, 0,                     // year of century, month, day, hour, minute
        1, 0, (unsigned char)echeance, 0, 0, // unit, P1, P2, range
        NI >> 8, NI & 255, NJ >> 8, NJ & 255, 8,  // grid size, bits per value
    };
    std::fwrite("GRIB", 1, 4, f);
    std::fwrite(entete, 1, sizeof entete, f);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTPUT [MEGABYTES]\n", argv[0]);
        return 2;
    }
    const long megaoctets = argc > 2 ? std::atol(argv[2]) : 100;
    FILE* f = std::fopen(argv[1], "wb");
    if (!f) {
        std::perror(argv[1]);
        return 1;
    }
    const int PARAMETRES = 6;  // wind u and v, pressure, temperature, waves, rain
    Alea alea(0x5EED1234u);
    std::vector<std::vector<int>> grossiers(PARAMETRES, std::vector<int>(size_t(CI) * CJ));
    for (auto& g : grossiers)
        for (int& v : g)
            v = 40 + int(alea() % 176);
    std::vector<unsigned char> valeurs(size_t(NI) * NJ);
    const uint32_t longueur = uint32_t(4 + 29 + valeurs.size() + 4);
    const long total = megaoctets * 1000 * 1000;
    long ecrit = 0;
    for (int echeance = 0; ecrit < total; ++echeance)
        for (int p = 0; p < PARAMETRES && ecrit < total; ++p) {
            deriver(grossiers[size_t(p)], alea);
            champ(grossiers[size_t(p)], alea, valeurs);
            ecrireEnTete(f, longueur, 33 + p, echeance % 256);
            std::fwrite(valeurs.data(), 1, valeurs.size(), f);
            std::fwrite("7777", 1, 4, f);
            ecrit += long(longueur);
        }
    if (std::fclose(f) != 0) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
