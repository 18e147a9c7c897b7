// The working folder: QUENBREL2_HOME, else the folder that holds the
// bundle, else the current folder.
#include "shell/chargeurs.h"
#include "shell/demarrage.h"
#include "shell/globales_shell.h"

#include "tests/outils/outils_test.h"
#include "tests/shell/programme_test.h"

#include <cerrno>
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

TEST(DossierTravail, EnvironmentThenBundleThenCurrentFolder)
{
    const char* exe = "/Applications/quenbrel2.app/Contents/MacOS/quenbrel2";
    const std::string long_home = "/" + std::string(300, 'h');
    const struct {
        const char *home, *exe, *courant;
        size_t taille;
        int regle;
        const char* dossier;
    } cas[] = {
        {"/srv/q", exe, "/tmp", 256, 1, "/srv/q/"},
        {"/srv/q/", exe, "/tmp", 256, 1, "/srv/q/"},
        {"q", exe, "/home/marin", 256, 1, "/home/marin/q/"},  // relative: from the current one
        {nullptr, exe, "/tmp", 256, 2, "/Applications/"},
        {"", exe, "/tmp", 256, 2, "/Applications/"},
        {nullptr, "/a/quenbrel2.app/b/quenbrel2.app/x", "/tmp", 256, 2, "/a/"},  // the first
        {nullptr, "/usr/local/bin/quenbrel2", "/home/marin", 256, 3, "/home/marin/"},
        {nullptr, nullptr, "/", 256, 3, "/"},
        // A folder that does not fit falls to the next rule; "/abc" and its
        // "/" need 6 bytes with the end of the text.
        {long_home.c_str(), "/x/quenbrel2.app/q", "/tmp", 256, 2, "/x/"},
        {"/abc", nullptr, nullptr, 6, 1, "/abc/"},
        {"/abc", nullptr, nullptr, 5, 0, ""},
        {nullptr, nullptr, nullptr, 256, 0, ""},
    };
    for (const auto& c : cas) {
        const Choix r = choisir(c.home, c.exe, c.courant, c.taille);
        EXPECT_EQ(r.regle, c.regle) << (c.home ? c.home : "null") << " " << (c.exe ? c.exe : "null");
        EXPECT_EQ(r.dossier, c.dossier) << (c.home ? c.home : "null");
    }
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

// A loader thread that cannot start is logged and counts as finished.
TEST(Chargeurs, ALoaderThatCannotStartStillRaisesItsFlag)
{
    DossierTemporaire dossier;
    JournalTemporaire journal(dossier / "log.txt");
    int drapeau = 0;
    auto corps = [](void*) -> void* { return nullptr; };
    auto refus = [](pthread_t*, const pthread_attr_t*, void* (*)(void*), void*) { return EAGAIN; };
    EXPECT_EQ(iLancerChargeur(corps, nullptr, &drapeau, "load_tdc", refus), EAGAIN);
    EXPECT_EQ(drapeau, 1);
    EXPECT_NE(journal.contenu().find("load_tdc : demarrage impossible"), std::string::npos);
}
