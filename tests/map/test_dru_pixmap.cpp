// The pixmap format: file round trip, building from memory, and the files
// that must be refused rather than trusted.
#include "map/dru_pixmap.h"

#include "tests/map/outils_carte.h"
#include "tests/outils/outils_test.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

unsigned char motif(int x, int y)
{
    return (unsigned char)('a' + (x * 7 + y * 3) % 5);
}

// The same header, colours and rows.
::testing::AssertionResult memesLignes(char** a, char** b, int w, int h, int nc)
{
    if (!a || !b)
        return ::testing::AssertionFailure() << "null lines";
    if (std::memcmp(a[0], b[0], PIXMAP_ENTETE) != 0)
        return ::testing::AssertionFailure() << "headers differ";
    if (std::memcmp(a[1], b[1], size_t(nc) * 4) != 0)
        return ::testing::AssertionFailure() << "colour tables differ";
    for (int y = 0; y < h; ++y)
        if (std::memcmp(a[y + 2], b[y + 2], size_t(w)) != 0)
            return ::testing::AssertionFailure() << "row " << y << " differs";
    return ::testing::AssertionSuccess();
}

class PixmapFichier : public ::testing::Test {
protected:
    DossierTemporaire dossier;
    JournalTemporaire journal{dossier / "log.txt"};

    // A file holding `contenu`; answers what read() makes of it.
    char** relire(const std::string& contenu)
    {
        ecrireFichier(dossier / "p.pl", contenu);
        return Dru_Pixmap::read((dossier / "p.pl").c_str());
    }
};

}  // namespace

TEST_F(PixmapFichier, WrittenLinesReadBackIdentical)
{
    char** lignes = lignesPixmap(37, 11, 5, motif);
    ASSERT_EQ(Dru_Pixmap::write(lignes, (dossier / "p.pl").c_str()), 0);
    EXPECT_EQ(lireFichier(dossier / "p.pl"), fichierPixmap(37, 11, 5, motif));
    char** relues = Dru_Pixmap::read((dossier / "p.pl").c_str());
    EXPECT_TRUE(memesLignes(lignes, relues, 37, 11, 5));

    Dru_Pixmap objet(relues);
    EXPECT_NE(journal.contenu().find("<PIXMAP> <dru_pixmap::infos> W:37 H:11 col:-5 pixel:1\n"),
              std::string::npos);
    Dru_Pixmap::free(lignes);
}

TEST_F(PixmapFichier, BuiltFromMemoryLikeTheFile)
{
    const std::string image = fichierPixmap(20, 6, 3, motif);
    Dru_Pixmap depuisMemoire(image.data(), image.size());
    char** depuisFichier = relire(image);
    EXPECT_TRUE(memesLignes(depuisMemoire.data, depuisFichier, 20, 6, 3));
    Dru_Pixmap::free(depuisFichier);

    depuisMemoire.free();
    EXPECT_EQ(depuisMemoire.data, nullptr);
    EXPECT_EQ(depuisMemoire.W + depuisMemoire.H + depuisMemoire.NCOLORS, 0);
    Dru_Pixmap vide(nullptr, 0);
    EXPECT_EQ(vide.data, nullptr);
    Dru_Pixmap videLignes(static_cast<char**>(nullptr));
    EXPECT_EQ(videLignes.W, 0);
}

TEST_F(PixmapFichier, DamagedHeadersAndShortDataAreRefused)
{
    const std::string bon = fichierPixmap(20, 6, 3, motif);
    auto entete = [&](const char* texte) {
        std::string f = bon;
        std::memset(&f[0], 0, PIXMAP_ENTETE);
        std::memcpy(&f[0], texte, std::strlen(texte));
        return f;
    };
    const std::string refuses[] = {
        entete("20 6 3 1"),          // a text colour table
        entete("20 6 -3 2"),         // two characters per pixel
        entete("0 6 -3 1"),          // no width
        entete("20 -6 -3 1"),        // negative height
        entete("20 6 -300 1"),       // more colours than bytes
        entete("70000 6 -3 1"),      // too wide
        entete("20 7 -3 1"),         // one row more than the data
        entete("2000000 2000000 -3 1"),
        entete("vingt 6 -3 1"),
        std::string(bon, 0, bon.size() - 1),  // truncated
        std::string(bon, 0, 100),             // header cut short
        std::string(),
    };
    for (const std::string& f : refuses) {
        EXPECT_EQ(relire(f), nullptr) << f.substr(0, 20);
        Dru_Pixmap memoire(f.data(), f.size());
        EXPECT_EQ(memoire.data, nullptr) << f.substr(0, 20);
        EXPECT_EQ(memoire.W, 0);
    }
    EXPECT_NE(journal.contenu().find("*ERREUR*"), std::string::npos);
    // A header without a terminating zero is read within its 255 bytes.
    std::string plein = bon;
    std::memset(&plein[8], '7', PIXMAP_ENTETE - 8);
    EXPECT_EQ(relire(plein), nullptr);
}

TEST_F(PixmapFichier, AdoptedLinesWithATextColourTableAreDropped)
{
    char** lignes = lignesPixmap(4, 2, 2, motif);
    std::snprintf(lignes[0], PIXMAP_ENTETE, "4 2 2 1");
    Dru_Pixmap objet(lignes);
    EXPECT_EQ(objet.data, nullptr);
    EXPECT_NE(journal.contenu().find("<dru_pixmap::infos> *ERREUR* W:4 H:2 col:2 pixel:1"),
              std::string::npos);
    std::snprintf(lignes[0], PIXMAP_ENTETE, "4 2 -2 1");
    Dru_Pixmap::free(lignes);
}

TEST_F(PixmapFichier, MissingFilesAndUnwritablePaths)
{
    EXPECT_EQ(Dru_Pixmap::read((dossier / "absent.pl").c_str()), nullptr);
    EXPECT_EQ(Dru_Pixmap::read(nullptr), nullptr);
    char** lignes = lignesPixmap(3, 3, 1, [](int, int) { return 'a'; });
    EXPECT_EQ(Dru_Pixmap::write(lignes, (dossier / "absent/p.pl").c_str()), -1);
    EXPECT_FALSE(existe(dossier / "absent/p.pl"));
    EXPECT_EQ(Dru_Pixmap::write(nullptr, (dossier / "p.pl").c_str()), -1);
    Dru_Pixmap::free(lignes);
    Dru_Pixmap::free(nullptr);
}
