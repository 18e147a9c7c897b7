// The incoming-folder scan on a scratch lockdir/, with openers that only
// record what they are asked to open.
#include "transport/scan.h"

#include "gribdata/interpolation.h"
#include "map/chargement_fonds.h"
#include "tests/outils/outils_test.h"

#include <FL/Fl_Window.H>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Ouverture {
    std::string chemin;
    int x, y;
};
std::vector<Ouverture> images, textes;
std::vector<std::pair<int, std::string>> gribs;
int satellites = 0, occupees = 0;

class Scan : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* dossier : {"lockdir", "dat", "dat/image", "dat/bulletin"})
            mkdir(dossier, 0700);
        images.clear(), textes.clear(), gribs.clear();
        satellites = 0, occupees = 0;
        crochetsScan = {[](const char* c, int x, int y) { images.push_back({c, x, y}); },
                        [](const char* c, int x, int y, int, int) { textes.push_back({c, x, y}); },
                        [](int page) { return int(page <= occupees); },
                        [](int page) { gribs.push_back({page, OPEN_GRIB_FILE}); },
                        [] { ++satellites; }};
        DEMARRAGE = 0;
    }
    void TearDown() override
    {
        DEMARRAGE = 1;
        GRIB_INTERPOLATION_START = 0;
    }
    void deposer(const std::string& nom) { ecrireFichier("lockdir/" + nom, nom); }

    DossierTemporaire d;
    DossierCourant ici{d.chemin()};
    JournalTemporaire journal{d / "log.txt"};
    Fl_Window principale{100, 50, 700, 500};
};

}  // namespace

TEST_F(Scan, EachKindGoesToItsFolderAndOpens)
{
    for (const char* nom : {"SAT_GLOBE2.jpg", "a.png", "t1.txt", "t2.txt", "t3.txt", "d.GRB",
                            "e.tmp", ".cache", "f.JPG", "h.txt\n"})
        deposer(nom);
    mkdir("lockdir/sous", 0700);
    GRIB_INTERPOLATION_START = 1;
    vScanPasse(&principale);
    struct {
        const char* chemin;
        bool la;
    } attendus[] = {
        {"globe.jpg", true},       {"dat/image/SAT_GLOBE2.jpg", false},
        {"dat/image/a.png", true}, {"dat/bulletin/t3.txt", true},
        {"dat/bulletin/h.txt", true}, {"lockdir/h.txt\n", false},
        {"lockdir/d.GRB", true},   {"lockdir/e.tmp", true},
        {"lockdir/.cache", true},  {"lockdir/f.JPG", false},
        {"lockdir/sous", true},
    };
    for (const auto& a : attendus)
        EXPECT_EQ(existe(a.chemin), a.la) << a.chemin;
    EXPECT_EQ(satellites, 1);
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(std::make_tuple(images[0].chemin, images[0].x, images[0].y),
              std::make_tuple(std::string("dat/image/a.png"), 100 + 700 + 30, 50 + 96));
    ASSERT_EQ(textes.size(), 4u);
    for (int i = 2; i < 4; ++i)  // after h.txt: t1, t2, t3, one after the other
        EXPECT_EQ(std::make_pair(textes[i].x - textes[i - 1].x, textes[i].y - textes[i - 1].y),
                  std::make_pair(20, 20));
    EXPECT_TRUE(gribs.empty()) << "kept while the interpolation runs";

    GRIB_INTERPOLATION_START = 0;
    vScanPasse(&principale);
    EXPECT_EQ(gribs, (std::vector<std::pair<int, std::string>>{{1, "d.GRB"}}));
    EXPECT_EQ(lireFichier("dat/d.GRB"), "d.GRB");
    EXPECT_TRUE(existe("lockdir/e.tmp"));
    EXPECT_EQ(textes.size(), 4u) << "nothing opens twice";
}

TEST_F(Scan, PagesOneToEightFullSendTheFileToPageNine)
{
    occupees = 8;
    deposer("x.grb.bz2");
    vScanPasse(&principale);
    occupees = 2;
    deposer("y.gz");
    vScanPasse(&principale);
    EXPECT_EQ(gribs, (std::vector<std::pair<int, std::string>>{{9, "x.grb.bz2"}, {3, "y.gz"}}));
}

TEST_F(Scan, ADestinationThatCannotBeWrittenKeepsTheFileAndLogsOnce)
{
    mkdir("dat/g.grb", 0700);
    deposer("g.grb");
    for (int i = 0; i < 3; ++i)
        vScanPasse(&principale);
    EXPECT_EQ(lireFichier("lockdir/g.grb"), "g.grb");
    EXPECT_TRUE(gribs.empty());
    const std::string log = journal.contenu();
    const size_t premiere = log.find("g.grb reste");
    EXPECT_NE(premiere, std::string::npos) << log;
    EXPECT_EQ(log.find("g.grb reste", premiere + 1), std::string::npos) << log;
    DEMARRAGE = 1;
    rmdir("dat/g.grb");
    vScanPasse(&principale);
    EXPECT_TRUE(existe("lockdir/g.grb")) << "nothing moves during start-up";
}

TEST(Deplacement, AcrossFileSystemsTheCopyReplacesTheTargetWhole)
{
    struct stat a, b;
    DossierTemporaire d;
    const std::string source = "/dev/shm/quenbrel_scan_" + std::to_string(getpid());
    if (stat("/dev/shm", &a) != 0 || stat(d.chemin().c_str(), &b) != 0 || a.st_dev == b.st_dev)
        GTEST_SKIP() << "no second file system at /dev/shm";
    ecrireFichier(source, "nouveau");
    ecrireFichier(d / "cible", "un ancien contenu plus long");
    mkdir((d / "dossier").c_str(), 0700);
    EXPECT_NE(iDeplacerFichier(source.c_str(), (d / "dossier").c_str()), 0);
    EXPECT_EQ(lireFichier(source), "nouveau");
    ASSERT_EQ(iDeplacerFichier(source.c_str(), (d / "cible").c_str()), 0);
    EXPECT_EQ(lireFichier(d / "cible"), "nouveau");
    EXPECT_FALSE(existe(source));
}
