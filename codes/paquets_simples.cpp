// Fixed-size blocks and lane-wise accumulators let the compiler vectorise
// these loops; tails shorter than a block go the plain way.
#include "codes/paquets_simples.h"

#include "codes/vectorisation.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int BLOC = 64;
constexpr int VOIES = 8;

// A block of 8-bit codes through code x e + r in floats: its largest code.
inline unsigned char ucBloc8(const unsigned char* codes, float e, float r, float* valeurs)
{
    unsigned char max = 0;
    for (int i = 0; i < BLOC; ++i) {
        max = codes[i] > max ? codes[i] : max;
        valeurs[i] = (float)codes[i] * e + r;
    }
    return max;
}

inline unsigned char ucBlocTable(const unsigned char* codes, const float* table, float* valeurs)
{
    unsigned char max = 0;
    for (int i = 0; i < BLOC; ++i)
        max = codes[i] > max ? codes[i] : max;
    for (int i = 0; i < BLOC; ++i)
        valeurs[i] = table[codes[i]];
    return max;
}

// Float arithmetic gives code x e + r exactly as the doubles round it
// whenever e is a power of two and r a float, as 8-bit fields usually
// have: tried on all 256 codes, it then stands for the table.
bool bFlottantsExacts(const float* table, float e, float r)
{
    unsigned char codes[256];
    float valeurs[256];
    for (int c = 0; c < 256; ++c)
        codes[c] = (unsigned char)c;
    for (int b = 0; b < 256; b += BLOC)
        ucBloc8(codes + b, e, r, valeurs + b);
    return std::memcmp(valeurs, table, sizeof valeurs) == 0;
}

}  // namespace

VARIANTES_AVX2
uint32_t uiDeballer8(const unsigned char* codes, uint64_t n, double e, double r, double d,
                     float* valeurs)
{
    const EchelleDecodage echelle{e, r, d};
    float table[256];
    for (uint32_t c = 0; c < 256; ++c)
        table[c] = echelle(c);
    const float fe = (float)(e * d), fr = (float)(r * d);
    const bool flottants = bFlottantsExacts(table, fe, fr);
    unsigned char max = 0;
    uint64_t k = 0;
    for (; k + BLOC <= n; k += BLOC) {
        const unsigned char m = flottants ? ucBloc8(codes + k, fe, fr, valeurs + k)
                                          : ucBlocTable(codes + k, table, valeurs + k);
        max = std::max(max, m);
    }
    for (; k < n; ++k) {
        valeurs[k] = table[codes[k]];
        max = std::max(max, codes[k]);
    }
    return max;
}

VARIANTES_AVX2
uint32_t uiDeballer16(const unsigned char* codes, uint64_t n, double e, double r, double d,
                      float* valeurs)
{
    const EchelleDecodage echelle{e, r, d};
    uint32_t max = 0;
    for (uint64_t k = 0; k < n; ++k) {
        const uint32_t code = (uint32_t)codes[2 * k] << 8 | codes[2 * k + 1];
        valeurs[k] = echelle(code);
        max = code > max ? code : max;
    }
    return max;
}

VARIANTES_AVX2
EtendueValeurs etendueValeurs(const float* valeurs, uint64_t n, float absent)
{
    // Lane by lane, then the lanes together: the order of the comparisons
    // changes only which of two equal zeros comes out.
    float min[VOIES], max[VOIES];
    uint32_t presents[VOIES];
    int nonFinies[VOIES];
    for (int i = 0; i < VOIES; ++i) {
        min[i] = 1.0e37f, max[i] = -1.0e37f;
        presents[i] = 0, nonFinies[i] = 0;
    }
    uint64_t k = 0;
    for (; k + VOIES <= n; k += VOIES)
        for (int i = 0; i < VOIES; ++i) {
            const float v = valeurs[k + i];
            const bool present = v != absent;
            const float bas = present ? v : 1.0e37f, haut = present ? v : -1.0e37f;
            presents[i] += present;
            nonFinies[i] |= present & !(v - v == 0);  // infinities and NaN
            min[i] = bas < min[i] ? bas : min[i];
            max[i] = max[i] < haut ? haut : max[i];
        }
    EtendueValeurs t{1.0e37f, -1.0e37f, 0, true};
    for (int i = 0; i < VOIES; ++i) {
        t.min = std::min(t.min, min[i]);
        t.max = std::max(t.max, max[i]);
        t.presents += presents[i];
        t.finies = t.finies && !nonFinies[i];
    }
    for (; k < n; ++k) {
        const float v = valeurs[k];
        if (v == absent)
            continue;
        ++t.presents;
        t.finies = t.finies && v - v == 0;
        t.min = std::min(t.min, v);
        t.max = std::max(t.max, v);
    }
    return t;
}

VARIANTES_AVX2
void vEmballer8(const float* valeurs, uint64_t n, float absent, double r, double inverse,
                double max, unsigned char tousUns, unsigned char* codes)
{
    // Within 0 .. 255, a code goes through int32 as it would through uint32.
    for (uint64_t k = 0; k < n; ++k) {
        const float v = valeurs[k];
        const double c = ((double)v - r) * inverse + 0.5;
        const int32_t code = (int32_t)std::min(std::max(c, 0.0), max);
        codes[k] = v == absent ? tousUns : (unsigned char)code;
    }
}
