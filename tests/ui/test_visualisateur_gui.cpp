// The image window with real picture files: its fitted size and place, its
// title, and what a file that is no picture gives.
#include "ui/boites_message.h"
#include "ui/budget_images.h"
#include "ui/decodage_gif.h"
#include "ui/gestion_interfaces.h"
#include "ui/ouvertures.h"
#include "ui/palette.h"
#include "ui/visualisateur.h"

#include "tests/outils/images_test.h"
#include "tests/outils/outils_test.h"
#include "tests/ui/harnais_gui.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Shared_Image.H>
#include <FL/Fl_Double_Window.H>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

class Visualisateur : public ::testing::Test {
protected:
    void SetUp() override
    {
        skins();
        fl_register_images();
    }
    void TearDown() override { harnais::vOublierBoite(); }
    // A picture made by ImageMagick: red on the left half, blue on the right.
    std::string image(const std::string& nom, int l, int h)
    {
        const std::string chemin = dossier / nom;
        const std::string taille = std::to_string(l / 2) + "x" + std::to_string(h);
        EXPECT_TRUE(commande("convert -size " + taille + " xc:red -size " + taille +
                             " xc:blue +append " + sh(chemin)));
        return chemin;
    }
    // The text of the box that opening the folder's file gives; the
    // window is left unshown.
    std::string messageRefus(const std::string& nom)
    {
        std::string texte;
        harnais::vRepondreBoite([&texte](Fl_Window* boite) {
            texte = pTexteMessage()->label();
            harnais::vTouche(boite, FL_Escape);
        });
        visualisateur v((dossier / nom).c_str(), 800, 10);
        EXPECT_EQ(v.iCharge(), 0) << nom;
        EXPECT_FALSE(v.shown()) << nom;
        return texte;
    }
    DossierTemporaire dossier;
};

}  // namespace

TEST_F(Visualisateur, AWidePictureIsFittedToTheScreenAndPlacedByItsRightEdge)
{
    if (Fl::w() != 1280)
        GTEST_SKIP() << "needs a screen 1280 pixels wide";
    visualisateur v(image("large.png", 2000, 500).c_str(), 1280, 40);
    ASSERT_EQ(v.iCharge(), 1);
    ASSERT_TRUE(harnais::bAttendre([&v] { return v.shown() && v.visible(); }));
    EXPECT_EQ(v.w(), 1280);
    EXPECT_EQ(v.h(), 320);
    EXPECT_EQ(v.x(), 0);
    EXPECT_EQ(v.y(), 40);
    EXPECT_STREQ(v.label(), "Quenbrel 2, Visualisateur : large.png");
    // The picture fills the window: red on the left, blue on the right.
    const auto gauche = harnais::pixel(&v, 100, 160);
    const auto droite = harnais::pixel(&v, 1180, 160);
    EXPECT_GT(gauche[0], 200);
    EXPECT_LT(gauche[2], 50);
    EXPECT_GT(droite[2], 200);
    EXPECT_LT(droite[0], 50);
}

// A file that is not a picture or is missing, with a long name: the
// message, no window, and a title cut to its field.
TEST_F(Visualisateur, AFileThatIsNoPictureGivesTheMessageAndNoWindow)
{
    ecrireFichier(dossier / "bulletin.png", "FQNT50 LFPW 051200\nMETAREA II\n");
    for (const std::string& nom : {std::string("bulletin.png"), std::string(300, 'n')}) {
        std::string texte, bouton;
        harnais::vRepondreBoite([&](Fl_Window* boite) {
            texte = pTexteMessage()->label();
            bouton = pBoutonMessage(0)->label();
            EXPECT_FALSE(pBoutonMessage(1)->visible());
            harnais::vTouche(boite, FL_Escape);
        });
        visualisateur v((dossier / nom).c_str(), 800, 10);
        EXPECT_EQ(v.iCharge(), 0);
        EXPECT_FALSE(v.shown());
        EXPECT_EQ(texte.rfind("Images, " + nom.substr(0, 100), 0), 0u);
        EXPECT_TRUE(nom.size() > 100 || texte == "Images, bulletin.png : Non disponible") << texte;
        EXPECT_EQ(bouton, "Oui");
        EXPECT_LE(texte.size(), 1023u);
        EXPECT_LE(std::strlen(v.label()), sizeof v.titre - 1);
        EXPECT_TRUE(harnais::bMontrer(&v));  // drawing without a picture must hold too
    }
}

