#include "gribdata/bit.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>

namespace {

void largeurPossible(int n)
{
    if (n < 1 || n > 32)
        std::exit(98);
}

unsigned char* allouer(unsigned long octets)
{
    unsigned char* p = new (std::nothrow) unsigned char[octets];
    if (!p)
        std::exit(99);
    std::memset(p, 0, octets);
    return p;
}

unsigned int bits(int octets)
{
    return (unsigned int)std::min<uint64_t>(uint64_t(std::max(octets, 0)) * 8, UINT_MAX);
}

}  // namespace

Bit::Bit(int length, unsigned char* buffer)
{
    set(length, buffer);
}

Bit::~Bit()
{
    liberer();
}

void Bit::liberer()
{
    if (proprietaire_)
        delete[] buffer;
    buffer = nullptr;
    proprietaire_ = false;
}

void Bit::set(int longueur, unsigned char* tampon)
{
    liberer();
    position = 0;
    if (tampon) {
        buffer = tampon;
        length = std::max(longueur, 0);
        limite = bits(length);
        return;
    }
    length = longueur < 1 ? 128 : longueur;
    buffer = allouer((unsigned long)length);
    proprietaire_ = true;
    // A writer starts with nothing written.
    limite = 0;
}

unsigned long Bit::lire(int n)
{
    largeurPossible(n);
    const uint64_t debut = position, fin = debut + unsigned(n);
    const uint64_t octetsLisibles = (uint64_t(limite) + 7) / 8;
    uint64_t v = 0;
    for (uint64_t o = debut / 8; o <= (fin - 1) / 8; ++o) {
        const bool lisible = o < octetsLisibles && o < uint64_t(length);
        v = v << 8 | (lisible ? buffer[o] : 0u);
    }
    // Bits of a last byte that lie past the limit belong to no field yet.
    const unsigned bas = unsigned((8 - fin % 8) % 8);
    v >>= bas;
    v &= (uint64_t(1) << n) - 1;
    if (fin > limite) {
        const uint64_t horsLimite = fin - std::max<uint64_t>(limite, debut);
        v &= ~((uint64_t(1) << horsLimite) - 1);
    }
    position = (unsigned int)fin;
    return (unsigned long)v;
}

void Bit::agrandir(unsigned long octets)
{
    unsigned char* nouveau = allouer(octets);
    if (buffer && length > 0)
        std::memcpy(nouveau, buffer, size_t(length));
    liberer();
    buffer = nouveau;
    proprietaire_ = true;
    length = int(octets);
}

unsigned int Bit::write(unsigned long value, int n)
{
    largeurPossible(n);
    const unsigned long dernier = (unsigned long)(position + unsigned(n) - 1) / 8;
    if (dernier >= (unsigned long)length)
        agrandir(std::max(dernier + 1, dernier + (unsigned long)length));
    for (int k = n - 1; k >= 0; --k, ++position) {
        const unsigned char masque = (unsigned char)(0x80u >> (position & 7));
        if (value >> k & 1)
            buffer[position >> 3] |= masque;
        else
            buffer[position >> 3] &= (unsigned char)~masque;
    }
    limite = std::max(limite, position);
    return limite;
}

void Bit::update(int n)
{
    if (n > 0)
        agrandir((unsigned long)length + (unsigned long)n);
}
