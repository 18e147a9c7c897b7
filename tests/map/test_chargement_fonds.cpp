// The start-up loaders of the base images: the drawn world map read from
// its compressed file, the splash, and the satellite picture with its
// date stamp and its replacement.
#include "map/chargement_fonds.h"
#include "map/dru_pixmap.h"
#include "map/fdc.h"
#include "map/hote_carte.h"
#include "map/satellite.h"
#include "ui/palette.h"

#include "tests/map/outils_carte.h"
#include "tests/outils/images_test.h"
#include "tests/outils/outils_test.h"

#include <FL/Fl.H>
#include <FL/Fl_RGB_Image.H>
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

namespace {

const std::string JPEG = lireFichier(QUENBREL_SOURCE_DIR "/data/img/chargement.jpg");

void vOublierSatellite()
{
    delete FDCSAT;
    FDCSAT = nullptr;
    FDC0ok = LOAD_FDCSAT = 0;
    FDCHAINE[0] = 0;
}

}  // namespace

TEST_F(Chargement, SatellitePictureAndItsCaption)
{
    const struct {
        const char* cas;
        std::string octets;  // empty: no file
        bool chargee;
        const char* legende;
    } cas[] = {
        {"missing", "", false, ""},
        {"not JPEG", "GIF89a" + std::string(200, 'x') + "2009031512", false, ""},
        {"truncated", JPEG.substr(0, JPEG.size() / 2) + "2009031512", false, ""},
        {"no stamp", JPEG, true, ""},
        {"bad stamp", JPEG + "2009-03-15", true, ""},
        {"stamp", JPEG + "2009031512", true, "Photo Satellite 20090315 - 12 UTC"},
    };
    for (const auto& c : cas) {
        vOublierSatellite();
        std::filesystem::remove("globe.jpg");
        if (!c.octets.empty())
            ecrireFichier("globe.jpg", c.octets);
        EXPECT_EQ(load_fdcsat(nullptr), nullptr);
        EXPECT_EQ(LOAD_FDCSAT, 1) << c.cas;
        EXPECT_EQ(FDC0ok, c.chargee) << c.cas;
        EXPECT_EQ(FDCSAT != nullptr, c.chargee) << c.cas;
        EXPECT_STREQ(FDCHAINE, c.legende) << c.cas;
    }
    // Decoded aside from the registry the GUI thread draws the splash from.
    EXPECT_EQ(Fl_Shared_Image::find("globe.jpg"), nullptr);
    const std::string log = journal.contenu();
    EXPECT_NE(log.find("<THREADS> LOAD_FDC 0 satellite: -KO-\n"), std::string::npos);
    EXPECT_NE(log.find("globe.jpg refusee: jpeg donnees plus courtes que l'image"),
              std::string::npos);
    EXPECT_NE(log.find("globe.jpg refusee: pas du format attendu\n"), std::string::npos);
    ecrireFichier("court", "20090");
    readDateDatelliteImage("court");
    EXPECT_STREQ(FDCHAINE, "");
    ASSERT_TRUE(commande("mkfifo tube"));  // a FIFO's stamp: refused at once
    readDateDatelliteImage("tube");
    EXPECT_NE(journal.contenu().find("satellite: tube sans date"), std::string::npos);
    vOublierSatellite();
}

// Only the maps on the picture take the new one, at the same view; a
// picture that does not decode leaves everything as it was.
TEST_F(Chargement, ANewPictureReplacesTheOldOnTheMapsShowingIt)
{
    static fdc* cartes[2];
    fdc satellite(0, 0, 400, 300), vecteur(0, 0, 400, 300);
    cartes[0] = &satellite, cartes[1] = &vecteur;
    hoteCarte.carte = [](int page) { return page < 2 ? cartes[page] : nullptr; };
    ecrireFichier("globe.jpg", JPEG + "2009031512");
    load_fdcsat(nullptr);
    for (fdc* c : cartes)
        c->initialisation(FDC_VECTEUR, 300, 1);
    satellite.fdcCallback(FDC_SATELLITE, 0);
    satellite.zoom(40, -20, 30, 0);

    ecrireFichier("globe.jpg", JPEG + "2010010100");
    const Fl_RGB_Image* ancienne = FDCSAT;
    loadSatelliteImage();
    EXPECT_NE(FDCSAT, ancienne);
    EXPECT_EQ(satellite.fond, FDC_SATELLITE);
    EXPECT_EQ(satellite.photo, FDCSAT);
    EXPECT_EQ(satellite.centreLatitude, 40);
    EXPECT_EQ(vecteur.fond, FDC_VECTEUR);
    EXPECT_EQ(vecteur.photo, nullptr);
    EXPECT_STREQ(FDCHAINE, "Photo Satellite 20100101 - 00 UTC");

    ecrireFichier("globe.jpg", JPEG.substr(0, 400));
    const Fl_RGB_Image* gardee = FDCSAT;
    loadSatelliteImage();
    EXPECT_EQ(FDCSAT, gardee);
    EXPECT_EQ(satellite.photo, gardee);
    EXPECT_EQ(FDC0ok, 1);
    EXPECT_STREQ(FDCHAINE, "Photo Satellite 20100101 - 00 UTC");
    EXPECT_NE(journal.contenu().find("image precedente gardee"), std::string::npos);
    hoteCarte = {};
    satellite.load_image(nullptr, nullptr);
    vOublierSatellite();
}

// A picture whose header claims more pixels than the toolkit can count is
// refused before decoding; failing at start-up, it is set aside so that
// the next start goes without it. One that decodes stays where it is.
TEST_F(Chargement, AnOversizedPictureIsRefusedAndSetAsideAtStartUp)
{
    for (const std::string& octets : {jpegEnTete(21858, 65500) + "2009031512",
                                      pngEnTete(65535, 65535) + "2009031512"}) {
        vOublierSatellite();
        std::filesystem::remove("globe.jpg.bad");
        ecrireFichier("globe.jpg", octets);
        load_fdcsat(nullptr);
        EXPECT_EQ(LOAD_FDCSAT, 1);
        EXPECT_EQ(FDCSAT, nullptr);
        EXPECT_EQ(FDC0ok, 0);
        EXPECT_FALSE(existe("globe.jpg"));
        EXPECT_EQ(lireFichier("globe.jpg.bad"), octets);
    }
    EXPECT_NE(journal.contenu().find("globe.jpg mis de cote sous globe.jpg.bad"),
              std::string::npos);
    vOublierSatellite();
    std::filesystem::remove("globe.jpg.bad");
    ecrireFichier("globe.jpg", JPEG + "2009031512");
    load_fdcsat(nullptr);
    EXPECT_EQ(FDC0ok, 1);
    EXPECT_TRUE(existe("globe.jpg"));
    EXPECT_FALSE(existe("globe.jpg.bad"));
    // Staged pictures left by a crash or a shutdown go at the next start.
    for (const char* nom : {"globe.jpg.12", "globe.jpg.3.aB9xYz.tmp", "globe.jpg.bad"})
        ecrireFichier(nom, "x");
    vOublierSatellite();
    load_fdcsat(nullptr);
    EXPECT_EQ(sortie("ls globe.jpg.*"), "globe.jpg.bad\n");
    vOublierSatellite();
}
