// Damaged and hostile input: each case is a clean refusal or a shorter list,
// never a read outside the buffer (these tests matter most under ASan, where
// every buffer is a heap copy of exactly its own size).
#include "grib_test.h"

#include "gribdata/champ_grib.h"
#include "gribdata/fichier_grib.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

int compte(const std::string& octets)
{
    std::vector<unsigned char> copie(octets.begin(), octets.end());
    File f;
    f.set(copie.data(), unsigned(copie.size()));
    int n = 0;
    for (const grib* g = f.list; g; g = g->suivant, ++n)
        EXPECT_LE(uint64_t(g->position) + g->longueur, copie.size());
    EXPECT_EQ(n, f.count);
    return f.count;
}

int code(const std::string& octets)
{
    std::vector<unsigned char> copie(octets.begin(), octets.end());
    Grib g;
    return g.set(copie.data(), unsigned(copie.size()));
}

int code(const MessageTest& m)
{
    return code(m.octets());
}

std::string avecLongueur(std::string octets, uint32_t longueur)
{
    octets[4] = char(longueur >> 16);
    octets[5] = char(longueur >> 8);
    octets[6] = char(longueur);
    return octets;
}

// Overwrites a section's 3-octet length.
std::string avecSection(std::string octets, size_t debut, uint32_t longueur)
{
    octets[debut] = char(longueur >> 16);
    octets[debut + 1] = char(longueur >> 8);
    octets[debut + 2] = char(longueur);
    return octets;
}

}  // namespace

TEST(MalformedFile, ACutLastMessageIsDropped)
{
    const std::string a = MessageTest().octets();
    MessageTest m2;
    m2.parametre = 33;
    const std::string b = m2.octets();
    EXPECT_EQ(compte(a + b), 2);
    EXPECT_EQ(compte(a + b.substr(0, b.size() - 1)), 1);
    EXPECT_EQ(compte(a + b.substr(0, 50)), 1);
    EXPECT_EQ(compte(a.substr(0, a.size() - 4)), 0);
}

TEST(MalformedFile, LengthFieldsOfZeroOrPastTheEndMakeNoRecord)
{
    const std::string bon = MessageTest().octets();
    EXPECT_EQ(compte(avecLongueur(bon, 0) + bon), 1);
    EXPECT_EQ(compte(avecLongueur(bon, 0)), 0);
    // Claims more than the buffer holds, with a sound message inside it.
    EXPECT_EQ(compte(avecLongueur(bon, 100000) + bon), 1);
    EXPECT_EQ(compte(avecLongueur(bon, 0xFFFFFF) + bon + bon), 2);
    // Too short to hold its own sections.
    EXPECT_EQ(compte(avecLongueur(bon, 39) + std::string(80, '\0')), 0);
}

TEST(MalformedFile, JunkBeforeAndBetweenMessages)
{
    const std::string bon = MessageTest().octets();
    EXPECT_EQ(compte("GRIBGRIBGR" + bon + std::string(37, 'x') + "GRIB" + bon + "GRI"), 2);
    EXPECT_EQ(compte(std::string(83, 'G')), 0);
    EXPECT_EQ(compte(""), 0);
}

TEST(MalformedFile, AnEightyThreeByteFileGivesNoRecord)
{
    MessageTest m;
    m.gds = false;
    m.donnees = std::vector<uint8_t>(32, 1);
    const std::string octets = m.octets();
    ASSERT_EQ(octets.size(), 83u);
    EXPECT_EQ(compte(octets), 0);
}

TEST(MalformedFile, EveryCutOfAFileStaysInside)
{
    MessageTest a, b;
    b.carte = std::vector<bool>(6, true);
    const std::string tout = a.octets() + "pad" + b.octets() + a.octets();
    for (size_t n = 0; n <= tout.size(); ++n)
        EXPECT_LE(compte(tout.substr(0, n)), 3);
}

TEST(MalformedField, MoreValuesThanTheDataSectionHolds)
{
    MessageTest m;
    m.ni = 4;  // 8 points, 6 values
    EXPECT_EQ(code(m), GRIB_SECTION4);
    m.ni = m.nj = 65535;
    EXPECT_EQ(code(m), GRIB_SECTION4);
    m.donnees.clear();
    EXPECT_EQ(code(m), GRIB_SECTION4);
    m.ni = m.nj = 0;  // no point at all: nothing to read
    EXPECT_EQ(code(m), 0);
}

TEST(MalformedField, BitMapShorterThanTheGridOrMoreSetBitsThanValues)
{
    MessageTest m;
    m.nj = 3;  // 9 points, a map of one byte
    m.carte = std::vector<bool>(8, true);
    m.donnees = std::vector<uint8_t>(9, 1);
    EXPECT_EQ(code(m), GRIB_SECTION4);
    m.nj = 2;
    m.carte = std::vector<bool>{true, true, true, true, false, true};
    m.donnees = {1, 2, 3, 4};
    EXPECT_EQ(code(m), GRIB_SECTION4);
    m.donnees.push_back(5);
    EXPECT_EQ(code(m), 0);
    m.ni = m.nj = 65535;
    m.carte = std::vector<bool>(64, false);
    EXPECT_EQ(code(m), GRIB_SECTION4);
}

// Second-order packing, 12 bits per value and other scanning modes: see
// GribSet.RefusesWhatTheServiceDoesNotSend.

TEST(MalformedField, NoGridDescriptionIsRefused)
{
    MessageTest m;
    m.gds = false;
    EXPECT_EQ(code(m), GRIB_SECTION2);
}

TEST(MalformedField, SectionsRunningPastTheMessage)
{
    MessageTest m;
    const std::string bon = m.octets();
    const size_t s1 = 8, s2 = m.debutSection2(), s4 = m.debutSection4();
    EXPECT_EQ(code(avecSection(bon, s1, 5000)), GRIB_SECTION1);
    EXPECT_EQ(code(avecSection(bon, s2, 5000)), GRIB_SECTION2);
    EXPECT_EQ(code(avecSection(bon, s4, 5000)), GRIB_SECTION4);
    // Lengths below a section's fixed part count as that fixed part.
    EXPECT_EQ(code(avecSection(bon, s4, 0)), GRIB_SECTION4);
    m.carte = std::vector<bool>(6, true);
    const std::string avecCarte = m.octets();
    EXPECT_EQ(code(avecSection(avecCarte, s2 + 32, 5000)), GRIB_SECTION3);
    EXPECT_EQ(code(avecSection(avecCarte, s2 + 32, 0)), GRIB_SECTION4);
}

TEST(MalformedField, EveryCutAndEveryByteChangedStaysInside)
{
    MessageTest m;
    m.carte = std::vector<bool>{true, false, true, true, true, true};
    m.donnees = {9, 8, 7, 6, 5};
    const std::string bon = m.octets();
    ASSERT_EQ(code(bon), 0);
    for (size_t n = 0; n < bon.size(); ++n)
        EXPECT_NE(code(bon.substr(0, n)), 0) << n;
    for (size_t k = 0; k < bon.size(); ++k)
        for (int octet : {0x00, 0x7F, 0xFF}) {
            std::string change = bon;
            change[k] = char(octet);
            const int c = code(change);
            EXPECT_TRUE(c >= 0 && c <= 13) << k;
        }
}
