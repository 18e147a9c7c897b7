// The working folder: QUENBREL2_HOME, else the folder that holds the
// bundle, else the current folder.
#include "shell/demarrage.h"
#include "shell/globales_shell.h"

#include "tests/outils/outils_test.h"
#include "tests/shell/programme_test.h"

#include <gtest/gtest.h>
#include <unistd.h>

namespace {

struct Choix {
    int regle;
    std::string dossier;
};

Choix choisir(const char* home, const char* exe, const char* courant, size_t taille = 256)
{
    std::vector<char> tampon(taille, '?');
    int regle = iDossierTravail(home, exe, courant, tampon.data(), taille);
    return {regle, regle ? std::string(tampon.data()) : std::string()};
}

std::string dossierCourant()
{
    char tampon[4096];
    return getcwd(tampon, sizeof tampon) ? tampon : "";
}

}  // namespace

TEST(DossierTravail, TheEnvironmentComesFirst)
{
    const char* exe = "/Applications/quenbrel2.app/Contents/MacOS/quenbrel2";
    EXPECT_EQ(choisir("/srv/q", exe, "/tmp").dossier, "/srv/q/");
    EXPECT_EQ(choisir("/srv/q/", exe, "/tmp").regle, 1);
    EXPECT_EQ(choisir("/srv/q/", exe, "/tmp").dossier, "/srv/q/");
    // A relative folder is taken from the current one.
    EXPECT_EQ(choisir("q", exe, "/home/marin").dossier, "/home/marin/q/");
}

TEST(DossierTravail, ThenTheFolderThatHoldsTheBundle)
{
    const char* exe = "/Applications/quenbrel2.app/Contents/MacOS/quenbrel2";
    for (const char* home : {static_cast<const char*>(nullptr), ""}) {
        Choix c = choisir(home, exe, "/tmp");
        EXPECT_EQ(c.regle, 2);
        EXPECT_EQ(c.dossier, "/Applications/");
    }
    // Cut at the first occurrence.
    EXPECT_EQ(choisir(nullptr, "/a/quenbrel2.app/b/quenbrel2.app/x", "/tmp").dossier, "/a/");
}

TEST(DossierTravail, ElseTheCurrentFolder)
{
    Choix c = choisir(nullptr, "/usr/local/bin/quenbrel2", "/home/marin");
    EXPECT_EQ(c.regle, 3);
    EXPECT_EQ(c.dossier, "/home/marin/");
    EXPECT_EQ(choisir(nullptr, nullptr, "/").dossier, "/");
}

TEST(DossierTravail, AFolderThatDoesNotFitFallsToTheNextRule)
{
    const std::string long_home = "/" + std::string(300, 'h');
    Choix c = choisir(long_home.c_str(), "/x/quenbrel2.app/q", "/tmp");
    EXPECT_EQ(c.regle, 2);
    EXPECT_EQ(c.dossier, "/x/");
    // "/abc" and its "/" need 6 bytes with the end of the text.
    EXPECT_EQ(choisir("/abc", nullptr, nullptr, 6).regle, 1);
    EXPECT_EQ(choisir("/abc", nullptr, nullptr, 5).regle, 0);
    EXPECT_EQ(choisir(nullptr, nullptr, nullptr).regle, 0);
}

TEST(DossierTravail, TheProgramMovesIntoItsFolder)
{
    DossierTemporaire dossier;
    DossierCourant ici(dossier.chemin());
    ecrireFichier(dossier / "marque", "");
    {
        VariableTemporaire home("QUENBREL2_HOME", dossier.chemin());
        DossierCourant ailleurs("/");
        ::testing::internal::CaptureStdout();
        EXPECT_EQ(iRepertoireTravail(), 0);
        const std::string sortie = ::testing::internal::GetCapturedStdout();
        EXPECT_EQ(std::string(CheminAbsolu), dossier.chemin() + "/");
        EXPECT_TRUE(existe("marque"));
        EXPECT_EQ(sortie.rfind("CHEMIN EXE absolu: /", 0), 0u) << sortie;
    }
    {
        VariableTemporaire home("QUENBREL2_HOME", dossier / "absent");
        ::testing::internal::CaptureStdout();
        EXPECT_EQ(iRepertoireTravail(), -1);
        EXPECT_NE(::testing::internal::GetCapturedStdout().find("ATTENTION"), std::string::npos);
        EXPECT_EQ(dossierCourant(), dossier.chemin());
        EXPECT_EQ(std::string(CheminAbsolu), dossier.chemin() + "/");
    }
}
