// The end of the program in the whole program, from wherever it is asked:
// a signal while a box, a menu or a file dialog runs its loop, Escape, a
// shutdown with many windows open, a route name being typed.
#include "pages/vr.h"
#include "routes/classe_route.h"
#include "routes/dru_routes.h"
#include "routes/routes.h"
#include "shell/gui.h"
#include "shell/signaux.h"
#include "shell/titre.h"
#include "ui/boites_message.h"
#include "ui/boucles_imbriquees.h"
#include "ui/boutons.h"
#include "ui/editeur.h"
#include "ui/gestion_interfaces.h"
#include "ui/globales_ui.h"
#include "ui/ouvertures.h"
#include "ui/selecteur.h"

#include "tests/outils/outils_test.h"
#include "tests/shell/programme_test.h"
#include "tests/ui/harnais_gui.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Float_Input.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Menu_Button.H>
#include <FL/Fl_Tabs.H>
#include <FL/Fl_Text_Buffer.H>
#include <FL/fl_ask.H>
#include <csignal>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

// What a complete shutdown leaves: the settings written, the lock gone,
// the log closed.
void verifierArret(const DossierTemporaire& dossier)
{
    const std::string log = lireFichier(dossier / "log.txt");
    EXPECT_NE(log.find(" SORTIE\n"), std::string::npos) << log;
    EXPECT_NE(log.find(" Fin du programme\n"), std::string::npos) << log;
    EXPECT_FALSE(existe(dossier / "etc/lockfile"));
    EXPECT_NE(lireFichier(dossier / "etc/config.txt").find("@main\n"), std::string::npos);
}

// Raises SIGTERM from a timeout once a nested loop runs: the loop serves
// the timeout, as it serves the signal's pipe.
void vSignalerDansBoucle(void*)
{
    if (bBouclePrincipale()) {
        Fl::repeat_timeout(0.02, vSignalerDansBoucle);
        return;
    }
    std::raise(SIGTERM);
}

// Raises SIGTERM once this process shows a window of that title. The
// desktop's dialog runs a loop in which the toolkit serves no timeout: the
// signal comes from a thread, which waits for the window as a user would
// (a search is asked again when a window went while it looked).
std::thread filSignalerAuDialogue(const std::string& titre)
{
    return std::thread([titre] {
        const std::string recherche = "xdotool search --onlyvisible --pid " +
                                      std::to_string(getpid()) + " --name '^" + titre + "$'";
        const std::string commande = "timeout 30 sh -c \"until " + recherche +
                                     "; do sleep 0.05; done\" > /dev/null 2>&1";
        if (std::system(commande.c_str()) == 0)
            kill(getpid(), SIGTERM);
    });
}

struct CasBoucle {
    const char* nom;
    // Opens the loop from the test's body; returns once it has closed.
    void (*ouvrir)();
    // The desktop dialog's title, or null: the signal then comes from a
    // timeout in the loop.
    const char* dialogue;
    bool gtk;  // the toolkit may take GTK's dialog
};

void vOuvrirAvecLeSelecteurDuBureau()
{
    WINDOWS_NATIVE = WINDOWS_OS = 1;
    vr::vBoutonVisualisateurBrowserCallback(nullptr, gvr[1]);
}

const CasBoucle BOUCLES[] = {
    {"Box", [] { EXPECT_EQ(fl_choice("Q", "Annuler", "Oui", nullptr), 0); }, nullptr, false},
    {"Menu",
     [] {
         Fl_Menu_Button* menu = GUI->titre->menuZones;
         EXPECT_EQ(menu->popup(), nullptr);
     },
     nullptr, false},
    {"DesktopDialog", vOuvrirAvecLeSelecteurDuBureau, "Ouvrir un fichier", true},
    {"ToolkitChooser", vOuvrirAvecLeSelecteurDuBureau, "Ouvrir un fichier", false},
};

void PrintTo(const CasBoucle& cas, std::ostream* sortie)
{
    *sortie << cas.nom;
}

