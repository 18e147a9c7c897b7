// Two instances on one working folder, and what a stopped run left: a run
// removes only the marker it made, and at start only the leftovers older
// than the start of the instance that holds the folder.
#include "gribdata/restes.h"
#include "map/satellite.h"
#include "shell/demarrage.h"
#include "shell/nettoyage.h"
#include "shell/verrou.h"
#include "ui/globales_ui.h"

#include "tests/outils/outils_test.h"

#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

timespec tsStatut(const std::string& chemin)
{
    struct stat st {};
    stat(chemin.c_str(), &st);
    return st.st_ctim;
}

bool bApres(const timespec& a, const timespec& b)
{
    return a.tv_sec > b.tv_sec || (a.tv_sec == b.tv_sec && a.tv_nsec > b.tv_nsec);
}

// Writes each file until its status time is past `repere`'s: file times
// move by the kernel's ticks (a bound against hanging, not a measure).
void vEcrireApres(const std::vector<std::string>& chemins, const std::string& repere)
{
    const timespec limite = tsStatut(repere);
    for (const std::string& c : chemins)
        for (int essai = 0; essai < 1000000; ++essai) {
            ecrireFichier(c, "GRIB");
            if (bApres(tsStatut(c), limite))
                break;
        }
}

// What a stopped run leaves, and files of the same folders that are no
// leftovers.
const std::vector<std::string> RESTES = {
    "tempo20240105.grb", "lockdir/inter20240105.grb.tmp", "lockdir/20240105.grb.Ab12Cd.tmp",
    "etc/grib/20240105_120000.txt.Ab12Cd.tmp", "etc/bull/20240105_120000.txt.Ab12Cd.tmp",
    "dat/.recuAb12Cd", "dat/image/.recuAb12Cd", ".recuAb12Cd", "globe.jpg.4242.1",
    "globe.jpg.4242.2.Ab12Cd.tmp", "etc/config.txt.tmp", "etc/routes.txt.tmp"};
const std::vector<std::string> AUTRES = {"lockdir/20240105.grb", "dat/20240105.grb",
                                         "globe.jpg.bad", "etc/grib/20240105_120000.txt",
                                         "tempo-notes.txt", "dat/.recu", "etc/config.txt"};

class Verrou : public ::testing::Test {
protected:
    Verrou() { vPreparationDossiers(); }
    ~Verrou() override
    {
        vLeverVerrou();
        if (autre >= 0)
            close(autre);
    }
    // Another instance: it holds the marker, made now.
    void vAutreInstance()
    {
        ecrireFichier("etc/lockfile", "");
        autre = open("etc/lockfile", O_RDONLY);
        ASSERT_EQ(flock(autre, LOCK_EX), 0);
    }
    std::vector<std::string> presents(const std::vector<std::string>& chemins) const
    {
        std::vector<std::string> v;
        for (const std::string& c : chemins)
            if (existe(c))
                v.push_back(c);
        return v;
    }

    DossierTemporaire dossier;
    DossierCourant ici{dossier.chemin()};
    JournalTemporaire log{dossier / "log.txt"};
    int autre = -1;
};

}  // namespace

// Beside another instance, the leftovers older than its start go and its
// own stay, and the marker stays when this run ends; alone, every
// leftover goes and the run removes the marker it made.
TEST_F(Verrou, ARunRemovesOnlyWhatIsNoRunningInstancesOwn)
{
    for (const bool seconde : {true, false}) {
        for (const std::string& c : RESTES)
            ecrireFichier(c, "GRIB");
        const std::vector<std::string> anciens = {RESTES[0], RESTES[2], RESTES[5], RESTES[8],
                                                  RESTES[10]};
        std::vector<std::string> recents;
        if (seconde) {
            vAutreInstance();
            vEcrireApres({"etc/lockfile"}, anciens.back());
            // The running instance's files, made since its start.
            recents = {RESTES[1], RESTES[3], RESTES[4], RESTES[6], RESTES[7], RESTES[9], RESTES[11]};
            vEcrireApres(recents, "etc/lockfile");
        }
        for (const std::string& c : AUTRES)
            ecrireFichier(c, "GRIB");
        // This run's start comes after the last leftover.
        if (!seconde)
            vEcrireApres({"sonde"}, RESTES.back());
        testing::internal::CaptureStdout();
        vPoserVerrou();
        testing::internal::GetCapturedStdout();
        EXPECT_EQ(INSTANCE_SECONDAIRE, int(seconde));
        vFixerDebutTenant(tsDebutVerrou());
        vSupprimerRestesArret();
        vSupprimerAttentesSatellite();
        EXPECT_EQ(presents(RESTES), recents) << seconde;
        EXPECT_EQ(presents(AUTRES), AUTRES);
        EXPECT_NE(log.contenu().find("dat/.recuAb12Cd laisse par un arret, supprime"),
                  std::string::npos);
        vLeverVerrou();
        EXPECT_EQ(existe("etc/lockfile"), seconde);
        if (autre >= 0)
            close(autre);
        autre = -1;
        fs::remove("etc/lockfile");
    }
}

// A marker this run could not make is not its own: it stays, whatever it
// is (an empty folder in its place, here).
TEST_F(Verrou, AMarkerThisRunDidNotMakeStays)
{
    fs::create_directory("etc/lockfile");
    testing::internal::CaptureStdout();
    vPoserVerrou();
    EXPECT_NE(testing::internal::GetCapturedStdout().find("ATTENTION Mise en place"),
              std::string::npos);
    EXPECT_EQ(INSTANCE_SECONDAIRE, 0);
    vLeverVerrou();
    EXPECT_TRUE(fs::is_directory("etc/lockfile"));
}

// Staged pictures are named per process: another instance's never clash.
TEST(AttenteSatellite, NamesAreThisProcesssOwn)
{
    const std::string a = sAttenteSatellite(), b = sAttenteSatellite();
    const std::string prefixe = "globe.jpg." + std::to_string(getpid()) + ".";
    EXPECT_EQ(a.rfind(prefixe, 0), 0u) << a;
    EXPECT_EQ(b.rfind(prefixe, 0), 0u) << b;
    EXPECT_NE(a, b);
}
