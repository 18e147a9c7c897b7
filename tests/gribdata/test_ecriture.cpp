// The three writers: exact bytes, reported failures, nothing written when
// the file cannot be opened.
#include "tests/outils/outils_test.h"

#include "gribdata/fichiers.h"

#include <gtest/gtest.h>

namespace {

class Ecriture : public ::testing::Test {
protected:
    DossierTemporaire dossier;
    const std::string chemin = dossier / "f";
};

}  // namespace

TEST_F(Ecriture, BinaryWritesExactlyLengthBytesAndReplaces)
{
    const std::string octets = bruitTest(100000, 21);
    ecrireFichier(chemin, std::string(300000, 'x'));
    EXPECT_EQ(writebinaryfile(octets.data(), chemin.c_str(), int(octets.size())), 0);
    EXPECT_TRUE(memesOctets(lireFichier(chemin), octets));
}

TEST_F(Ecriture, LengthZeroWritesTheTextWithoutItsZeroAndAppendAdds)
{
    EXPECT_EQ(writebinaryfile("m\xC3\xA9t\xC3\xA9o\n", chemin.c_str(), 0), 0);
    EXPECT_EQ(appendbinaryfile("ab\0c", chemin.c_str(), 4), 0);
    EXPECT_EQ(appendbinaryfile("de", chemin.c_str(), 0), 0);
    EXPECT_EQ(lireFichier(chemin), std::string("m\xC3\xA9t\xC3\xA9o\nab\0cde", 14));
}

TEST_F(Ecriture, FailuresAreReportedAndWriteNothing)
{
    const std::string absent = dossier / "absent/f";
    EXPECT_NE(writebinaryfile("x", absent.c_str(), 1), 0);
    EXPECT_NE(appendbinaryfile("x", absent.c_str(), 1), 0);
    EXPECT_NE(writetextefile("x", absent.c_str()), 0);
    EXPECT_FALSE(existe(dossier / "absent"));

    ecrireFichier(chemin, "avant");
    EXPECT_NE(writebinaryfile("x", chemin.c_str(), -1), 0);
    EXPECT_NE(appendbinaryfile("x", chemin.c_str(), -5), 0);
    EXPECT_EQ(lireFichier(chemin), "avant");
    // A full disk.
    EXPECT_NE(writebinaryfile("x", "/dev/full", 1), 0);
    EXPECT_NE(appendbinaryfile("x", "/dev/full", 0), 0);
    EXPECT_NE(writetextefile("x\ny", "/dev/full"), 0);
}


TEST_F(Ecriture, TextGetsCrLfLineEnds)
{
    const struct {
        const char* texte;
        const char* attendu;
    } cas[] = {
        {"a\nb", "a\r\nb"},
        {"a\r\nb", "a\r\nb\r\n"},  // nothing inserted: a final CR LF is added
        {"", "\r\n"},
        {"abc", "abc\r\n"},
        {"\n\n", "\r\n\r\n"},
        {"a\r\n\nb\n", "a\r\n\r\nb\r\n"},
    };
    for (const auto& c : cas) {
        EXPECT_EQ(writetextefile(c.texte, chemin.c_str()), 0);
        EXPECT_EQ(lireFichier(chemin), c.attendu)
            << "text: " << ::testing::PrintToString(std::string(c.texte));
    }
}
