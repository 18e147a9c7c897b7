// Big-endian fields of GRIB edition 1 octets, as the file model, the field
// decoder and the codec read them. Callers check the bounds first.
#ifndef CODES_OCTETS_GRIB_H
#define CODES_OCTETS_GRIB_H

#include <cstdint>

inline uint32_t u16(const unsigned char* p)
{
    return uint32_t(p[0]) << 8 | p[1];
}

inline uint32_t u24(const unsigned char* p)
{
    return uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2];
}

// GRIB1 writes signed numbers as sign and magnitude: the top bit is the sign.
inline int signe16(const unsigned char* p)
{
    const int v = int(u16(p) & 0x7FFF);
    return p[0] & 0x80 ? -v : v;
}

inline int signe24(const unsigned char* p)
{
    const int v = int(u24(p) & 0x7FFFFF);
    return p[0] & 0x80 ? -v : v;
}

// IBM System/360 single precision: sign, exponent of 16 biased by 64, and a
// 24-bit fraction below the point.
double reelIBM(const unsigned char* p);

#endif
