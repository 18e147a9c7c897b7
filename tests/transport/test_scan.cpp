// The incoming-folder scan on a scratch lockdir/, with openers that only
// record what they are asked to open.
#include "transport/scan.h"

#include "gribdata/interpolation.h"
#include "map/chargement_fonds.h"
#include "tests/outils/images_test.h"
#include "tests/outils/outils_test.h"
#include "ui/gestion_interfaces.h"
#include "ui/ouvertures.h"

#include <FL/Fl_Double_Window.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Window.H>
#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

namespace {

const std::string JPEG = lireFichier(QUENBREL_SOURCE_DIR "/data/img/chargement.jpg");

// Path, x, y.
using Ouverture = std::tuple<std::string, int, int>;
std::vector<Ouverture> images, textes;
std::vector<std::pair<int, std::string>> gribs;
std::vector<std::string> avis;  // the notices of files filed unopened
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
        images.clear(), textes.clear(), gribs.clear(), avis.clear();
        satellites = 0, occupees = 0;
        crochetsScan = {[](const char* c, int x, int y) { images.emplace_back(c, x, y); },
                        [](const char* c, int x, int y, int, int) { textes.emplace_back(c, x, y); },
                        [](int page) { return int(page <= occupees); },
                        [](int page) { gribs.push_back({page, OPEN_GRIB_FILE}); },
                        [](Fl_RGB_Image* image) {
                            ++satellites;
                            delete image;
                        },
                        [](const char* chemin) { avis.push_back(chemin); }};
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
    ecrireFichier("lockdir/SAT_GLOBE2.jpg", JPEG + "2009031512");
    for (const char* nom : {"a.png", "t1.txt", "t2.txt", "t3.txt", "d.GRB",
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
    ASSERT_EQ(images.size(), 2u);
    EXPECT_EQ(images[0], Ouverture("dat/image/a.png", 100 + 700 + 30, 50 + OUVERTURE_HAUT));
    EXPECT_EQ(std::get<0>(images[1]), "dat/image/f.JPG");
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
    // A file where the folder should be: no name in it can be taken.
    commande("rm -rf dat");
    ecrireFichier("dat", "");
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

// A received picture that does not decode, or has not the world's
// proportions, never replaces the current one: it is kept as globe.jpg.bad.
TEST_F(Scan, ASatellitePictureIsDecodedOutsideLockdirBeforeItReplacesTheCurrentOne)
{
    ASSERT_TRUE(commande("convert -size 16000x1 xc:blue bande.jpg"));
    ecrireFichier("globe.jpg", "actuelle");
    for (const std::string& recue : {jpegEnTete(21858, 65500) + "2009031512",
                                     JPEG.substr(0, 500) + "2009031512",
                                     lireFichier("bande.jpg") + "2009031512"}) {
        ecrireFichier("lockdir/SAT_GLOBE2.jpg", recue);
        vScanPasse(&principale);
        EXPECT_EQ(lireFichier("globe.jpg"), "actuelle");
        EXPECT_FALSE(existe("lockdir/SAT_GLOBE2.jpg"));
        EXPECT_TRUE(lireFichier("globe.jpg.bad") == recue);
    }
    EXPECT_EQ(sortie("ls globe.jpg.*"), "globe.jpg.bad\n");
    EXPECT_EQ(satellites, 0);
    const std::string log = journal.contenu();
    EXPECT_NE(log.find("SAT_GLOBE2.jpg refusee, globe.jpg garde"), std::string::npos);
    EXPECT_NE(log.find("n'a pas les proportions du monde"), std::string::npos);
    EXPECT_EQ(log.find("lockdir/SAT_GLOBE2.jpg"), std::string::npos) << log;
    ecrireFichier("lockdir/SAT_GLOBE2.jpg", JPEG + "2010010100");
    vScanPasse(&principale);
    EXPECT_EQ(satellites, 1);
    EXPECT_EQ(lireFichier("globe.jpg"), JPEG + "2010010100");
}

// A FIFO stays in lockdir/ (logged once) and nothing blocks on it; the
// files beside it are filed as usual.
TEST_F(Scan, AFifoStaysWhereItIsAndIsLoggedOnce)
{
    ASSERT_EQ(mkfifo("lockdir/tube.txt", 0600), 0);
    ASSERT_EQ(mkfifo("lockdir/tube.grb", 0600), 0);
    deposer("b.txt");
    for (int i = 0; i < 3; ++i)
        vScanPasse(&principale);
    struct stat st;
    ASSERT_EQ(lstat("lockdir/tube.txt", &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    EXPECT_EQ(lstat("lockdir/tube.grb", &st), 0);
    EXPECT_TRUE(gribs.empty());
    ASSERT_EQ(textes.size(), 1u);
    EXPECT_EQ(std::get<0>(textes[0]), "dat/bulletin/b.txt");
    const std::string log = journal.contenu();
    const size_t premiere = log.find("tube.txt reste dans lockdir: pas un fichier ordinaire");
    EXPECT_NE(premiere, std::string::npos) << log;
    EXPECT_EQ(log.find("tube.txt reste", premiere + 1), std::string::npos) << log;
}

// A received name may hold any octet but '/': the log shows its control
// octets escaped, never as they are.
TEST_F(Scan, ControlOctetsOfReceivedNamesReachTheLogEscaped)
{
    deposer("x\x1B[2J.zzz");
    deposer("g\x1B]0;t\x07.grb");
    vScanPasse(&principale);
    const std::string log = journal.contenu();
    EXPECT_NE(log.find("x\\x1B[2J.zzz supprime"), std::string::npos) << log;
    EXPECT_NE(log.find("g\\x1B]0;t\\x07.grb vers la page 1"), std::string::npos) << log;
    EXPECT_EQ(log.find_first_of("\x07\x1B"), std::string::npos);
}

// Two received names that become one, and a name filed earlier: nothing
// is replaced, the later file takes a free name (logged); each file keeps
// the mode a file made by the program gets, copied across file systems
// or not.
TEST_F(Scan, NamesThatCollideTakeFreeNamesAndFilesGetTheUsualMode)
{
    const mode_t masque = umask(022);
    ecrireFichier("lockdir/m.txt", "premier");
    ecrireFichier("lockdir/m.txt\n", "second");
    chmod("lockdir/m.txt\n", 0600);
    ecrireFichier("dat/r.grb", "ancien");
    ecrireFichier("lockdir/r.grb", "nouveau");
    vScanPasse(&principale);
    EXPECT_EQ(lireFichier("dat/bulletin/m.txt"), "premier");
    EXPECT_EQ(lireFichier("dat/bulletin/m_2.txt"), "second");
    EXPECT_EQ(lireFichier("dat/r.grb"), "ancien");
    EXPECT_EQ(lireFichier("dat/r_2.grb"), "nouveau");
    EXPECT_EQ(gribs, (std::vector<std::pair<int, std::string>>{{1, "r_2.grb"}}));
    ASSERT_EQ(textes.size(), 2u);
    EXPECT_EQ(std::get<0>(textes[1]), "dat/bulletin/m_2.txt");
    EXPECT_NE(journal.contenu().find("dat/bulletin/m.txt existe deja, classe sous m_2.txt"),
              std::string::npos);
    struct stat st;
    ASSERT_EQ(stat("dat/bulletin/m_2.txt", &st), 0);
    // Copied across file systems, the file has the mode of a new file;
    // renamed, the mode it came with.
    if (existe(ailleurs)) {
        EXPECT_EQ(st.st_mode & 0777, 0644u);
    }
    umask(masque);
}

// Bulletins received one after the other, one a pass: each text window
// opens apart from the previous ones, in the cascade right of the main
// window's left panel and below the title bar's tools.
TEST_F(Scan, BulletinsOfSuccessivePassesOpenApart)
{
    std::set<std::pair<int, int>> places;
    for (const char* nom : {"b1.txt", "b2.txt", "b3.txt"}) {
        deposer(nom);
        vScanPasse(&principale);
        ASSERT_EQ(textes.size(), places.size() + 1) << nom;
        const auto& [chemin, x, y] = textes.back();
        EXPECT_EQ(x - (100 + 240), y - (50 + OUVERTURE_HAUT)) << chemin;
        EXPECT_GE(x, 100 + 240) << chemin;
        EXPECT_GE(y, 50 + 99) << chemin;
        places.insert({x, y});
    }
    EXPECT_EQ(places.size(), 3u);
}

TEST(NomLibre, FreeNamesBeforeTheExtension)
{
    DossierTemporaire d;
    for (const char* nom : {"m.txt", "m_2.txt", "sans", ".cache"})
        ecrireFichier(d / nom, "");
    EXPECT_EQ(sNomLibre(d.chemin(), "libre.txt"), "libre.txt");
    EXPECT_EQ(sNomLibre(d.chemin(), "m.txt"), "m_3.txt");
    EXPECT_EQ(sNomLibre(d.chemin(), "sans"), "sans_2");
    EXPECT_EQ(sNomLibre(d.chemin(), ".cache"), ".cache_2");
    EXPECT_EQ(sNomLibre(d.chemin(), "x.grb.bz2"), "x.grb.bz2");
}

// A full window registry: received texts and pictures are filed and not
// opened, each with a log line; the user is told once, when no box waits,
// and again only once a window could open meanwhile.
TEST_F(Scan, PastTheWindowRegistryReceivedFilesAreFiledNotOpened)
{
    Fl_Double_Window occupante(10, 10);
    struct Registre {
        explicit Registre(Fl_Double_Window* f) { std::fill_n(GESTION_UI, GESTION_UI_TAILLE, f); }
        ~Registre() { std::fill_n(GESTION_UI, GESTION_UI_TAILLE, nullptr); }
    } plein(&occupante);
    for (const char* nom : {"a.txt", "b.png", "c.txt"})
        deposer(nom);
    vScanPasse(&principale);
    EXPECT_TRUE(textes.empty());
    EXPECT_TRUE(images.empty());
    for (const char* classe : {"dat/bulletin/a.txt", "dat/image/b.png", "dat/bulletin/c.txt"})
        EXPECT_TRUE(existe(classe)) << classe;
    EXPECT_EQ(avis, std::vector<std::string>{"dat/bulletin/a.txt"});
    const std::string log = journal.contenu();
    for (const char* nom : {"a.txt", "b.png", "c.txt"})
        EXPECT_NE(log.find(std::string(nom) + " classe sous"), std::string::npos) << nom;
    EXPECT_NE(log.find("non ouvert: registre des fenetres plein"), std::string::npos);

    deposer("d.txt");
    vScanPasse(&principale);
    EXPECT_EQ(avis.size(), 1u) << "told once while the registry stays full";
    GESTION_UI[5] = nullptr;
    deposer("e.txt");
    vScanPasse(&principale);
    ASSERT_EQ(textes.size(), 1u);
    EXPECT_EQ(std::get<0>(textes[0]), "dat/bulletin/e.txt");
    GESTION_UI[5] = &occupante;
    deposer("f.txt");
    vScanPasse(&principale);
    EXPECT_EQ(avis, (std::vector<std::string>{"dat/bulletin/a.txt", "dat/bulletin/f.txt"}));
}
