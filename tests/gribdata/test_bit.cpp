// The bit reader and writer.
#include "gribdata/bit.h"

#include <gtest/gtest.h>
#include <vector>

TEST(Bit, ReadsFieldsMostSignificantBitFirstAtEveryOffset)
{
    unsigned char octets[] = {0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC};
    const uint64_t tout = 0x123456789ABCull;
    for (unsigned largeur : {1u, 3u, 12u, 32u})
        for (unsigned debut = 0; debut + largeur <= 48; ++debut) {
            Bit b(6, octets);
            b.seek(debut);
            EXPECT_EQ(b.read(largeur), (tout >> (48 - largeur - debut)) & ((1ull << largeur) - 1))
                << largeur << " at " << debut;
            EXPECT_EQ(b.tell(), debut + largeur);
        }
    Bit b(6, octets);
    EXPECT_EQ(b.tellmax(), 48u);
    EXPECT_EQ(b.tostring(), octets);
}

TEST(Bit, NeverReadsPastItsLimit)
{
    unsigned char octets[] = {0xFF, 0xFF, 0xFF};
    Bit b(2, octets);  // the third byte is not its own
    b.skip(12);
    EXPECT_EQ(b.read(8), 0xF0u);
    EXPECT_EQ(b.read(8), 0u);
    EXPECT_EQ(b.tell(), 28u);
    Bit vide(-5, octets);
    EXPECT_EQ(vide.tellmax(), 0u);
    EXPECT_EQ(vide.read(32), 0u);
}

TEST(Bit, AnImpossibleWidthEndsTheProcessWith98)
{
    unsigned char octets[8] = {};
    EXPECT_EXIT(Bit(8, octets).read(0), ::testing::ExitedWithCode(98), "");
    EXPECT_EXIT(Bit(8, octets).read(33), ::testing::ExitedWithCode(98), "");
    EXPECT_EXIT(Bit(8, nullptr).write(1, -1), ::testing::ExitedWithCode(98), "");
}

TEST(Bit, WritesSequentiallyAndReadsBack)
{
    Bit b(0, nullptr);
    EXPECT_EQ(b.size(), 128);
    EXPECT_EQ(b.write(0x5, 3) + b.write(0xABCDEF01, 32) + b.write(1, 1), 3u + 35u + 36u);
    Bit lecture(b.size(), b.tostring());
    for (auto [largeur, valeur] : {std::pair{3u, 0x5u}, {32u, 0xABCDEF01u}, {1u, 1u}, {4u, 0u}})
        EXPECT_EQ(lecture.read(largeur), valeur);
}

TEST(Bit, GrowsWhenAFieldReachesTheEnd)
{
    Bit b(2, nullptr);
    b.write(0xFFFF, 16);
    // The byte of index 2 lies beyond: the buffer becomes 2 + 2 bytes.
    b.write(0x3, 2);
    EXPECT_EQ(std::vector<int>(b.tostring(), b.tostring() + b.size()),
              (std::vector<int>{0xFF, 0xFF, 0xC0, 0}));
    b.update(3);
    EXPECT_EQ(std::vector<int>(b.tostring(), b.tostring() + b.size()),
              (std::vector<int>{0xFF, 0xFF, 0xC0, 0, 0, 0, 0}));
}

// Growing a reader over a caller's buffer copies it and leaves the caller's
// bytes alone; ASan reports a leak or double free if ownership goes wrong.
TEST(Bit, OwnsOnlyWhatItAllocated)
{
    unsigned char octets[] = {0x80};
    {
        Bit b(1, octets);
        b.seek(8);
        b.write(0xFF, 8);
        EXPECT_NE(b.tostring(), octets);
        EXPECT_EQ(b.tostring()[0], 0x80);
        EXPECT_EQ(b.tostring()[1], 0xFF);
        b.set(1, octets);
        EXPECT_EQ(b.tostring(), octets);
        b.set(16, nullptr);
        EXPECT_EQ(b.size(), 16);
    }
    EXPECT_EQ(octets[0], 0x80);
}
