#include "codes/texte.h"
#include "codes/texte_journal.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

TEST(ChaineMots, CompteLesMots)
{
    EXPECT_EQ(iCodesChaineMots("12.5 N, 3 W"), 4);
    EXPECT_EQ(iCodesChaineMots(""), 0);
    EXPECT_EQ(iCodesChaineMots(nullptr), 0);
    EXPECT_EQ(iCodesChaineMots("  ,;  "), 0);
    EXPECT_EQ(iCodesChaineMots("-3.5e+2/x"), 2);
    EXPECT_EQ(iCodesChaineMots("un"), 1);
}

TEST(Format, GroupesDeTroisChiffresEtValeursExtremes)
{
    EXPECT_STREQ(cpcCodesFormat(1234567L, 0), "1.234.567");
    EXPECT_STREQ(cpcCodesFormat(1005L, 1), "        1.005");
    EXPECT_STREQ(cpcCodesFormat(12000000000L, 1), "12.000.000.000");
    EXPECT_STREQ(cpcCodesFormat(999999999UL, 1), "  999.999.999");
    // The extremes fit the buffer.
    EXPECT_STREQ(cpcCodesFormat(LONG_MIN, 0), "-9223372036.-854.-775.-808");
    EXPECT_STREQ(cpcCodesFormat(LONG_MAX, 1), "9223372036.854.775.807");
    EXPECT_STREQ(cpcCodesFormat(ULONG_MAX, 0), "18446744073.709.551.615");
    EXPECT_STREQ(cpcCodesFormat(-5L, 1), "           -5");
}

TEST(PrintLigne, UneLigneBorneeSurErreurStandard)
{
    testing::internal::CaptureStderr();
    vCodesPrintLigne(0, 0, "%s %d", "ligne", 1);
    vCodesPrintLigne(0, 0, "deja\n");
    vCodesPrintLigne(0, 0, "%s", "");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "ligne 1\ndeja\n\n");

    std::string longue(5000, 'x');
    testing::internal::CaptureStderr();
    vCodesPrintLigne(0, 0, "%s", longue.c_str());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), std::string(1023, 'x') + "\n");
}

TEST(JourMoisAn, JoursDuMois)
{
    EXPECT_EQ(iCodesJourMoisAn(2100, 2), 29);
    EXPECT_EQ(iCodesJourMoisAn(2009, 2), 28);
    EXPECT_EQ(iCodesJourMoisAn(2009, 13), 0);
    EXPECT_EQ(iCodesJourMoisAn(2009, 0), 0);
    int total = 0;
    for (int m = 1; m <= 12; m++)
        total += iCodesJourMoisAn(2023, m);
    EXPECT_EQ(total, 365);
}

// What the log receives of a name from outside: printable ASCII and
// well-formed UTF-8 as they are, everything else as "\xHH".
TEST(TexteJournal, ControlAndMalformedOctetsAreEscaped)
{
    EXPECT_EQ(sTexteJournal("\xC3\xA9t\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x8C\x8A ok"),
              "\xC3\xA9t\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x8C\x8A ok");
    // Controls (C0, DEL, C1), the backslash, Latin-1, overlong, surrogate,
    // past U+10FFFF, stray continuation, cut short.
    EXPECT_EQ(sTexteJournal("\x1B[2J\t\x7F\xC2\x9B\\\xE9\xC0\xAF\xED\xA0\x80\xF4\x90\x80\x80\x80\xE2\x82"),
              "\\x1B[2J\\x09\\x7F\\xC2\\x9B\\x5C\\xE9\\xC0\\xAF\\xED\\xA0\\x80\\xF4\\x90\\x80"
              "\\x80\\x80\\xE2\\x82");
    EXPECT_EQ(sTexteJournal(nullptr), "");
    // A whole line keeps its line feeds, tabs, backslashes and octets past
    // ASCII; a NUL within it is written too.
    EXPECT_EQ(sLigneJournal(std::string("a\tb\\c\r\x1B[2J\x7F\xC2\x9B\xE9\0z\n", 17)),
              "a\tb\\c\\x0D\\x1B[2J\\x7F\xC2\x9B\xE9\\x00z\n");
}
