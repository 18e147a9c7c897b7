// The incoming scan with the program's own openers, under an X server:
// received GIFs that ended or froze the program are filed, give the
// "Non disponible" message at no cost and leave nothing running; a valid
// one opens its window; pictures past the image windows' budget are filed
// and not opened.
#include "transport/scan.h"

#include "map/chargement_fonds.h"
#include "ui/boites_message.h"
#include "ui/budget_images.h"
#include "ui/decodage_gif.h"
#include "ui/gestion_interfaces.h"
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
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

// A working folder with lockdir/ and the product folders, and a registry
// of its own whose first slot is the main window's.
class ScanImages : public ::testing::Test {
protected:
    ScanImages()
    {
        for (const char* dossier : {"lockdir", "dat", "dat/image", "dat/bulletin"})
            mkdir(dossier, 0700);
        skins();
        gestion_interfaces::fermeture = 0;
        gestion_interfaces::add(new Fl_Double_Window(10, 10, "principale"));
    }
    ~ScanImages() override
    {
        harnais::vOublierBoite();
        DEMARRAGE = 1;
        budgetImages = BUDGET_IMAGES;
        gestion_interfaces::delall();
        gestion_interfaces::fermeture = 0;
    }
    // One pass of the scan, each box it opens answered by its one button
    // and the next one awaited: their texts in turn (a box the harness
    // saw twice counted once).
    std::vector<std::string> passe()
    {
        std::vector<std::string> messages;
        std::function<void(Fl_Window*)> repondre = [&](Fl_Window*) {
            if (messages.empty() || messages.back() != pTexteMessage()->label())
                messages.push_back(pTexteMessage()->label());
            pBoutonMessage(0)->do_callback();
            harnais::vRepondreBoite(repondre);
        };
        harnais::vRepondreBoite(repondre);
        DEMARRAGE = 0;
        vScanPasse(nullptr);
        harnais::vOublierBoite();
        return messages;
    }
    // The image windows open on a name holding `nom`.
    static std::vector<Fl_Double_Window*> ouvertes(const std::string& nom)
    {
        std::vector<Fl_Double_Window*> f;
        for (Fl_Double_Window* w : GESTION_UI)
            if (w && std::string(w->label()).find(": " + nom) != std::string::npos)
                f.push_back(w);
        return f;
    }
    harnais::ChienDeGarde garde{120};
    DossierTemporaire d;
    DossierCourant ici{d.chemin()};
    JournalTemporaire journal{d / "log.txt"};
};

}  // namespace

TEST_F(ScanImages, ReceivedGifsThatEndedTheProgramAreFiledAndRefusedAValidOneOpens)
{
    const auto gifs = gifsHostiles();
    for (const auto& [nom, octets] : gifs)
        ecrireFichier("lockdir/" + nom, octets);
    CadreGif cadre;
    cadre.w = 120, cadre.h = 110;
    cadre.indices.assign(120 * 110, 1);
    cadre.entrelace = true;
    ecrireFichier("lockdir/bon.gif", gifEcrit(120, 110, {0, 0xFF0000}, {cadre}));

    const unsigned long long avant = ullOctetsGifDemandes();
    const std::vector<std::string> messages = passe();
    EXPECT_LE(ullOctetsGifDemandes() - avant, 1000u + 120u * 110u * 4u);

    std::string tous;
    for (const std::string& m : messages)
        tous += m + "\n";
    ASSERT_EQ(messages.size(), gifs.size()) << tous;
    const std::string log = journal.contenu();
    for (const auto& [nom, octets] : gifs) {
        const std::string attendu = "Images, " + nom + " : Non disponible";
        EXPECT_EQ(std::count(messages.begin(), messages.end(), attendu), 1) << nom;
        EXPECT_EQ(lireFichier("dat/image/" + nom), octets) << "kept whole: " << nom;
        EXPECT_FALSE(existe("lockdir/" + nom)) << nom;
        EXPECT_NE(log.find(nom + " refusee"), std::string::npos) << nom;
    }
    ASSERT_EQ(ouvertes("bon.gif").size(), 1u);
    Fl_Double_Window* ouverte = ouvertes("bon.gif")[0];
    ASSERT_TRUE(harnais::bAttendre([ouverte] { return ouverte->shown() && ouverte->visible(); }));
    ASSERT_TRUE(harnais::bRedessiner(ouverte));
    EXPECT_GT(harnais::pixel(ouverte, 60, 55)[0], 200);

    // Nothing left to do: a second pass opens nothing and asks no box.
    EXPECT_TRUE(passe().empty());
    EXPECT_EQ(pBoiteMessage() ? pBoiteMessage()->shown() : 0, 0);
}

// Five pictures received in one pass with room for two in the image
// windows' budget: all five filed, two opened, three told by one log line
// and one message each; closing a window gives its share back.
TEST_F(ScanImages, ReceivedPicturesPastTheBudgetAreFiledAndNotOpened)
{
    CadreGif cadre;
    cadre.w = 100, cadre.h = 50;
    cadre.indices.assign(100 * 50, 1);
    const std::string gif = gifEcrit(100, 50, {0, 0xFF0000}, {cadre});
    for (int i = 1; i <= 5; ++i)
        ecrireFichier("lockdir/p" + std::to_string(i) + ".gif", gif);
    budgetImages = llImagesTenues() + 2 * 100 * 50 * 3;

    const std::vector<std::string> messages = passe();
    EXPECT_EQ(ouvertes("p").size(), 2u);
    const std::string refus =
        " : Trop d'images ouvertes : fermez-en une, puis ouvrez celle-ci par Ouvrir";
    EXPECT_EQ(messages, (std::vector<std::string>{"Images, p3.gif" + refus,
                                                  "Images, p4.gif" + refus,
                                                  "Images, p5.gif" + refus}));
    const std::string log = journal.contenu();
    for (int i = 1; i <= 5; ++i) {
        const std::string nom = "p" + std::to_string(i) + ".gif";
        EXPECT_EQ(lireFichier("dat/image/" + nom), gif) << nom;
        EXPECT_EQ(log.find(nom + " non ouverte") != std::string::npos, i > 2) << nom;
    }
    // A window closed gives its share back.
    const long long tenues = llImagesTenues();
    gestion_interfaces::del(ouvertes("p")[0]);
    EXPECT_EQ(llImagesTenues(), tenues - 100 * 50 * 3);
}