// A picture of extreme shape (a few hundred bytes of PNG) is drawn by
// scaling only what shows: the window opens and draws at once.
TEST_F(Visualisateur, APictureOfExtremeShapeDrawsWithoutAHugeCopy)
{
    harnais::ChienDeGarde garde(60);
    const std::string chemin = dossier / "bande.png";
    ASSERT_TRUE(commande("convert -size 16000x1 xc:red " + sh(chemin)));
    visualisateur v(chemin.c_str(), Fl::w(), 0);
    ASSERT_EQ(v.iCharge(), 1);
    ASSERT_TRUE(harnais::bAttendre([&v] { return v.shown() && v.visible(); }));
    EXPECT_EQ(v.h(), 100);
    ASSERT_TRUE(harnais::bRedessiner(&v));
    EXPECT_GT(harnais::pixel(&v, v.w() / 2, 50)[0], 200);
}

// Headers claiming more pixels than the toolkit's readers can count, and a
// FIFO: the message and no window, without a crash or a wait.
TEST_F(Visualisateur, OversizedHeadersAndAFifoGiveTheMessage)
{
    harnais::ChienDeGarde garde(60);
    ecrireFichier(dossier / "globe.jpg", jpegEnTete(21858, 65500) + "2009031512");
    ecrireFichier(dossier / "grand.png", pngEnTete(65535, 65535));
    ecrireFichier(dossier / "grand.gif", gifEnTete(30000, 30000, 30000, 30000));
    ecrireFichier(dossier / "cadre.gif", gifEnTete(10, 10, 65535, 65535));
    ASSERT_TRUE(commande("mkfifo " + sh(dossier / "tube.jpg")));
    for (const char* nom : {"globe.jpg", "grand.png", "grand.gif", "cadre.gif", "tube.jpg"})
        EXPECT_EQ(messageRefus(nom), std::string("Images, ") + nom + " : Non disponible");
}

// The six GIFs that ended, froze or swelled the program: the message each,
// no window, a few octets asked of the allocator. A valid GIF (animated,
// with a transparent colour) shows its first frame, its transparent
// pixels in the window's grey.
TEST_F(Visualisateur, GifsThatEndedTheProgramGiveTheMessageAndAValidOneShows)
{
    harnais::ChienDeGarde garde(60);
    const unsigned long long avant = ullOctetsGifDemandes();
    for (const auto& [nom, octets] : gifsHostiles()) {
        ecrireFichier(dossier / nom, octets);
        EXPECT_EQ(messageRefus(nom), "Images, " + nom + " : Non disponible");
    }
    EXPECT_LE(ullOctetsGifDemandes() - avant, 1000u);

    CadreGif rouge;
    rouge.w = 200, rouge.h = 150, rouge.transparent = 2;
    rouge.indices.assign(200 * 150, 1);
    for (int y = 0; y < 150; ++y)
        for (int x = 150; x < 200; ++x)
            rouge.indices[size_t(y) * 200 + x] = 2;
    CadreGif bleu = rouge;
    bleu.indices.assign(200 * 150, 3);
    const std::string chemin = dossier / "anime.gif";
    ecrireFichier(chemin, gifEcrit(200, 150, {0, 0xFF0000, 0x00FF00, 0x0000FF}, {rouge, bleu}));
    visualisateur v(chemin.c_str(), 800, 10);
    ASSERT_EQ(v.iCharge(), 1);
    EXPECT_EQ(v.w(), 200);
    EXPECT_EQ(v.h(), 150);
    ASSERT_TRUE(harnais::bAttendre([&v] { return v.shown() && v.visible(); }));
    ASSERT_TRUE(harnais::bRedessiner(&v));
    const auto p = harnais::pixel(&v, 50, 75);
    EXPECT_GT(p[0], 200);
    EXPECT_LT(p[2], 50);
    uchar r, g, b;
    Fl::get_color(FL_GRAY, r, g, b);
    const auto fond = harnais::pixel(&v, 180, 75);
    EXPECT_NEAR(fond[0], r, 8);
    EXPECT_NEAR(fond[1], g, 8);
    EXPECT_NEAR(fond[2], b, 8);
}

