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

// Overwrites the 3-octet length at `debut` (4: the message's own).
std::string avecLongueur(std::string octets, size_t debut, uint32_t longueur)
{
    octets[debut] = char(longueur >> 16);
    octets[debut + 1] = char(longueur >> 8);
    octets[debut + 2] = char(longueur);
    return octets;
}

}  // namespace

TEST(MalformedFile, LengthsJunkAndCutsMakeNoRecordOutsideTheBuffer)
{
    const std::string bon = MessageTest().octets();
    const struct {
        std::string octets;
        int n;
    } cas[] = {
        {avecLongueur(bon, 4, 0) + bon, 1},
        {avecLongueur(bon, 4, 0), 0},
        // Claims more than the buffer holds, with a sound message inside it.
        {avecLongueur(bon, 4, 100000) + bon, 1},
        {avecLongueur(bon, 4, 0xFFFFFF) + bon + bon, 2},
        // Too short to hold its own sections.
        {avecLongueur(bon, 4, 39) + std::string(80, '\0'), 0},
        {"junk GRIBGRIBGR" + bon + std::string(37, 'x') + "GRI" + bon + "GRIB", 2},
        {std::string(83, 'G'), 0},
        {"", 0},
        {bon + bon.substr(0, bon.size() - 1), 1},
    };
    for (const auto& c : cas)
        EXPECT_EQ(compte(c.octets), c.n) << testing::PrintToString(c.octets.substr(0, 20));
    // Another edition is skipped.
    std::string edition2 = bon;
    edition2[7] = 2;
    EXPECT_EQ(compte(edition2 + bon), 1);
    // 84 bytes are the least a message takes, whatever its sections.
    MessageTest m;
    m.gds = false;
    m.donnees = std::vector<uint8_t>(33, 7);
    ASSERT_EQ(m.octets().size(), 84u);
    EXPECT_EQ(compte(m.octets()), 1);
    m.donnees.pop_back();
    EXPECT_EQ(compte(m.octets()), 0);
}

TEST(MalformedFile, EveryCutOfAFileStaysInside)
{
    MessageTest a, b;
    b.carte = std::vector<bool>(6, true);
    const std::string tout = a.octets() + "pad" + b.octets() + a.octets();
    for (size_t n = 0; n <= tout.size(); ++n)
        EXPECT_LE(compte(tout.substr(0, n)), 3);
}

TEST(MalformedField, SizesAndLengthsCheckedBeforeAnyRead)
{
    const struct {
        void (*changer)(MessageTest&);
        int code;
    } cas[] = {
        {[](MessageTest& m) { m.ni = 4; }, GRIB_SECTION4},  // 8 points, 6 values
        {[](MessageTest& m) { m.ni = m.nj = 65535; }, GRIB_SECTION4},
        {[](MessageTest& m) { m.ni = m.nj = 65535, m.donnees.clear(); }, GRIB_SECTION4},
        {[](MessageTest& m) { m.ni = m.nj = 0, m.donnees.clear(); }, 0},  // nothing to read
        {[](MessageTest& m) {  // 9 points, a map of one byte
             m.nj = 3, m.carte = std::vector<bool>(8, true), m.donnees.assign(9, 1);
         }, GRIB_SECTION4},
        {[](MessageTest& m) {  // more set bits than values
             m.carte = std::vector<bool>{true, true, true, true, false, true}, m.donnees = {1, 2, 3, 4};
         }, GRIB_SECTION4},
        {[](MessageTest& m) { m.carte = std::vector<bool>(6, true), m.donnees.assign(6, 1); }, 0},
        {[](MessageTest& m) { m.ni = m.nj = 65535, m.carte = std::vector<bool>(64, false); },
         GRIB_SECTION4},
        {[](MessageTest& m) { m.gds = false; }, GRIB_SECTION2},
    };
    for (size_t k = 0; k < sizeof cas / sizeof cas[0]; ++k) {
        MessageTest m;
        cas[k].changer(m);
        EXPECT_EQ(code(m.octets()), cas[k].code) << k;
    }
    MessageTest m;
    const std::string bon = m.octets();
    const size_t s2 = m.debutSection2(), s4 = m.debutSection4();
    EXPECT_EQ(code(avecLongueur(bon, 8, 5000)), GRIB_SECTION1);
    EXPECT_EQ(code(avecLongueur(bon, s2, 5000)), GRIB_SECTION2);
    EXPECT_EQ(code(avecLongueur(bon, s4, 5000)), GRIB_SECTION4);
    // Lengths below a section's fixed part count as that fixed part.
    EXPECT_EQ(code(avecLongueur(bon, s4, 0)), GRIB_SECTION4);
    m.carte = std::vector<bool>(6, true);
    EXPECT_EQ(code(avecLongueur(m.octets(), s2 + 32, 5000)), GRIB_SECTION3);
    EXPECT_EQ(code(avecLongueur(m.octets(), s2 + 32, 0)), GRIB_SECTION4);
    // Shorter than its length field, or than section 0; no message at all.
    EXPECT_EQ(code(bon.substr(0, bon.size() - 1)), GRIB_TRONQUE);
    EXPECT_EQ(code(bon.substr(0, 7)), GRIB_TRONQUE);
    Grib g;
    EXPECT_EQ(g.set(nullptr, 100), GRIB_TRONQUE);
    // Section 4 ends 3 bytes before the end of the message.
    EXPECT_EQ(code(avecLongueur(bon.substr(0, bon.size() - 1), 4, uint32_t(bon.size() - 1))),
              GRIB_FIN);
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
