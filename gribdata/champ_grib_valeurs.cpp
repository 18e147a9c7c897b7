// Unpacking the values. The counts are checked against the sections first,
// so the array is never larger than the message can fill.
#include "gribdata/champ_grib.h"

#include <cstdint>
#include <cstdlib>
#include <new>

namespace {

uint64_t bitsAUn(const unsigned char* bits, uint64_t n)
{
    uint64_t compte = 0;
    for (uint64_t o = 0; o < n / 8; ++o)
        compte += uint64_t(__builtin_popcount(bits[o]));
    if (n % 8)
        compte += uint64_t(__builtin_popcount(unsigned(bits[n / 8]) >> (8 - n % 8)));
    return compte;
}

}  // namespace

int Grib::decoder(const unsigned char* bits3, unsigned long bits3Longueur,
                  const unsigned char* donnees, unsigned long octets)
{
    const uint64_t points = uint64_t(ni) * uint64_t(nj);
    if (bits3 && bits3Longueur < points)
        return GRIB_SECTION4;
    // A field of 0 bits per value holds no octet per point.
    const uint64_t presents = bits3 ? bitsAUn(bits3, points) : points;
    if (bitsParValeur && presents > octets)
        return GRIB_SECTION4;

    valeurs = new (std::nothrow) float[points ? points : 1];
    if (!valeurs)
        std::exit(99);
    // 8 bits give 256 possible values: each is computed once, in double.
    float physique[256];
    for (int x = 0; x < 256; ++x)
        physique[x] = float((reference + x * echelleBinaire) / echelleDecimale);

    // No bits a value: the reference value everywhere, as it stands (the
    // decimal scale is not applied to it, as eccodes writes and reads such
    // a field).
    if (!bitsParValeur) {
        const float r = float(reference);
        for (uint64_t k = 0; k < points; ++k)
            valeurs[k] = !bits3 || bits3[k >> 3] >> (7 - (k & 7)) & 1 ? r : GRIB_ABSENT;
        return 0;
    }
    // The counts are checked: index the octets directly.
    if (!bits3) {
        for (uint64_t k = 0; k < points; ++k)
            valeurs[k] = physique[donnees[k]];
        return 0;
    }
    uint64_t j = 0;
    for (uint64_t k = 0; k < points; ++k)
        valeurs[k] = bits3[k >> 3] >> (7 - (k & 7)) & 1 ? physique[donnees[j++]] : GRIB_ABSENT;
    return 0;
}
