#include "grib_test.h"

#include <cmath>

namespace {

void u8(std::string& s, int v)
{
    s += char(v & 0xFF);
}

void u16(std::string& s, int v)
{
    u8(s, v >> 8);
    u8(s, v);
}

void u24(std::string& s, uint32_t v)
{
    u8(s, int(v >> 16));
    u8(s, int(v >> 8));
    u8(s, int(v));
}

void signe16(std::string& s, int v)
{
    u16(s, v < 0 ? 0x8000 | -v : v);
}

void signe24(std::string& s, int v)
{
    u24(s, v < 0 ? 0x800000u | uint32_t(-v) : uint32_t(v));
}

void ibm(std::string& s, double v)
{
    int signe = v < 0 ? 0x80 : 0;
    v = std::fabs(v);
    int exposant = 64;
    uint32_t fraction = 0;
    if (v > 0) {
        while (v >= 1) {
            v /= 16;
            ++exposant;
        }
        while (v < 1.0 / 16) {
            v *= 16;
            --exposant;
        }
        fraction = uint32_t(v * 16777216.0);
    }
    u8(s, signe | exposant);
    u24(s, fraction);
}

std::string octetsSection1(const MessageTest& m)
{
    std::string s;
    u24(s, 28);
    u8(s, m.table);
    u8(s, m.centre);
    u8(s, m.process);
    u8(s, 255);
    u8(s, (m.gds ? 0x80 : 0) | (m.carte ? 0x40 : 0));
    u8(s, m.parametre);
    u8(s, m.typeNiveau);
    u16(s, m.niveau);
    u8(s, (m.annee - 1) % 100 + 1);
    u8(s, m.mois);
    u8(s, m.jour);
    u8(s, m.heure);
    u8(s, m.minute);
    u8(s, m.unite);
    u8(s, m.p1);
    u8(s, m.p2);
    u8(s, m.indicateur);
    u16(s, 0);
    u8(s, 0);
    u8(s, (m.annee - 1) / 100 + 1);
    u8(s, 0);
    signe16(s, m.D);
    return s;
}

std::string octetsSection2(const MessageTest& m)
{
    std::string s;
    u24(s, 32);
    u8(s, 0);
    u8(s, 255);
    u8(s, m.representation);
    u16(s, m.ni);
    u16(s, m.nj);
    signe24(s, m.la1);
    signe24(s, m.lo1);
    u8(s, m.resolution);
    signe24(s, m.la2);
    signe24(s, m.lo2);
    u16(s, m.di);
    u16(s, m.dj);
    u8(s, m.balayage);
    s += std::string(4, '\0');
    return s;
}

std::string octetsSection3(const std::vector<bool>& carte)
{
    std::string bits((carte.size() + 7) / 8, '\0');
    for (size_t k = 0; k < carte.size(); ++k)
        if (carte[k])
            bits[k / 8] = char(bits[k / 8] | (0x80 >> (k % 8)));
    std::string s;
    u24(s, uint32_t(6 + bits.size()));
    u8(s, int((8 - carte.size() % 8) % 8));
    u16(s, 0);
    return s + bits;
}

std::string octetsSection4(const MessageTest& m)
{
    std::string s;
    u24(s, uint32_t(11 + m.donnees.size()));
    u8(s, m.drapeaux4);
    signe16(s, m.E);
    ibm(s, m.R);
    u8(s, m.bits);
    s.append(m.donnees.begin(), m.donnees.end());
    return s;
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
    std::string s = "GRIB";
    u24(s, longueurDeclaree ? longueurDeclaree : uint32_t(8 + corps.size()));
    u8(s, 1);
    return s + corps;
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
