// The incoming scan with the program's own openers, under an X server:
// received GIFs that ended or froze the program are filed, give the
// "Non disponible" message at no cost and leave nothing running; a valid
// one opens its window, one past the image windows' budget does not.
#include "transport/scan.h"

#include "map/chargement_fonds.h"
#include "ui/boites_message.h"
#include "ui/budget_images.h"
#include "ui/decodage_gif.h"
#include "ui/gestion_interfaces.h"
#include "ui/globales_ui.h"
#include "ui/local.h"
#include "ui/palette.h"

#include "tests/outils/images_test.h"
#include "tests/outils/outils_test.h"
#include "tests/ui/harnais_gui.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <set>
#include <vector>
#include <string>
#include <sys/stat.h>

namespace {

// A scratch working folder with the scan's folders and its log.
struct DossiersScan {
    DossierTemporaire d;
    DossierCourant ici{d.chemin()};
    JournalTemporaire journal{d / "log.txt"};
    DossiersScan()
    {
        for (const char* dossier : {"lockdir", "dat", "dat/image", "dat/bulletin"})
            mkdir(dossier, 0700);
        skins();
    }
};

}  // namespace

TEST(ScanImages, ReceivedGifsThatEndedTheProgramAreFiledAndRefusedAValidOneOpens)
{
    harnais::ChienDeGarde garde(120);
    DossiersScan dossiers;
    JournalTemporaire& journal = dossiers.journal;
    const auto gifs = gifsHostiles();
    for (const auto& [nom, octets] : gifs)
        ecrireFichier("lockdir/" + nom, octets);
    CadreGif cadre;
    cadre.w = 120, cadre.h = 110;
    cadre.indices.assign(120 * 110, 1);
    cadre.entrelace = true;
    ecrireFichier("lockdir/bon.gif", gifEcrit(120, 110, {0, 0xFF0000}, {cadre}));

    // The texts of the boxes (a box the harness saw twice counted once),
    // each answered by its one button, and the next one awaited.
    std::set<std::string> messages;
    std::function<void(Fl_Window*)> repondre = [&](Fl_Window*) {
        messages.insert(pTexteMessage()->label());
        pBoutonMessage(0)->do_callback();
        harnais::vRepondreBoite(repondre);
    };
    harnais::vRepondreBoite(repondre);
    DEMARRAGE = 0;
    const unsigned long long avant = ullOctetsGifDemandes();
    vScanPasse(nullptr);
    harnais::vOublierBoite();
    EXPECT_LE(ullOctetsGifDemandes() - avant, 1000u + 120u * 110u * 4u);

    std::string tous;
    for (const std::string& m : messages)
        tous += m + "\n";
    ASSERT_EQ(messages.size(), gifs.size()) << tous;
    const std::string log = journal.contenu();
    for (const auto& [nom, octets] : gifs) {
        EXPECT_EQ(messages.count("Images, " + nom + " : Non disponible"), 1u) << nom;
        EXPECT_EQ(lireFichier("dat/image/" + nom), octets) << "kept whole: " << nom;
        EXPECT_FALSE(existe("lockdir/" + nom)) << nom;
        EXPECT_NE(log.find(nom + " refusee"), std::string::npos) << nom;
    }
    Fl_Double_Window* ouverte = nullptr;
    for (Fl_Double_Window* f : GESTION_UI)
        if (f && std::string(f->label()).find(": bon.gif") != std::string::npos)
            ouverte = f;
    ASSERT_NE(ouverte, nullptr);
    ASSERT_TRUE(harnais::bAttendre([ouverte] { return ouverte->shown() && ouverte->visible(); }));
    ASSERT_TRUE(harnais::bRedessiner(ouverte));
    EXPECT_GT(harnais::pixel(ouverte, 60, 55)[0], 200);

    // Nothing left to do: a second pass opens nothing and asks no box.
    messages.clear();
    vScanPasse(nullptr);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(pBoiteMessage() ? pBoiteMessage()->shown() : 0, 0);

    // Room for one more picture: the others filed, not opened, told by a log
    // line and a message each; closing a window gives its share back.
    cadre.w = 100, cadre.h = 50;
    cadre.indices.assign(100 * 50, 1);
    const std::string gif = gifEcrit(100, 50, {0, 0xFF0000}, {cadre});
    for (const std::string nom : {"p1.gif", "p2.gif", "p3.gif"})
        ecrireFichier("lockdir/" + nom, gif);
    struct Remettre {
        ~Remettre() { budgetImages = BUDGET_IMAGES; }
    } remettre;
    const long long tenues = llImagesTenues();
    budgetImages = tenues + 100 * 50 * 3;
    harnais::vRepondreBoite(repondre);
    vScanPasse(nullptr);
    harnais::vOublierBoite();
    const std::string refus =
        " : Trop d'images ouvertes : fermez-en une, puis ouvrez celle-ci par Ouvrir";
    EXPECT_EQ(messages, (std::set<std::string>{"Images, p2.gif" + refus,
                                               "Images, p3.gif" + refus}));
    for (const std::string nom : {"p1.gif", "p2.gif", "p3.gif"})
        EXPECT_EQ(lireFichier("dat/image/" + nom), gif) << nom;
    EXPECT_EQ(journal.contenu().find("p1.gif non ouverte"), std::string::npos);
    EXPECT_NE(journal.contenu().find("p3.gif non ouverte"), std::string::npos);
    Fl_Double_Window* petite = nullptr;
    for (Fl_Double_Window* f : GESTION_UI)
        if (f && std::string(f->label()).find(": p1.gif") != std::string::npos)
            petite = f;
    ASSERT_NE(petite, nullptr);
    gestion_interfaces::del(petite);
    EXPECT_EQ(llImagesTenues(), tenues);
    DEMARRAGE = 1;
    gestion_interfaces::del(ouverte);
}

