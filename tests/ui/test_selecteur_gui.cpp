// The program's file chooser under an X server, HOME in a scratch folder:
// listing order, filters, what a click, OK, a double click, cancel and
// Enter deliver, the favourites' limit and a deep relative folder.
#include <gtest/gtest.h>

#include "ui/boites_message.h"
#include "ui/decodage_gif.h"
#include "ui/image_controlee.h"
#include "ui/palette.h"
#include "ui/selecteur.h"

#include "tests/outils/images_test.h"
#include "tests/outils/outils_test.h"
#include "tests/ui/harnais_gui.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_File_Input.H>
#include <FL/Fl_Menu_Button.H>
#include <FL/Fl_Preferences.H>
#include <FL/Fl_Return_Button.H>
#include <FL/Fl_Shared_Image.H>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

class Selecteur : public ::testing::Test {
protected:
    Selecteur() : liste(preparer(dossier))
    {
        skins();
        c.callback([](DRU_Fl_File_Chooser* s, void* n) {
            static_cast<Selecteur*>(n)->livres.push_back(s->value(1));
        }, this);
    }
    ~Selecteur() override { harnais::vOublierBoite(); }
    // Before the chooser is made: the preferences are read from HOME, this
    // test's one.
    static std::string preparer(const DossierTemporaire& d)
    {
        setenv("HOME", (d / "maison").c_str(), 1);
        DRU_Fl_File_Chooser::prefs_.reset();
        std::filesystem::create_directories(d / "maison");
        std::filesystem::create_directories(d / "liste");
        return d / "liste";
    }
    std::vector<std::string> ouvrir()
    {
        c.directory(liste.c_str());
        c.show(0, 0);
        std::vector<std::string> v;
        for (int i = 1; i <= c.fileList->size(); ++i)
            v.push_back(c.fileList->text(i));
        return v;
    }
    // A click (or the second click of a double click) on the named entry.
    void cliquer(const std::string& nom, int clics = 0)
    {
        for (int i = 1; i <= c.fileList->size(); ++i)
            if (nom == c.fileList->text(i))
                c.fileList->select(i);
        Fl::e_clicks = clics;
        c.fileList->do_callback();
        Fl::e_clicks = 0;
    }
    DossierTemporaire dossier;
    std::string liste;
    DRU_Fl_File_Chooser c{".", "*", DRU_Fl_File_Chooser::SINGLE, ""};
    std::vector<std::string> livres;
};

}  // namespace

TEST_F(Selecteur, ReverseOrderAndFilterMenus)
{
    ecrireFichier(liste + "/b", "");
    EXPECT_EQ(ouvrir(), (std::vector<std::string>{"../", "b"}));
    c.reverseOrder = 1;
    EXPECT_EQ(ouvrir(), (std::vector<std::string>{"../", "b"}));
    for (const char* nom : {"a1", "a2", "a3", "a4"})
        ecrireFichier(liste + "/" + nom, "");
    std::filesystem::remove(liste + "/b");
    EXPECT_EQ(ouvrir(), (std::vector<std::string>{"../", "a4", "a3", "a2", "a1"}));
    for (const auto& [motifs, entrees] : std::vector<std::pair<const char*, std::string>>{
             {"*.txt", "*.txt|Tous les fichiers (*)|Filtre personnel|"},
             {"", "Tous les fichiers (*)|Filtre personnel|"}}) {
        c.filter(motifs);
        std::string lu;
        for (int i = 0; i < c.showChoice->size() - 1; ++i)
            lu += std::string(c.showChoice->text(i)) + "|";
        EXPECT_EQ(lu, entrees);
    }
}

