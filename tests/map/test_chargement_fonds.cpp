// The start-up loaders of the base images: the drawn world map read from
// its compressed file, and the splash.
#include "map/chargement_fonds.h"
#include "map/dru_pixmap.h"
#include "ui/palette.h"

#include "tests/map/outils_carte.h"
#include "tests/outils/outils_test.h"

#include <FL/Fl.H>
#include <FL/Fl_Shared_Image.H>
#include <chrono>
#include <filesystem>
#include <thread>
#include <gtest/gtest.h>

namespace {

// A working folder with an img/ folder; the loaders read relative paths.
class Chargement : public ::testing::Test {
protected:
    DossierTemporaire dossier;
    std::filesystem::path ancien = std::filesystem::current_path();
    JournalTemporaire journal{dossier / "log.txt"};

    void SetUp() override
    {
        skins();
        std::filesystem::create_directory(dossier / "img");
        std::filesystem::current_path(dossier.chemin());
        FDCpix1 = nullptr;
        FDC1ok = LOAD_FDC1 = 0;
    }
    void TearDown() override
    {
        delete FDCpix1;
        FDCpix1 = nullptr;
        std::filesystem::current_path(ancien);
    }
    void lier(const std::string& source, const std::string& nom)
    {
        std::filesystem::create_symlink(source, dossier / nom);
    }
    void charger()
    {
        EXPECT_EQ(load_fdchd1(nullptr), nullptr);
        EXPECT_EQ(LOAD_FDC1, 1);
    }
};

// Colour of the pixel at a position of the drawn map, as 0xRRGGBB00.
unsigned couleur(const Dru_Pixmap& carte, double lat, double lon)
{
    const int x = int((lon + 180) * carte.W / 360), y = int((90 - lat) * carte.H / 180);
    const char c = carte.data[y + 2][x];
    for (int i = 0; i < -carte.NCOLORS; ++i) {
        const unsigned char* e = reinterpret_cast<unsigned char*>(carte.data[1]) + 4 * i;
        if (char(e[0]) == c)
            return unsigned(e[1]) << 24 | unsigned(e[2]) << 16 | unsigned(e[3]) << 8;
    }
    return 1;
}

}  // namespace

TEST_F(Chargement, TheShippedMapLoadsWithThePalettesColours)
{
    lier(std::string(QUENBREL_SOURCE_DIR) + "/data/img/globe.pl.gz", "img/globe.pl.gz");
    charger();
    ASSERT_NE(FDCpix1, nullptr);
    EXPECT_EQ(FDC1ok, 1);
    EXPECT_EQ(FDCpix1->W, 10800);
    EXPECT_EQ(FDCpix1->H, 5400);
    const std::string log = journal.contenu();
    EXPECT_NE(log.find("<THREADS> LOAD_FDC 1 HD : img/globe.pl.gz\n"), std::string::npos);
    EXPECT_NE(log.find("<THREADS> LOAD_FDC 1 HD : buffer 58320415\n"), std::string::npos);
    EXPECT_NE(log.find("<THREADS> LOAD_FDC 1 HD : -OK- w:10800 h:5400\n"), std::string::npos);
    // Inland and near the shores the palette's own colours; open water darker.
    EXPECT_EQ(couleur(*FDCpix1, 48.85, 2.35), FL_TERRE);   // Paris
    EXPECT_EQ(couleur(*FDCpix1, -80, 0), FL_TERRE);        // Antarctica
    EXPECT_EQ(couleur(*FDCpix1, 48.30, -4.70), FL_MER);    // off Brest
    EXPECT_EQ(couleur(*FDCpix1, 41.9, -87.55), FL_LAC);    // off Chicago
    EXPECT_NE(couleur(*FDCpix1, 0, -30), FL_MER);          // mid-Atlantic
    EXPECT_LT(couleur(*FDCpix1, 0, -30) >> 8 & 0xFF, FL_MER >> 8 & 0xFF);
}

TEST_F(Chargement, AMissingOrDamagedMapStillEndsTheLoader)
{
    charger();
    EXPECT_EQ(FDCpix1, nullptr);
    EXPECT_EQ(FDC1ok, 0);
    EXPECT_NE(journal.contenu().find("<THREADS> LOAD_FDC 1 HD : -KO-\n"), std::string::npos);

    for (const std::string& contenu :
         {std::string("ce n'est pas du gzip"), fichierPixmap(40, 20, 3, [](int, int) {
              return 'a';
          }).substr(0, 600)}) {
        LOAD_FDC1 = 0;
        ecrireFichier(dossier / "brut", contenu);
        ASSERT_TRUE(commande("gzip -c " + sh(dossier / "brut") + " > " +
                             sh(dossier / "img/globe.pl.gz")));
        charger();
        EXPECT_EQ(FDCpix1, nullptr);
        EXPECT_EQ(FDC1ok, 0);
    }
}

// The map is built while this test holds the toolkit's lock: only the
// publishing waits for it. A splash that decodes to no picture is missing.
TEST_F(Chargement, TheMapIsBuiltOutsideTheToolkitsLockAndAnEmptySplashIsMissing)
{
    lier(donneeTest("globe1.pl.gz"), "img/globe.pl.gz");
    Fl::lock();
    std::thread chargeur(load_fdchd1, nullptr);
    for (int i = 0; i < 2000 && journal.contenu().find("HD : pixmap") == std::string::npos; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_NE(journal.contenu().find("HD : pixmap"), std::string::npos);
    Fl::unlock();
    chargeur.join();
    EXPECT_NE(FDCpix1, nullptr);
    fl_register_images();
    ecrireFichier(dossier / "img/chargement.jpg", "\x89PNG\r\n\x1a\nabime");
    load_fdcinterlude();
    EXPECT_EQ(interlude, nullptr);
}
