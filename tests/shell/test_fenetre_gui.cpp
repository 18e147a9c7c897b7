// The main window in the whole program: its home page, the ten pages and
// their switch, each map back on its saved view, a received file's page
// brought to the front, and the end of the run.
#include "map/fdc.h"
#include "map/popup_overlay.h"
#include "pages/vr.h"
#include "shell/gui.h"
#include "shell/titre.h"
#include "transport/scan.h"
#include "ui/boites_message.h"
#include "transport/canaux.h"
#include "ui/aide.h"
#include "ui/boutons.h"
#include "ui/configuration.h"
#include "ui/gestion_interfaces.h"
#include "ui/globales_ui.h"
#include "ui/langage.h"
#include "ui/ombre.h"
#include "ui/palette.h"

#include "codes/navigation.h"
#include "grib_test.h"
#include "tests/outils/outils_test.h"
#include "tests/shell/programme_test.h"
#include "tests/ui/harnais_gui.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Help_View.H>
#include <FL/Fl_Pack.H>
#include <FL/Fl_Scroll.H>
#include <FL/Fl_Tabs.H>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

std::array<unsigned char, 3> rgb(Fl_Color c)
{
    unsigned char r, g, b;
    Fl::get_color(c, r, g, b);
    return {r, g, b};
}

void vBasculer(int page)
{
    Fl_Button bouton(0, 0, 1, 1);
    bouton.shortcut(page);
    vBoutonRequeteurVisualisateurAideCallback(&bouton, nullptr);
}

size_t occurrences(const std::string& texte, const std::string& motif)
{
    size_t n = 0;
    for (size_t i = texte.find(motif); i != std::string::npos; i = texte.find(motif, i + 1))
        ++n;
    return n;
}

// The pointer over the middle of the map, on the file's grid: a first move
// enters, the second reads; again if another test's window took the pointer.
bool bLire(fdc& carte)
{
    return harnais::bAttendre([&] {
        carte.lecture = 1;
        for (int dx : {0, 1})
            harnais::vSurvoler(GUI, carte.x() + carte.w() / 2 + dx, carte.y() + carte.h() / 2);
        return popupOverlay->visible() && carte.lecture;
    });
}

class Fenetre : public ::testing::Test {
protected:
    Fenetre()
    {
        std::filesystem::create_directory_symlink(std::string(QUENBREL_SOURCE_DIR) + "/data/loc",
                                                  dossier / "loc");
    }
    void recevoir(const std::string& nom, const std::string& octets = MessageTest().octets())
    {
        ecrireFichier(dossier / ("lockdir/" + nom), octets);
        vScanPasse(GUI);
    }
    DossierTemporaire dossier;
};

}  // namespace