TEST_F(Selecteur, WhatEachWayOfChoosingDelivers)
{
    for (const char* nom : {"x.GRB", "notes.txt"})
        ecrireFichier(liste + "/" + nom, "");
    const std::string grb = liste + "/x.GRB", notes = liste + "/notes.txt";
    const struct {
        const char* nom;
        int livraison;       // delivery on a click
        bool doubleClic;     // a double click instead of OK
        std::vector<std::string> attendus;
    } cas[] = {{"x.GRB", 1, false, {grb}},
               {"notes.txt", 1, false, {notes, notes}},
               {"notes.txt", 1, true, {notes}},
               {"notes.txt", 0, false, {notes}},  // save-as: only OK writes
               {"notes.txt", 0, true, {notes}}};
    for (const auto& k : cas) {
        livres.clear();
        ouvrir();
        c.livraison_selection(k.livraison);
        cliquer(k.nom);
        EXPECT_EQ(livres.size(), size_t(k.livraison));
        if (k.doubleClic)
            cliquer(k.nom, 1);
        else
            c.okButton->do_callback();
        EXPECT_FALSE(c.shown());
        EXPECT_EQ(livres, k.attendus) << k.nom << k.livraison << k.doubleClic;
        EXPECT_EQ(c.livraison_selection(), 1);
    }
    ouvrir();
    cliquer("notes.txt");
    c.cancelButton->do_callback();
    EXPECT_EQ(c.value(), nullptr);
    // A typed name that does not exist, with Enter.
    std::string alerte;
    harnais::vRepondreBoite([&alerte](Fl_Window* b) {
        alerte = pTexteMessage()->label();
        harnais::vFermer(b);
    });
    ouvrir();
    c.fileName->value((liste + "/absent.txt").c_str());
    harnais::vTouche(c.window, FL_Enter, "\r");
    // The field's callback leaves the box to the main loop.
    ASSERT_TRUE(harnais::bAttendre([&alerte] { return !alerte.empty(); }));
    EXPECT_EQ(alerte, "Choisir un fichier qui existe!");
    EXPECT_TRUE(c.shown());
}

TEST_F(Selecteur, AHundredFavouritesAtMost)
{
    // Stored favourites too long or not folders are left out of the menu
    // (its three entries, HOME and the end), but count.
    DRU_Fl_File_Chooser::prefs_->set("favorite00", std::string(3000, 'x').c_str());
    DRU_Fl_File_Chooser::prefs_->set("favorite01", (liste + "/absent").c_str());
    EXPECT_EQ(DRU_Fl_File_Chooser(".", "*", 0, "").favoritesButton->size(), 5);
    ouvrir();
    for (int i = 0; i < 101; ++i) {
        c.favoritesButton->value(0);
        c.favoritesButton->do_callback();
    }
    EXPECT_FALSE(c.favoritesButton->menu()[0].active());
    DRU_Fl_File_Chooser::prefs_->flush();
    // What the file holds, read afresh.
    Fl_Preferences lu(Fl_Preferences::USER, "fltk.org", "filechooser");
    char dernier[FL_PATH_MAX];
    lu.get("favorite99", dernier, "", sizeof dernier);
    EXPECT_EQ(dernier, liste);
    EXPECT_FALSE(lu.entryExists("favorite100"));
}

// A relative folder whose absolute form is longer than 256 characters is
// listed from its whole path.
TEST_F(Selecteur, ARelativeFolderDeeperThan256Characters)
{
    std::string ici = liste;
    while (ici.size() <= 300)
        ici += "/" + std::string(60, 'r');
    std::filesystem::create_directories(ici + "/sous");
    ecrireFichier(ici + "/sous/f.txt", "");
    DossierCourant dedans(ici);
    c.directory("sous");
    EXPECT_EQ(std::string(c.directory()), ici + "/sous");
    c.show(0, 0);
    ASSERT_EQ(c.fileList->size(), 2);
    EXPECT_STREQ(c.fileList->text(2), "f.txt");
}

// A FIFO and pictures whose headers claim too many pixels, previewed:
// "?" at once, no wait on the FIFO and no crash; the preview due after a
// click is dropped with the dialog.
TEST_F(Selecteur, APreviewOfAFifoOrAnOversizedPictureIsAQuestionMark)
{
    harnais::ChienDeGarde garde(60);
    ASSERT_TRUE(commande("mkfifo " + sh(liste + "/tube.txt")));
    ecrireFichier(liste + "/grand.png", pngEnTete(65535, 65535));
    ecrireFichier(liste + "/grand.jpg", jpegEnTete(21858, 65500));
    ecrireFichier(liste + "/note.txt", "vent d'ouest");
    ouvrir();
    c.preview(1);
    for (const char* nom : {"tube.txt", "grand.png", "grand.jpg", "note.txt"}) {
        cliquer(nom);
        c.preview(1);
        EXPECT_STREQ(c.previewBox->label(), std::string(nom) == "note.txt" ? "vent d'ouest" : "?")
            << nom;
        EXPECT_EQ(c.previewBox->image(), nullptr) << nom;
    }
    cliquer("tube.txt");
    c.okButton->do_callback();
    EXPECT_FALSE(c.shown());
    EXPECT_EQ(livres.back(), liste + "/tube.txt");
}