// Transparent pixels of a PNG and of a GIF show the window's grey, by one
// rule; opaque ones keep their colour.
TEST_F(Visualisateur, TransparentPixelsOfEveryFormatShowTheWindowsGrey)
{
    uchar gris[3];
    Fl::get_color(FL_GRAY, gris[0], gris[1], gris[2]);
    for (const char* nom : {"alpha.png", "indice.gif"}) {
        const std::string chemin = dossier / nom;
        ASSERT_TRUE(commande("convert -size 200x150 xc:none -fill red -draw 'rectangle 0,0 99,149' " +
                             sh(chemin)));
        visualisateur v(chemin.c_str(), 800, 10);
        ASSERT_EQ(v.iCharge(), 1) << nom;
        ASSERT_TRUE(harnais::bAttendre([&v] { return v.shown() && v.visible(); }));
        ASSERT_TRUE(harnais::bRedessiner(&v));
        const auto fond = harnais::pixel(&v, 180, 75), plein = harnais::pixel(&v, 50, 75);
        for (int c = 0; c < 3; ++c) {
            EXPECT_NEAR(fond[c], gris[c], 8) << nom;
            EXPECT_NEAR(plein[c], c ? 0 : 255, 8) << nom;
        }
    }
}

// An "@" in the file's name is shown, not taken for a symbol that would
// cut the message after "Images, carte".
TEST_F(Visualisateur, ANameWithAnAtIsShownWholeInTheMessage)
{
    ecrireFichier(dossier / "carte@nuit.png", "pas une image");
    EXPECT_EQ(messageRefus("carte@nuit.png"), "Images, carte@@nuit.png : Non disponible");
}

namespace {

struct BudgetRemis {
    ~BudgetRemis() { budgetImages = BUDGET_IMAGES; }
};

}  // namespace

// A picture larger than what is left of the pictures' budget, in each
// format: refused on the size its header gives, before a pixel is decoded,
// and nothing of it held while its box waits. With room for it, the same
// picture opens and holds its share until its window goes.
TEST_F(Visualisateur, APictureOverTheBudgetIsRefusedOnItsHeaderBeforeItsBoxWaits)
{
    BudgetRemis remis;
    const long long tenues = llImagesTenues(), part = 600 * 400 * 3;
    for (const std::string nom : {"carte.gif", "carte.png", "carte.jpg"}) {
        const std::string chemin = image(nom, 600, 400);
        budgetImages = tenues + part - 1;
        const int partagees = Fl_Shared_Image::num_images();
        int partageesPendantLaBoite = -1;
        std::string texte;
        harnais::vRepondreBoite([&](Fl_Window* boite) {
            texte = pTexteMessage()->label();
            partageesPendantLaBoite = Fl_Shared_Image::num_images() - partagees;
            harnais::vTouche(boite, FL_Escape);
        });
        const unsigned long long demandes = ullOctetsGifDemandes();
        {
            visualisateur v(chemin.c_str(), 800, 10);
            EXPECT_EQ(v.iCharge(), 0) << nom;
        }
        EXPECT_EQ(ullOctetsGifDemandes(), demandes) << nom;
        EXPECT_EQ(partageesPendantLaBoite, 0) << nom;
        EXPECT_EQ(texte, "Images, " + nom +
                             " : Trop d'images ouvertes : fermez-en une, puis ouvrez celle-ci "
                             "par Ouvrir");
        EXPECT_EQ(llImagesTenues(), tenues) << nom;
        budgetImages = tenues + part;
        {
            visualisateur v(chemin.c_str(), 800, 10);
            EXPECT_EQ(v.iCharge(), 1) << nom;
            EXPECT_EQ(llImagesTenues(), tenues + part) << nom;
        }
        EXPECT_EQ(llImagesTenues(), tenues) << nom;
    }
}

// Every slot of the window registry taken: a picture still opens, in a
// window of no menu; closed as the window manager closes it, the window
// goes and gives its share of the budget back.
TEST_F(Visualisateur, APictureWindowOutsideAFullRegistryGivesItsShareBackWhenClosed)
{
    std::vector<std::unique_ptr<Fl_Double_Window>> occupantes;
    std::vector<Fl_Double_Window**> places;
    for (Fl_Double_Window*& place : GESTION_UI)
        if (!place) {
            occupantes.emplace_back(new Fl_Double_Window(10, 10));
            place = occupantes.back().get();
            places.push_back(&place);
        }
    struct Liberer {
        std::vector<Fl_Double_Window**>& places;
        ~Liberer()
        {
            for (Fl_Double_Window** place : places)
                *place = nullptr;
        }
    } liberer{places};
    const long long tenues = llImagesTenues();
    visualisateur* v = pOuvrirImage(image("hors.png", 200, 100).c_str(), 800, 10);
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(llImagesTenues(), tenues + 200 * 100 * 3);
    ASSERT_TRUE(harnais::bAttendre([v] { return v->shown() != 0; }));
    harnais::vFermer(v);
    EXPECT_TRUE(harnais::bAttendre([tenues] { return llImagesTenues() == tenues; }));
}
