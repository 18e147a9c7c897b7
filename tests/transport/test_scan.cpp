// The incoming-folder scan on a scratch lockdir/, with openers that only
// record what they are asked to open.
#include "transport/scan.h"

#include "gribdata/interpolation.h"
#include "map/chargement_fonds.h"
#include "tests/outils/outils_test.h"

#include <FL/Fl_Window.H>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

namespace {

// Path, x, y.
using Ouverture = std::tuple<std::string, int, int>;
std::vector<Ouverture> images, textes;
std::vector<std::pair<int, std::string>> gribs;
int satellites = 0, occupees = 0;

class Scan : public ::testing::Test {
protected:
    void SetUp() override
    {
        // lockdir/ on another file system when there is one: every move
        // is then a copy.
        if (mkdir(ailleurs.c_str(), 0700) == 0)
            symlink(ailleurs.c_str(), "lockdir");
        for (const char* dossier : {"lockdir", "dat", "dat/image", "dat/bulletin"})
            mkdir(dossier, 0700);
        images.clear(), textes.clear(), gribs.clear();
        satellites = 0, occupees = 0;
        crochetsScan = {[](const char* c, int x, int y) { images.emplace_back(c, x, y); },
                        [](const char* c, int x, int y, int, int) { textes.emplace_back(c, x, y); },
                        [](int page) { return int(page <= occupees); },
                        [](int page) { gribs.push_back({page, OPEN_GRIB_FILE}); },
                        [] { ++satellites; }};
        DEMARRAGE = 0;
    }
    void TearDown() override
    {
        DEMARRAGE = 1;
        GRIB_INTERPOLATION_START = 0;
        commande("rm -rf " + ailleurs);
    }
    void deposer(const std::string& nom) { ecrireFichier("lockdir/" + nom, nom); }

    const std::string ailleurs = "/dev/shm/quenbrel_scan" + std::to_string(getpid());
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
    for (const char* la : {"globe.jpg", "dat/image/a.png", "dat/bulletin/t3.txt",
                           "dat/bulletin/h.txt", "lockdir/d.GRB", "lockdir/e.tmp", "lockdir/.cache",
                           "lockdir/sous"})
        EXPECT_TRUE(existe(la)) << la;
    for (const char* parti : {"dat/image/SAT_GLOBE2.jpg", "lockdir/h.txt\n", "lockdir/f.JPG"})
        EXPECT_FALSE(existe(parti)) << parti;
    EXPECT_EQ(satellites, 1);
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0], Ouverture("dat/image/a.png", 100 + 700 + 30, 50 + 96));
    ASSERT_EQ(textes.size(), 4u);
    for (int i = 2; i < 4; ++i)  // after h.txt: t1, t2, t3, one after the other
        EXPECT_EQ(std::get<1>(textes[i]) + std::get<2>(textes[i]),
                  std::get<1>(textes[i - 1]) + std::get<2>(textes[i - 1]) + 40);
    EXPECT_TRUE(gribs.empty()) << "kept while the interpolation runs";

    GRIB_INTERPOLATION_START = 0;
    vScanPasse(&principale);
    EXPECT_EQ(gribs, (std::vector<std::pair<int, std::string>>{{1, "d.GRB"}}));
    EXPECT_EQ(lireFichier("dat/d.GRB"), "d.GRB");
    EXPECT_EQ(textes.size(), 4u) << "nothing opens twice";
    occupees = 8;
    deposer("x.grb.bz2");
    vScanPasse(&principale);
    EXPECT_EQ(gribs.back(), std::make_pair(9, std::string("x.grb.bz2")));
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
}
