// The bit reader and writer.
#include "gribdata/bit.h"

#include <gtest/gtest.h>

TEST(Bit, ReadsFieldsMostSignificantBitFirst)
{
    unsigned char octets[] = {0xAB, 0xCD, 0xEF, 0x12, 0x34, 0x56};
    Bit b(6, octets);
    EXPECT_EQ(b.read(12), 0xABCu);
    EXPECT_EQ(b.read(4), 0xDu);
    EXPECT_EQ(b.read(1), 1u);
    EXPECT_EQ(b.read(3), 0x6u);
    EXPECT_EQ(b.tell(), 20u);
    // 32 bits across five bytes, from an odd position.
    EXPECT_EQ(b.read(28), 0xF123456u);
    EXPECT_EQ(b.tellmax(), 48u);
    EXPECT_EQ(b.tostring(), octets);
    EXPECT_EQ(b.size(), 6);
}

TEST(Bit, ReadsThirtyTwoBitsAtEveryOffset)
{
    unsigned char octets[] = {0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC};
    const uint64_t tout = 0x123456789ABCull;
    for (unsigned debut = 0; debut <= 16; ++debut) {
        Bit b(6, octets);
        b.seek(debut);
        EXPECT_EQ(b.read(32), (tout >> (48 - 32 - debut)) & 0xFFFFFFFFu) << debut;
    }
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
    EXPECT_EQ(b.tellmax(), 0u);
    EXPECT_EQ(b.write(0x5, 3), 3u);
    EXPECT_EQ(b.write(0xABCDEF01, 32), 35u);
    EXPECT_EQ(b.write(1, 1), 36u);
    Bit lecture(b.size(), b.tostring());
    EXPECT_EQ(lecture.read(3), 0x5u);
    EXPECT_EQ(lecture.read(32), 0xABCDEF01u);
    EXPECT_EQ(lecture.read(1), 1u);
    EXPECT_EQ(lecture.read(4), 0u);
}

TEST(Bit, GrowsWhenAFieldReachesTheEnd)
{
    Bit b(2, nullptr);
    b.write(0xFFFF, 16);
    // The byte of index 2 lies beyond: the buffer becomes 2 + 2 bytes.
    b.write(0x3, 2);
    EXPECT_EQ(b.size(), 4);
    EXPECT_EQ(b.tostring()[0], 0xFF);
    EXPECT_EQ(b.tostring()[2], 0xC0);
    EXPECT_EQ(b.tostring()[3], 0x00);
    b.update(3);
    EXPECT_EQ(b.size(), 7);
    EXPECT_EQ(b.tostring()[1], 0xFF);
    EXPECT_EQ(b.tostring()[6], 0x00);
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