// The six GIFs that ended or froze the program, previewed: "?" each, at no
// cost; a valid GIF previews as its picture.
TEST_F(Selecteur, GifsThatEndedTheProgramPreviewAsAQuestionMarkAndAValidOneAsItsPicture)
{
    harnais::ChienDeGarde garde(60);
    for (const auto& [nom, octets] : gifsHostiles())
        ecrireFichier(liste + "/" + nom, octets);
    CadreGif cadre;
    cadre.w = 60, cadre.h = 40;
    cadre.indices.assign(60 * 40, 1);
    ecrireFichier(liste + "/rouge.gif", gifEcrit(60, 40, {0, 0xFF0000}, {cadre}));
    ecrireFichier(liste + "/note.txt", "vent d'ouest");
    ouvrir();
    c.preview(1);
    const unsigned long long avant = ullOctetsGifDemandes();
    for (const auto& [nom, octets] : gifsHostiles()) {
        cliquer(nom);
        c.preview(1);
        EXPECT_STREQ(c.previewBox->label(), "?") << nom;
        EXPECT_EQ(c.previewBox->image(), nullptr) << nom;
    }
    EXPECT_LE(ullOctetsGifDemandes() - avant, 1000u);
    cliquer("rouge.gif");
    c.preview(1);
    ASSERT_NE(c.previewBox->image(), nullptr);
    EXPECT_EQ(c.previewBox->image()->w(), 60);
    EXPECT_EQ(c.previewBox->image()->h(), 40);
    ASSERT_TRUE(harnais::bRedessiner(c.window));
    const auto p = harnais::pixel(c.window, c.previewBox->x() + c.previewBox->w() / 2,
                                  c.previewBox->y() + c.previewBox->h() / 2);
    EXPECT_GT(p[0], 200);
    EXPECT_LT(p[1], 50);
    // One reading decides, picture or text: the file is opened once.
    for (const char* nom : {"rouge.gif", "note.txt"}) {
        cliquer(nom);
        EXPECT_EQ(iOuvertures(liste + "/" + nom, [&] { c.preview(1); }), 1) << nom;
    }
    EXPECT_STREQ(c.previewBox->label(), "vent d'ouest");
}

// A PNG's and a GIF's transparent half, previewed, shows the preview box's
// own colour; the opaque half its red.
TEST_F(Selecteur, TransparentPixelsPreviewOverThePreviewBoxsColour)
{
    uchar boite[3];
    Fl::get_color(c.previewBox->color(), boite[0], boite[1], boite[2]);
    for (const char* nom : {"moitie.png", "moitie.gif"})
        ASSERT_TRUE(commande("convert -size 60x40 xc:none -fill red -draw 'rectangle 0,0 29,39' " +
                             sh(liste + "/" + nom)));
    ouvrir();
    c.preview(1);
    for (const char* nom : {"moitie.png", "moitie.gif"}) {
        cliquer(nom);
        c.preview(1);
        ASSERT_NE(c.previewBox->image(), nullptr) << nom;
        ASSERT_TRUE(harnais::bRedessiner(c.window));
        const int x = c.previewBox->x() + c.previewBox->w() / 2;
        const int y = c.previewBox->y() + c.previewBox->h() / 2;
        const auto fond = harnais::pixel(c.window, x + 15, y);
        const auto plein = harnais::pixel(c.window, x - 15, y);
        for (int k = 0; k < 3; ++k) {
            EXPECT_NEAR(fond[k], boite[k], 8) << nom;
            EXPECT_NEAR(plein[k], k ? 0 : 255, 8) << nom;
        }
    }
}

// A picture's path typed and confirmed with Enter, delivered to a callback
// that hides the dialog and opens the picture as the pages do: the file is
// read, and decoded, once.
TEST_F(Selecteur, APicturePathTypedWithEnterIsDecodedOnce)
{
    harnais::ChienDeGarde garde(60);
    CadreGif cadre;
    cadre.w = 600, cadre.h = 400;
    cadre.indices.assign(600 * 400, 1);
    const std::string chemin = liste + "/carte.gif";
    ecrireFichier(chemin, gifEcrit(600, 400, {0, 0xFF0000}, {cadre}));
    c.callback([](DRU_Fl_File_Chooser* s, void*) {
        s->hide();
        if (Fl_Shared_Image* image = pImageControlee(s->value(1)))
            image->release();
    });
    ouvrir();
    c.preview(1);
    const unsigned long long avant = ullOctetsGifDemandes();
    c.fileName->value(chemin.c_str());
    EXPECT_EQ(iOuvertures(chemin, [&] { harnais::vTouche(c.window, FL_Enter, "\r"); }), 1);
    EXPECT_EQ(ullOctetsGifDemandes() - avant, 4ULL * 600 * 400);
    EXPECT_FALSE(c.shown());
}