class SignalDansUneBoucle : public ::testing::TestWithParam<CasBoucle> {
protected:
    DossierTemporaire dossier;
};

}  // namespace

// A signal served inside a box's or a dialog's loop closes that loop as a
// cancel; the windows go only once the call that opened it has returned,
// from the main loop, and the settings are written.
TEST_P(SignalDansUneBoucle, ClosesTheLoopThenEndsFromTheMainLoop)
{
    const CasBoucle& cas = GetParam();
    harnais::ChienDeGarde garde(60);
    const int gtk = Fl::option(Fl::OPTION_FNFC_USES_GTK);
    Fl::option(Fl::OPTION_FNFC_USES_GTK, cas.gtk);
    ProgrammeEnProcessus programme(dossier.chemin());
    ASSERT_TRUE(programme.bAttendreChargement());
    std::thread fil;
    if (cas.dialogue)
        fil = filSignalerAuDialogue(cas.dialogue);
    else
        Fl::add_timeout(0.02, vSignalerDansBoucle);
    cas.ouvrir();
    if (fil.joinable())
        fil.join();
    Fl::remove_timeout(vSignalerDansBoucle);
    // Back in the caller: the windows it works on are still there.
    EXPECT_NE(GUI, nullptr);
    EXPECT_NE(gvr[1], nullptr);
    ASSERT_TRUE(programme.bAttendreFinBoucle());
    programme.vArreter();
    Fl::option(Fl::OPTION_FNFC_USES_GTK, gtk);
    verifierArret(dossier);
}

INSTANTIATE_TEST_SUITE_P(Boucles, SignalDansUneBoucle, ::testing::ValuesIn(BOUCLES),
                         [](const ::testing::TestParamInfo<CasBoucle>& i) {
                             return std::string(i.param.nom);
                         });

// Each signal that asks the end (a kill, Ctrl-C, the terminal closed)
// takes the normal shutdown.
TEST(Arret, EveryEndingSignalTakesTheNormalShutdown)
{
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        DossierTemporaire dossier;
        ProgrammeEnProcessus programme(dossier.chemin());
        ASSERT_TRUE(programme.bAttendreChargement());
        std::raise(signal);
        ASSERT_TRUE(programme.bAttendreFinBoucle()) << signal;
        programme.vArreter();
        verifierArret(dossier);
    }
}