TEST_F(Fenetre, TenPagesAHomePageAndTheSwitch)
{
    ProgrammeEnProcessus programme(dossier.chemin());
    ASSERT_TRUE(programme.bAttendreChargement());
    ASSERT_EQ(ngvr, 10);
    ASSERT_EQ(GUI->onglets->children(), 11);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(GUI->onglets->child(i), gvr[i]);
    EXPECT_EQ(GUI->onglets->child(10), GUI->accueil);
    EXPECT_EQ(GUI->onglets->value(), gvr[0]);
    // The left panel's background, above the product page (whose
    // scrollbar stands on the left).
    EXPECT_EQ(harnais::pixel(GUI, 5, 120), rgb(COLOR_FOND));
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(harnais::pixel(GUI, 230 + i, 300), rgb(OMBRE_COLONNES[i])) << i;
    // The fifth band of the bottom strip, four rows under the map.
    EXPECT_EQ(harnais::pixel(GUI, 400, 99 + INTERFACE_FDC_HAUTEUR + 6), rgb(0xE6E3CD00));

    for (auto [n, page] : {std::pair{11, 1}, {4, 4}, {0, 0}, {11, 4}}) {
        vBasculer(n);
        EXPECT_EQ(GUI->onglets->value(), gvr[page]) << n;
    }
    Fl::e_keysym = FL_F + 1;
    EXPECT_EQ(Fl::handle(FL_KEYDOWN, GUI), 1);
    EXPECT_EQ(GUI->onglets->value(), GUI->accueil);
    classeBoutonImage* faq = GUI->boutonsAide[31];
    harnais::vCliquer(GUI, faq->x() + 4, faq->y() + 4);
    EXPECT_STREQ(GUI->vueAide->filename(), "loc/fr/faq.htm");
    change_langage("en");
    EXPECT_STREQ(faq->label(), "Frequently asked questions");
    EXPECT_STREQ(GUI->vueAide->filename(), "loc/en/faq.htm");
    ecrireFichier(dossier / "etc/readme_en_mac.txt", "Quenbrel 2\n");
    GUI->vEditeur();
    ASSERT_NE(GESTION_UI[1], nullptr);
    EXPECT_STREQ(GESTION_UI[1]->label(), "Quenbrel 2, Editor : readme_en_mac.txt");

    // A help button pressed twice on a viewer: the pane comes at the topic's
    // place in the accordion, then goes.
    vr* page = gvr[1];
    Fl_Group::current(nullptr);
    Fl_Scroll defilement(0, 221, 230, 300);
    Fl_Pack pile(18, 221, 212, 300);
    for (int i = 0; i < 3; ++i)
        new Fl_Box(0, 0, 212, 50);
    std::unique_ptr<AIDE> volet(new AIDE(18, 0, 212, "41", page, 210));
    pile.end();
    defilement.end();
    page->scrollVisualisateur = &defilement, page->packVisualisateur = &pile;
    page->aideVisu = volet.get();
    Fl_Button aide(0, 0, 1, 1);
    aide.shortcut(-43);
    for (int fois : {1, 2}) {
        AIDE::vAideCallback(&aide, page);
        EXPECT_EQ(AFFICHE_AIDE, fois == 1 ? -43 : 0);
        EXPECT_EQ(pile.find(volet.get()), fois == 1 ? 1 : pile.children());
    }
    EXPECT_STREQ(volet->texteSujet, "43");
    EXPECT_STREQ(volet->vue->filename(), "loc/en/infos.htm");
    page->scrollVisualisateur = nullptr, page->packVisualisateur = nullptr, page->aideVisu = nullptr;

    // A taller window stretches the empty box under the help buttons:
    // "A propos..." keeps its height, a click above it opens nothing.
    vBasculer(11);
    classeBoutonImage* apropos = GUI->boutonsAide[51];
    const int hautApropos = apropos->y();
    GUI->size(GUI->w(), GUI->h() + 300);
    EXPECT_EQ(apropos->h(), 20);
    EXPECT_EQ(apropos->y(), hautApropos);
    GUI->size(GUI->w(), GUI->h() - 300);

    // A link no desktop program opens: a message with its whole address
    // (its "@" doubled, which the toolkit draws as one), logged.
    int (*const ouvrir)(const char*) = gui::ouvrirUri;
    gui::ouvrirUri = [](const char*) { return 0; };
    std::string message;
    harnais::vRepondreBoite([&message](Fl_Window* b) {
        message = pTexteMessage()->label();
        harnais::vFermer(b);
    });
    gui::htmlCallback(nullptr, "mailto:assistance@example.org");
    EXPECT_NE(message.find("mailto:assistance@@example.org"), std::string::npos) << message;
    EXPECT_NE(lireFichier(dossier / "log.txt").find("ouvrir: mailto:assistance@example.org"),
              std::string::npos);
    gui::ouvrirUri = ouvrir;

    // A document that is not there: the toolkit's message, one log line.
    gui::load_aide(GUI->vueAide, "absente", nullptr);
    EXPECT_NE(std::string(GUI->vueAide->value()).find("loc/en/absente.htm"), std::string::npos);
    EXPECT_EQ(occurrences(lireFichier(dossier / "log.txt"), "illisible: loc/en/absente.htm"), 1u);
    EXPECT_EXIT(GUI->new_tab(), ::testing::ExitedWithCode(1), "");
}

TEST_F(Fenetre, EachMapComesBackOnItsSavedView)
{
    std::filesystem::create_directory(dossier / "etc");
    ecrireFichier(dossier / "etc/config.txt",
                  "@main\nfdcposition 2 3 nan 0 30\nfdcposition 3 3 10 20 0\n@fin\n@end\n");
    double latitude = 0, longitude = 0;
    {
        ProgrammeEnProcessus programme(dossier.chemin());
        ASSERT_TRUE(programme.bAttendreChargement());
        const std::string log = lireFichier(dossier / "log.txt");
        // A view the map cannot show: the default view, one log line.
        for (int page : {2, 3}) {
            EXPECT_EQ(occurrences(log, "fdcposition " + std::to_string(page) + ":"), 1u);
            EXPECT_DOUBLE_EQ(gvr[page]->carte->etendue, 30.0);
        }
        fdc* carte = gvr[1]->carte;
        carte->deplacer(120, -40);
        latitude = carte->dLatitude(carte->y() + carte->h() / 2);
        longitude = carte->dLongitude(carte->x() + carte->w() / 2);
        harnais::vFermer(GUI);
        ASSERT_TRUE(programme.bAttendreFinBoucle());
    }
    ProgrammeEnProcessus programme(dossier.chemin());
    ASSERT_TRUE(programme.bAttendreChargement());
    fdc* carte = gvr[1]->carte;
    EXPECT_NEAR(carte->dLatitude(carte->y() + carte->h() / 2), latitude, 1e-6);
    EXPECT_NEAR(dReplieLongitude(carte->dLongitude(carte->x() + carte->w() / 2)),
                dReplieLongitude(longitude), 1e-6);
}

