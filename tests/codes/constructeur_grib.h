// Test-only writer of the messages no tool writes: GRIB1 second order by
// rows, matrices of values, edition 0, and QX1 headers. Independent of the
// codec: octets and bits are laid out here by hand.
#ifndef TESTS_CODES_CONSTRUCTEUR_GRIB_H
#define TESTS_CODES_CONSTRUCTEUR_GRIB_H

#include <string>
#include <vector>

// Appends fields of 1 to 32 bits, most significant bit first.
class Bits {
public:
    Bits& operator()(unsigned largeur, unsigned long valeur);
    // The octets, the last one padded with zero bits.
    std::string octets() const;
    size_t taille() const { return bits_.size(); }

private:
    std::vector<bool> bits_;
};

// A message on a regular lat/lon grid of ni x nj points.
struct MessageGrib {
    int edition = 1;
    unsigned ni = 3, nj = 2;
    std::vector<int> carte;  // one 0/1 per point; empty: no bit map
    int d = 0;               // decimal scale factor
    std::string section4;    // without its 3 length octets
    int parametre = 11;      // at the surface
    int p1 = 6;              // hours from 2026-01-05 12 h

    std::string octets() const;
};

// Section 4 bodies (after the length): E, R, bits and the packed data.
std::string s4Simple(int e, double r, unsigned bits, const std::vector<unsigned>& codes);
std::string s4SecondOrdre(unsigned bits, const std::vector<unsigned>& premiers,
                          const std::vector<unsigned>& largeurs,
                          const std::vector<std::vector<unsigned>>& seconds, int octet14 = 0x10);
// NR x NC matrices, coefficients of one octet (value i = c0 + i c1, column
// j = c0 x c1^j), secondary bit maps of `present` points when given.
std::string s4Matrice(unsigned nr, unsigned nc, unsigned presents,
                      const std::vector<int>& secondaires, const std::vector<unsigned>& codes);

// A QX1 message of `longueur` octets with length code 0, 1 or 2.
std::string qx1(unsigned code, unsigned longueur);
// IBM single precision.
std::string ibm(double v);
std::string o24(unsigned long v);

#endif
