#include "grib_test.h"

#include <cmath>

namespace {

// Big-endian fields: (octets, value).
std::string octetsDe(std::initializer_list<std::pair<int, long>> champs)
{
    std::string s;
    for (auto [n, v] : champs)
        for (int k = n - 1; k >= 0; --k)
            s += char((v >> (8 * k)) & 0xFF);
    return s;
}

// Sign and magnitude on `octets` octets.
long signe(int v, int octets)
{
    return v < 0 ? (1L << (8 * octets - 1)) | long(-v) : long(v);
}

// IBM single precision: sign, base-16 exponent biased by 64, 24-bit fraction.
long ibm(double v)
{
    const long bit = v < 0 ? 0x80000000L : 0;
    v = std::fabs(v);
    long exposant = 64;
    while (v > 0 && v >= 1)
        v /= 16, ++exposant;
    while (v > 0 && v < 1.0 / 16)
        v *= 16, --exposant;
    return v > 0 ? bit | exposant << 24 | long(v * 16777216.0) : bit | 64L << 24;
}

std::string octetsSection1(const MessageTest& m)
{
    return octetsDe({{3, 28}, {1, m.table}, {1, m.centre}, {1, m.process}, {1, 255},
                     {1, (m.gds ? 0x80 : 0) | (m.carte ? 0x40 : 0)}, {1, m.parametre},
                     {1, m.typeNiveau}, {2, m.niveau}, {1, (m.annee - 1) % 100 + 1}, {1, m.mois},
                     {1, m.jour}, {1, m.heure}, {1, m.minute}, {1, m.unite}, {1, m.p1},
                     {1, m.p2}, {1, m.indicateur}, {3, 0}, {1, (m.annee - 1) / 100 + 1}, {1, 0},
                     {2, signe(m.D, 2)}});
}

std::string octetsSection2(const MessageTest& m)
{
    return octetsDe({{3, 32}, {1, 0}, {1, 255}, {1, m.representation}, {2, m.ni}, {2, m.nj},
                     {3, signe(m.la1, 3)}, {3, signe(m.lo1, 3)}, {1, m.resolution},
                     {3, signe(m.la2, 3)}, {3, signe(m.lo2, 3)}, {2, m.di}, {2, m.dj},
                     {1, m.balayage}, {4, 0}});
}

std::string octetsSection3(const std::vector<bool>& carte)
{
    std::string bits((carte.size() + 7) / 8, '\0');
    for (size_t k = 0; k < carte.size(); ++k)
        if (carte[k])
            bits[k / 8] = char(bits[k / 8] | (0x80 >> (k % 8)));
    return octetsDe({{3, long(6 + bits.size())}, {1, long((8 - carte.size() % 8) % 8)}, {2, 0}}) +
           bits;
}

std::string octetsSection4(const MessageTest& m)
{
    return octetsDe({{3, long(11 + m.donnees.size())}, {1, m.drapeaux4}, {2, signe(m.E, 2)},
                     {4, ibm(m.R)}, {1, m.bits}}) +
           std::string(m.donnees.begin(), m.donnees.end());
}

}  // namespace

size_t MessageTest::debutSection4() const
{
    return debutSection2() + (gds ? 32 : 0) + (carte ? octetsSection3(*carte).size() : 0);
}

std::vector<uint8_t> MessageTest::sixValeurs()
{
    return {1, 2, 3, 4, 5, 6};
}

std::string MessageTest::octets() const
{
    std::string corps = octetsSection1(*this);
    if (gds)
        corps += octetsSection2(*this);
    if (carte)
        corps += octetsSection3(*carte);
    corps += octetsSection4(*this) + "7777";
    return "GRIB" + octetsDe({{3, longueurDeclaree ? long(longueurDeclaree) : long(8 + corps.size())},
                              {1, 1}}) + corps;
}

ListeTest::ListeTest(const std::vector<MessageTest>& messages)
{
    for (const MessageTest& m : messages)
        tampon += m.octets();
    f.set(reinterpret_cast<const unsigned char*>(tampon.data()), unsigned(tampon.size()));
}

grib* ListeTest::trouve(int parametre, int p1) const
{
    for (grib* g = f.list; g; g = g->suivant)
        if (g->parametre == parametre && g->p1 == p1)
            return g;
    return nullptr;
}