TEST_F(Fenetre, ClosingTheMainWindowEndsTheRunPastAnUnregisteredWindow)
{
    ProgrammeEnProcessus programme(dossier.chemin());
    ASSERT_TRUE(programme.bAttendreChargement());
    Fl_Double_Window libre(100, 100, "hors registre");
    ASSERT_TRUE(harnais::bMontrer(&libre));
    TYPEDEF_HTTP& canal = structHTTP[31];
    harnais::vFermer(GUI);
    ASSERT_TRUE(programme.bAttendreFinBoucle());
    EXPECT_FALSE(libre.shown());
    // A transfer thread still running writes its slot.
    canal.phase = PHASE_RECUE;
    programme.vArreter();
    const std::string log = lireFichier(dossier / "log.txt");
    const size_t sortie = log.find("<GUI> sortie demandée\n");
    const size_t popup = log.find("<GUI> delete popupOverlay\n");
    const size_t fin = log.find("<GUI> DESTRUCTEUR\n");
    EXPECT_LT(sortie, popup);
    EXPECT_LT(popup, fin);
    EXPECT_NE(fin, std::string::npos);
}

// A GRIB file arriving in lockdir/ while another viewer page is in front:
// the first free page opens it and comes to the front. So does one the
// viewer cannot draw (another centre's forecast), which says why in the
// running language.
TEST_F(Fenetre, AReceivedFileBringsItsPageToTheFront)
{
    ProgrammeEnProcessus programme(dossier.chemin());
    ASSERT_TRUE(programme.bAttendreChargement());
    vBasculer(3);
    ASSERT_EQ(GUI->onglets->value(), gvr[3]);
    ecrireFichier(dossier / "lockdir/recu.grb", MessageTest().octets());
    EXPECT_TRUE(harnais::bAttendre([] { return GUI->onglets->value() == gvr[1]; }));
    EXPECT_STREQ(gvr[1]->titreVisualisateur->label(), "recu.grb");
    vBasculer(3);
    recevoir("t2m.grb", lireFichier(fixtureGrib("ecmwf_t2m.grib1")));
    ASSERT_EQ(GUI->onglets->value(), gvr[2]);
    change_langage("en");
    EXPECT_STREQ(gvr[2]->boiteTitre->label(), "ERROR: incompatible Grib file...");
    EXPECT_STREQ(gvr[2]->boiteSecond->label(),
                 "a product of another centre or model than the service's (centre 98, model "
                 "130, table 128)");
}

// The read-out popup goes once its values no longer stand: another page
// brought forward by a received file, a language switch, full screen, a
// main window of another size.
TEST_F(Fenetre, TheReadOutGoesWithItsPageItsLanguageAndItsWindow)
{
    ProgrammeEnProcessus programme(dossier.chemin());
    ASSERT_TRUE(programme.bAttendreChargement());
    ecrireFichier(dossier / "lockdir/recu.grb", MessageTest().octets());
    vScanPasse(GUI);
    ASSERT_EQ(GUI->onglets->value(), gvr[1]);
    fdc& carte = *gvr[1]->carte;
    Fl_Widget* pleinEcran = GUI->titre->boutonPleinEcran;
    const std::pair<const char*, std::function<void()>> changements[] = {
        {"a received file",
         [&] {
             ecrireFichier(dossier / "lockdir/autre.grb", MessageTest().octets());
             vScanPasse(GUI);
             EXPECT_EQ(GUI->onglets->value(), gvr[2]);
         }},
        {"the language", [] { change_langage("en"); }},
        {"the size", [] { GUI->size(GUI->w() - 20, GUI->h()); }},
        {"full screen",
         [&] {
             harnais::vCliquer(GUI, pleinEcran->x() + pleinEcran->w() / 2,
                               pleinEcran->y() + pleinEcran->h() / 2);
         }},
    };
    for (const auto& [changement, changer] : changements) {
        vBasculer(1);
        // Read at the centre of the map, on the file's grid; again when
        // another test's window on the shared display took the pointer
        // away, which hides it.
        ASSERT_TRUE(harnais::bAttendre([&] {
            carte.lecture = 1;
            carte.curseurX = carte.w() / 2;
            carte.curseurY = carte.h() / 2;
            carte.mouseValeurs();
            return popupOverlay->visible();
        })) << changement;
        changer();
        EXPECT_FALSE(popupOverlay->visible()) << changement;
    }
}

// The move that hiding the popup sends does not bring page 1's back once
// page 2 came forward; with pages 1 to 9 full, one more file replaces page
// 9's while its chart window is open, which goes once.
TEST_F(Fenetre, ReceivedFilesTakeTheReadOutAwayAndTheChartWindowOnce)
{
    ProgrammeEnProcessus programme(dossier.chemin());
    ASSERT_TRUE(programme.bAttendreChargement());
    recevoir("f1.grb");
    ASSERT_TRUE(bLire(*gvr[1]->carte));
    recevoir("f2.grb");
    ASSERT_EQ(GUI->onglets->value(), gvr[2]);
    EXPECT_FALSE(popupOverlay->visible());
    for (int i = 3; i <= 9; ++i)
        recevoir("f" + std::to_string(i) + ".grb");
    vr& page = *gvr[9];
    vr::vBoutonVisualisateurHistogrammesCallback(page.boutonHistogrammes, &page);
    ASSERT_TRUE(bLire(*page.carte));
    ASSERT_NE(page.carte->histogrammes, nullptr);
    recevoir("f10.grb");
    EXPECT_STREQ(page.titreVisualisateur->label(), "f10.grb");
    EXPECT_TRUE(bLire(*page.carte));
    EXPECT_NE(page.carte->histogrammes, nullptr);
}