// A full window registry: received bulletins are filed, not opened, and
// the user is told once, in the running language, by a box of its own; a
// pass run while another box waits keeps its notice until that box is
// answered.
TEST(ScanRegistre, PastTheRegistryReceivedFilesAreFiledAndToldInTheRunningLanguage)
{
    harnais::ChienDeGarde garde(120);
    DossierCatalogues catalogues;
    JournalTemporaire journal("log.txt");
    for (const char* dossier : {"lockdir", "dat", "dat/image", "dat/bulletin"})
        mkdir(dossier, 0700);
    skins();
    local anglais("en");
    langage = &anglais;
    Fl_Double_Window occupante(10, 10);
    std::fill_n(GESTION_UI, GESTION_UI_TAILLE, &occupante);
    DEMARRAGE = 0;

    std::vector<std::string> boites;
    std::function<void(Fl_Window*)> repondre = [&](Fl_Window*) {
        boites.push_back(pTexteMessage()->label());
        if (boites.size() == 1) {
            // The user's own box is up: a pass then opens no other.
            ecrireFichier("lockdir/a.txt", "a");
            ecrireFichier("lockdir/b.txt", "b");
            vScanPasse(nullptr);
            EXPECT_TRUE(existe("dat/bulletin/a.txt"));
            EXPECT_TRUE(existe("dat/bulletin/b.txt"));
            harnais::vRepondreBoite(repondre);
        }
        pBoutonMessage(0)->do_callback();
    };
    harnais::vRepondreBoite(repondre);
    fl_message("%s", "de l'utilisateur");
    ASSERT_EQ(boites.size(), 1u);
    vScanPasse(nullptr);
    ecrireFichier("lockdir/c.txt", "c");
    vScanPasse(nullptr);
    EXPECT_TRUE(harnais::bAttendre([&] { return boites.size() == 2; }));
    harnais::vOublierBoite();
    langage = nullptr;
    DEMARRAGE = 1;
    std::fill_n(GESTION_UI, GESTION_UI_TAILLE, nullptr);

    EXPECT_EQ(boites, (std::vector<std::string>{
                          "de l'utilisateur",
                          "dat/bulletin/a.txt : Too many windows open: received files are filed "
                          "without being opened"}));
    EXPECT_TRUE(existe("dat/bulletin/c.txt"));
    EXPECT_NE(journal.contenu().find("c.txt classe sous dat/bulletin/c.txt, non ouvert"),
              std::string::npos);
}

// The notice never holds the scan: while it waits for the user, the timer
// goes on filing what arrives.
TEST(ScanRegistre, FilesGoOnBeingFiledWhileTheNoticeWaits)
{
    harnais::ChienDeGarde garde(120);
    DossiersScan dossiers;
    Fl_Double_Window occupante(10, 10);
    std::fill_n(GESTION_UI, GESTION_UI_TAILLE, &occupante);
    DEMARRAGE = 0;

    bool classeSousLaBoite = false;
    int boites = 0;
    harnais::vRepondreBoite([&](Fl_Window*) {
        ++boites;
        ecrireFichier("lockdir/b.txt", "b");
        classeSousLaBoite = harnais::bAttendre([] { return existe("dat/bulletin/b.txt"); });
        pBoutonMessage(0)->do_callback();
    });
    ecrireFichier("lockdir/a.txt", "a");
    Fl::add_timeout(0.0, scan_newfiles, nullptr);
    EXPECT_TRUE(harnais::bAttendre([&] { return boites == 1; }));
    Fl::remove_timeout(scan_newfiles);
    harnais::vOublierBoite();
    DEMARRAGE = 1;
    std::fill_n(GESTION_UI, GESTION_UI_TAILLE, nullptr);

    EXPECT_TRUE(classeSousLaBoite);
    EXPECT_TRUE(existe("dat/bulletin/a.txt"));
}