// Started under nohup, the program keeps SIGHUP ignored: the terminal may
// close under it.
TEST(Arret, ASignalIgnoredAtTheStartStaysIgnored)
{
    std::signal(SIGTERM, SIG_DFL);
    std::signal(SIGHUP, SIG_IGN);
    vSignauxInstaller();
    struct sigaction hup = {}, term = {};
    sigaction(SIGHUP, nullptr, &hup);
    sigaction(SIGTERM, nullptr, &term);
    EXPECT_EQ(hup.sa_handler, SIG_IGN);
    EXPECT_NE(term.sa_handler, SIG_DFL);
    std::signal(SIGHUP, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
}

// A logout with a modified text open: the settings and the routes are on
// disk before the text's question waits, and the session manager's next
// signal ends the program without writing the text nobody answered for.
TEST(Arret, ASecondSignalOverTheTextsQuestionEndsWithoutWritingIt)
{
    const int signaux[][2] = {{SIGTERM, SIGTERM}, {SIGHUP, SIGINT}};
    for (const auto& s : signaux) {
        DossierTemporaire dossier;
        ProgrammeEnProcessus programme(dossier.chemin());
        ASSERT_TRUE(programme.bAttendreChargement());
        ecrireFichier(dossier / "note.txt", "cap au sud");
        editeur* texte = pOuvrirTexte((dossier / "note.txt").c_str(), 20, 20, 400, 300, 0);
        ASSERT_TRUE(harnais::bMontrer(texte));
        texte->textbuf->insert(0, "vent d'ouest, ");
        // A route name being typed when the signal comes.
        gvr[0]->ongletsRequeteur->value(Dru_Routes);
        Fl_Input* nom = static_cast<Fl_Input*>(
            DRU_Routes::pEnfantOnglet(Dru_Routes->tabsRoutes->value(), ROUTE_ONGLET_NOM));
        ASSERT_TRUE(nom->take_focus());
        nom->position(0, nom->size());
        harnais::vTouche(GUI, 'C', "C");
        for (const char* fichier : {"etc/config.txt", "etc/routes.txt"})
            std::remove((dossier / fichier).c_str());
        std::string question, reglages, routes;
        harnais::vRepondreBoite([&](Fl_Window*) {
            question = pTexteMessage()->label();
            reglages = lireFichier(dossier / "etc/config.txt");
            routes = lireFichier(dossier / "etc/routes.txt");
            std::raise(s[1]);
        });
        std::raise(s[0]);
        ASSERT_TRUE(programme.bAttendreFinBoucle()) << s[0];
        harnais::vOublierBoite();
        programme.vArreter();
        // The text's key: the test's folder holds no catalogue.
        EXPECT_EQ(question, "message modifie");
        EXPECT_NE(reglages.find("@main\n"), std::string::npos);
        EXPECT_NE(routes.find("@routes\nC\n"), std::string::npos) << routes;
        EXPECT_EQ(lireFichier(dossier / "note.txt"), "cap au sud");
        verifierArret(dossier);
    }
}

// The routes cannot be saved, and the box that says so is up when SIGTERM
// comes (a logout): the box closes, the program ends by its normal shutdown,
// the settings written and the lock removed.
TEST(Arret, ASignalWhileTheRoutesAlertIsUpEndsTheProgram)
{
    DossierTemporaire dossier;
    ProgrammeEnProcessus programme(dossier.chemin());
    ASSERT_TRUE(programme.bAttendreChargement());
    ASSERT_NE(Dru_Routes, nullptr);
    ASSERT_EQ(mkdir((dossier / "etc/routes.txt.tmp").c_str(), 0700), 0);
    std::string alerte;
    harnais::vRepondreBoite([&alerte](Fl_Window*) {
        alerte = pTexteMessage()->label();
        std::raise(SIGTERM);
    });
    Dru_Routes->boutonEnregistrer->do_callback();
    ASSERT_TRUE(programme.bAttendreFinBoucle());
    harnais::vOublierBoite();
    EXPECT_EQ(alerte, "Le fichier de routes n'a pas pu etre enregistre");
    programme.vArreter();
    verifierArret(dossier);
    // The routes are written at the end once more; no box opens then.
    const std::string log = lireFichier(dossier / "log.txt");
    EXPECT_NE(log.find("<ROUTE> ecriture impossible"), std::string::npos) << log;
}

// Escape closes the window it is typed in when that is a secondary window,
// and never the main window: cancelling a text typed in the title bar, or
// with a secondary window under the pointer, ends nothing.
TEST(Arret, EscapeClosesASecondaryWindowOnlyNeverTheMainOne)
{
    DossierTemporaire dossier;
    ProgrammeEnProcessus programme(dossier.chemin());
    ASSERT_TRUE(programme.bAttendreChargement());
    ecrireFichier(dossier / "note.txt", "cap au sud");
    const struct {
        const char* cas;
        bool dansTexte;   // the key goes to the text window, else to the main one
        bool saisie;      // a title-bar field is being typed in
        bool survolTexte; // the pointer is over the text window
        bool texteFerme;
    } cas[] = {
        {"main window", false, false, false, false},
        {"typing in the title bar", false, true, false, false},
        {"text window under the pointer", false, false, true, false},
        {"text window", true, false, false, true},
    };
    for (const auto& c : cas) {
        editeur* texte = pOuvrirTexte((dossier / "note.txt").c_str(), 20, 20, 400, 300, 0);
        ASSERT_TRUE(harnais::bMontrer(texte)) << c.cas;
        if (c.saisie) {
            Fl_Input_* champ = GUI->titre->entreeLatitude;
            harnais::vSurvoler(GUI, champ->x() + champ->w() / 2, 30);
            harnais::vCliquer(GUI, champ->x() + champ->w() / 2, champ->y() + champ->h() / 2);
            ASSERT_EQ(Fl::focus(), champ) << c.cas;
            harnais::vTouche(GUI, '1', "1");
        }
        if (c.survolTexte)
            harnais::vSurvoler(texte, 200, 150);
        harnais::vTouche(c.dansTexte ? static_cast<Fl_Window*>(texte) : GUI, FL_Escape);
        Fl::check();
        ASSERT_NE(GUI, nullptr) << c.cas;
        EXPECT_TRUE(GUI->shown()) << c.cas;
        EXPECT_EQ(GESTION_UI[1] == nullptr, c.texteFerme) << c.cas;
        if (GESTION_UI[1])
            harnais::vFermer(GESTION_UI[1]);
        ASSERT_EQ(GESTION_UI[1], nullptr) << c.cas;
    }
    harnais::vFermer(GUI);
    ASSERT_TRUE(programme.bAttendreFinBoucle());
}

// Received files past the registry's slots open windows it does not hold;
// the end of the program hides them all, however many.
TEST(Arret, TheShutdownHidesEveryWindowWhateverTheirNumber)
{
    DossierTemporaire dossier;
    ProgrammeEnProcessus programme(dossier.chemin());
    ASSERT_TRUE(programme.bAttendreChargement());
    std::vector<std::unique_ptr<Fl_Double_Window>> fenetres;
    for (int i = 0; i < 4 * GESTION_UI_TAILLE + 100; ++i) {
        fenetres.push_back(std::make_unique<Fl_Double_Window>(10 + i % 200, 10, 40, 30));
        fenetres.back()->end();
        fenetres.back()->show();
    }
    Fl::check();
    harnais::vFermer(GUI);
    EXPECT_TRUE(programme.bAttendreFinBoucle());
    programme.vArreter();
    verifierArret(dossier);
}

// A route name typed in its tab is taken by Enter, and by the shutdown
// while the field still has the focus: the routes written hold it.
TEST(Arret, ARouteNameIsTakenByEnterAndByTheShutdown)
{
    for (const bool entree : {true, false}) {
        DossierTemporaire dossier;
        ProgrammeEnProcessus programme(dossier.chemin());
        ASSERT_TRUE(programme.bAttendreChargement());
        ASSERT_NE(Dru_Routes, nullptr);
        gvr[0]->ongletsRequeteur->value(Dru_Routes);
        Fl_Widget* onglet = Dru_Routes->tabsRoutes->value();
        classeRoute* route = DRU_Routes::pRouteOnglet(onglet);
        Fl_Input* nom =
            static_cast<Fl_Input*>(DRU_Routes::pEnfantOnglet(onglet, ROUTE_ONGLET_NOM));
        ASSERT_NE(route, nullptr);
        ASSERT_NE(nom, nullptr);
        ASSERT_TRUE(nom->take_focus());
        nom->position(0, nom->size());
        for (const char* t = "Cap Horn"; *t; ++t) {
            const char touche[2] = {*t, 0};
            harnais::vTouche(GUI, *t, touche);
        }
        ASSERT_STREQ(nom->value(), "Cap Horn");
        if (entree) {
            harnais::vTouche(GUI, FL_Enter, "\r");
            EXPECT_STREQ(route->nom, "Cap Horn");
            EXPECT_EQ(Fl::focus(), nom);
        }
        harnais::vFermer(GUI);
        ASSERT_TRUE(programme.bAttendreFinBoucle());
        programme.vArreter();
        EXPECT_NE(lireFichier(dossier / "etc/routes.txt").find("Cap Horn\n"), std::string::npos)
            << entree;
    }
}
