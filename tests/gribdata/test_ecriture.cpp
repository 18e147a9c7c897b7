// The three writers: exact bytes, reported failures, nothing written when
// the file cannot be opened.
#include "tests/outils/outils_test.h"

#include "tests/outils/disque_plein.h"

#include "gribdata/fichiers.h"
#include "gribdata/remplacement.h"

#include <cerrno>
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

// A record appended on a disk that fills is there whole or not at all:
// the next one is never glued to a fragment.
TEST_F(Ecriture, AnAppendedRecordIsWholeOrTheFileIsCutBack)
{
    const std::string avant = texteTest(4096, 3), bloc = "SEND====SEND\nHUTC : 22:30:12\n";
    const struct {
        rlim_t libre;
        int erreur;
        std::string apres;
    } cas[] = {{6, EFBIG, avant}, {0, EFBIG, avant}, {bloc.size(), 0, avant + bloc}};
    for (const auto& c : cas) {
        ecrireFichier(chemin, avant);
        {
            DisquePlein plein(avant.size() + c.libre);
            EXPECT_EQ(iAjouterEnEntier(chemin.c_str(), bloc.data(), bloc.size()), c.erreur);
        }
        EXPECT_EQ(lireFichier(chemin), c.apres) << c.libre;
    }
    EXPECT_EQ(iAjouterEnEntier((dossier / "absent/f").c_str(), "x", 1), ENOENT);
    if (existe("/dev/full")) {
        EXPECT_EQ(iAjouterEnEntier("/dev/full", "x", 1), ENOSPC);
    }
}
