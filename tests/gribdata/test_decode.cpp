// The stored texts: decode must give back what encode stored.
#include "gribdata/decode.h"

#include <cctype>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace {

std::string decoder(const char* stocke)
{
    return std::unique_ptr<char[]>(decode(stocke)).get();
}

std::string encoder(const std::string& texte)
{
    return std::unique_ptr<char[]>(encode(texte.c_str())).get();
}

}  // namespace

TEST(Decode, RoundTripOfPrintableAsciiAndUtf8)
{
    std::string ascii;
    for (char c = ' '; c <= '~'; ++c)
        ascii += c;
    const std::string utf8 = "D\xC3\xA9" "compression \xE2\x80\x94 m\xC3\xA9t\xC3\xA9o 12\xC2\xB0";
    for (const std::string& texte : {ascii + ascii, utf8, std::string("x")}) {
        const std::string stocke = encoder(texte);
        EXPECT_EQ(stocke.size(), 2 * texte.size());
        EXPECT_EQ(decoder(stocke.c_str()), texte);
    }
}

TEST(Decode, ALoneLastDigitIsIgnoredAndCaseDoesNotMatter)
{
    EXPECT_EQ(decoder(""), "");
    EXPECT_EQ(decoder(nullptr), "");
    const std::string stocke = encoder("serveur.exemple");
    EXPECT_EQ(decoder((stocke + "7").c_str()), "serveur.exemple");
    std::string minuscules = stocke;
    for (char& c : minuscules)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_EQ(decoder(minuscules.c_str()), "serveur.exemple");
}

TEST(Decode, TheTextStopsAtAPairThatIsNotHex)
{
    const std::string stocke = encoder("abcdef");
    for (const char* intrus : {"zz", "G1", "1G", " 1", "-0"}) {
        std::string abime = stocke.substr(0, 6) + intrus + stocke.substr(8);
        EXPECT_EQ(decoder(abime.c_str()), "abc") << abime;
    }
}
