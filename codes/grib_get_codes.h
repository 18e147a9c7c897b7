// The decoder's shared steps: its refusals, bit maps, and packed codes read
// one after the other (whole octets for 8, 16 and 24 bits on an octet
// boundary, the bit cursor otherwise). The caller has checked that every
// code it asks for lies inside the message.
#ifndef CODES_GRIB_GET_CODES_H
#define CODES_GRIB_GET_CODES_H

#include "codes/bit.h"
#include "codes/logerr.h"

#include <cstdint>

class LecteurCodes {
public:
    LecteurCodes(CLASS_CODES_BIT& curseur, uint64_t position, unsigned int bits)
        : curseur_(curseur), bits_(bits),
          octets_(position % 8 == 0 && bits % 8 == 0 ? bits / 8 : 0)
    {
        curseur_.vSeek(position);
        p_ = curseur_.puc_octet;
    }

    uint32_t suivant()
    {
        switch (octets_) {
        case 1:
            return *p_++;
        case 2:
            p_ += 2;
            return (uint32_t)p_[-2] << 8 | p_[-1];
        case 3:
            p_ += 3;
            return (uint32_t)p_[-3] << 16 | (uint32_t)p_[-2] << 8 | p_[-1];
        default:
            return bits_ ? (uint32_t)curseur_.ulRead(bits_) : 0;
        }
    }
    void sauter()
    {
        if (octets_)
            p_ += octets_;
        else
            curseur_.vSkip(bits_);
    }

private:
    CLASS_CODES_BIT& curseur_;
    unsigned int bits_;
    unsigned int octets_;
    const unsigned char* p_;
};

// A field whose points cost no bit (a constant field, second-order rows
// of width 0) is sized by its point count alone, which nothing in the
// message bounds: larger ones are refused.
const uint64_t POINTS_SANS_CODE_MAX = 50000000;

// Logs a fatal record and answers 1: the decoder's refusals.
inline int iRefus(const char* message)
{
    CLASS_CODES_LOGERR::iErr(-1, message);
    return 1;
}

// Set bits among the first n bits of a bit map.
inline uint64_t ulBitsAUn(const unsigned char* bits, uint64_t n)
{
    uint64_t compte = 0;
    for (uint64_t o = 0; o < n / 8; ++o)
        compte += (uint64_t)__builtin_popcount(bits[o]);
    if (n % 8)
        compte += (uint64_t)__builtin_popcount((unsigned)bits[n / 8] >> (8 - n % 8));
    return compte;
}

inline bool bBit(const unsigned char* bits, uint64_t k)
{
    return bits[k / 8] >> (7 - k % 8) & 1;
}

#endif
