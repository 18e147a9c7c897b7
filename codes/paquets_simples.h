// The loops of simple packing over whole arrays, decoding and encoding,
// written for the compiler's vectoriser: every value stays the one the
// plain formulas give, bit for bit.
#ifndef CODES_PAQUETS_SIMPLES_H
#define CODES_PAQUETS_SIMPLES_H

#include <cstdint>

// Decoded value of a code: (code x 2^E + R) / 10^D, in doubles.
struct EchelleDecodage {
    double e, r, d;
    float operator()(uint32_t code) const { return (float)(((double)code * e + r) * d); }
};

// Decoded values (code x e + r) x d, in doubles rounded to float, of n
// codes of 8 or 16 bits (big-endian) that start on an octet boundary:
// the largest code.
uint32_t uiDeballer8(const unsigned char* codes, uint64_t n, double e, double r, double d,
                     float* valeurs);
uint32_t uiDeballer16(const unsigned char* codes, uint64_t n, double e, double r, double d,
                      float* valeurs);

// The values that are not `absent`: their count, smallest (1.0e37 at
// most) and largest (-1.0e37 at least), and whether all are finite.
struct EtendueValeurs {
    float min, max;
    uint64_t presents;
    bool finies;
};
EtendueValeurs etendueValeurs(const float* valeurs, uint64_t n, float absent);

// 8-bit codes of n values: ((v - r) x inverse + 0.5) truncated within 0 ..
// max, `tousUns` for an absent value.
void vEmballer8(const float* valeurs, uint64_t n, float absent, double r, double inverse,
                double max, unsigned char tousUns, unsigned char* codes);

#endif
