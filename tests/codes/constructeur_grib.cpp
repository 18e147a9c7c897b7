#include "constructeur_grib.h"

#include <cmath>

Bits& Bits::operator()(unsigned largeur, unsigned long valeur)
{
    for (unsigned k = largeur; k-- > 0;)
        bits_.push_back(valeur >> k & 1);
    return *this;
}

std::string Bits::octets() const
{
    std::string o((bits_.size() + 7) / 8, '\0');
    for (size_t k = 0; k < bits_.size(); ++k)
        if (bits_[k])
            o[k / 8] = char(o[k / 8] | 0x80 >> (k % 8));
    return o;
}

std::string o24(unsigned long v)
{
    return {char(v >> 16), char(v >> 8), char(v)};
}

std::string ibm(double v)
{
    if (v == 0)
        return std::string(4, '\0');
    int e = 64;
    double m = std::fabs(v);
    for (; m >= 1; m /= 16)
        ++e;
    for (; m < 1.0 / 16; m *= 16)
        --e;
    return char((v < 0 ? 0x80 : 0) | e) + o24((unsigned long)std::lround(m * 16777216.0));
}

namespace {

std::string section(const std::string& corps)
{
    return o24(corps.size() + 3) + corps;
}

std::string s16(int v)
{
    const unsigned a = unsigned(v < 0 ? -v : v) | (v < 0 ? 0x8000u : 0);
    return {char(a >> 8), char(a)};
}

}  // namespace

std::string MessageGrib::octets() const
{
    const int drapeaux = 0x80 | (carte.empty() ? 0 : 0x40);
    // Table version (0 in edition 0, where it stands as octet 8), centre 98,
    // process 1, grid 255, flags, the parameter at the surface, 2026-01-05 12 h.
    std::string s1 = {char(edition ? 3 : 0), 98, 1, char(255), char(drapeaux), char(parametre),
                      1, 0, 0, 26, 1, 5, 12, 0, 1, char(p1), 0, 0, 0, 0, 0};
    if (edition)
        s1 += std::string{21, 0} + s16(d);
    std::string s2 = {0, char(255), 0, char(ni >> 8), char(ni), char(nj >> 8), char(nj)};
    s2 += o24(50000) + o24(0) + char(0x80) + o24(50000 - 1000 * (nj - 1)) +
          o24(1000 * (ni - 1)) + std::string{3, char(232), 3, char(232), 0, 0, 0, 0, 0};
    std::string m = section(s1) + section(s2);
    if (!carte.empty()) {
        Bits b;
        for (int bit : carte)
            b(1, unsigned(bit));
        const std::string o = b.octets();
        m += section(std::string{char(o.size() * 8 - carte.size()), 0, 0} + o);
    }
    m += section(section4) + "7777";
    if (edition == 0)
        return "GRIB" + m;
    return "GRIB" + o24(m.size() + 8) + char(1) + m;
}

std::string s4Simple(int e, double r, unsigned bits, const std::vector<unsigned>& codes)
{
    Bits b;
    for (unsigned c : codes)
        b(bits, c);
    const std::string o = b.octets();
    return char(o.size() * 8 - b.taille()) + s16(e) + ibm(r) + char(bits) + o;
}

// Octet 4: second order and octet 14 flags; R = 100, E = 0.
std::string s4SecondOrdre(unsigned bits, const std::vector<unsigned>& premiers,
                          const std::vector<unsigned>& largeurs,
                          const std::vector<std::vector<unsigned>>& seconds, int octet14)
{
    const unsigned p1 = unsigned(largeurs.size());
    const unsigned n1 = 22 + p1;
    Bits f, s;
    for (unsigned v : premiers)
        f(bits, v);
    for (size_t g = 0; g < seconds.size(); ++g)
        for (unsigned v : seconds[g])
            s(largeurs[g], v);
    const unsigned n2 = n1 + unsigned(f.octets().size());
    std::string t = s16(0) + ibm(100) + char(bits) + char(n1 >> 8) + char(n1) + char(octet14) +
                    char(n2 >> 8) + char(n2) + char(p1 >> 8) + char(p1) + char(0) +
                    char(seconds.size()) + char(0);
    for (unsigned l : largeurs)
        t += char(l);
    const std::string so = s.octets();
    return char(0x50 | (so.size() * 8 - s.taille())) + t + f.octets() + so;
}

std::string s4Matrice(unsigned nr, unsigned nc, unsigned presents,
                      const std::vector<int>& secondaires, const std::vector<unsigned>& codes)
{
    const int octet14 = 0x40 | (secondaires.empty() ? 0 : 0x20);
    std::string t = s16(0) + ibm(0) + char(8) + char(presents >> 8) + char(presents) +
                    char(octet14) + char(nr >> 8) + char(nr) + char(nc >> 8) + char(nc) +
                    std::string{1, 2, 1, 2, 0, 0, 10, 5, 2, 3};
    Bits b;
    for (int bit : secondaires)
        b(1, unsigned(bit));
    for (unsigned c : codes)
        b(8, c);
    const std::string o = b.octets();
    return char(0x10 | (o.size() * 8 - b.taille())) + t + o;
}

std::string qx1(unsigned code, unsigned longueur)
{
    std::string m = "QX1";
    m += char(code << 4 | (longueur >> (8 * (code + 1)) & 0x0F));
    for (unsigned k = code + 1; k-- > 0;)
        m += char(longueur >> (8 * k));
    m += char(0x42);  // the octet after the length
    return m + std::string(longueur - m.size(), 'z');
}
