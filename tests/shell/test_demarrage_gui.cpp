// The whole program in process: start-up with the stand-ins, the main
// window, the close and the signals, shutdown.

// Google Test first: the X11 headers behind the recording driver define
// macros (None, Bool) that its own headers use as names.
#include <gtest/gtest.h>

#include "shell/globales_shell.h"
#include "shell/gui.h"
#include "ui/boites_message.h"
#include "ui/boutons.h"
#include "ui/editeur.h"
#include "ui/boutons_rva.h"
#include "ui/configuration.h"
#include "ui/donnees_absentes.h"
#include "ui/images/images.h"
#include "ui/langage.h"
#include "ui/local.h"
#include "ui/gestion_interfaces.h"
#include "ui/horloge.h"
#include "ui/ouvertures.h"
#include "ui/selecteur.h"

#include "map/chargement_fonds.h"
#include "map/satellite.h"
#include "map/fdc.h"
#include "pages/vr.h"
#include "tests/map/pilote_enregistreur.h"
#include "tests/outils/images_test.h"
#include "tests/outils/outils_test.h"
#include "tests/shell/programme_test.h"
#include "tests/ui/harnais_gui.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Help_View.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Text_Buffer.H>
#include <algorithm>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

const char* const TIRETS = "\n-----------------------\n ";

// The phase names of the banners, in the order they were written.
std::vector<std::string> bannieres(const std::string& log)
{
    std::vector<std::string> noms;
    for (size_t i = log.find(TIRETS); i != std::string::npos; i = log.find(TIRETS, i)) {
        i += std::strlen(TIRETS);
        noms.push_back(log.substr(i, log.find('\n', i) - i));
    }
    return noms;
}

std::vector<std::string> bannieresAttendues(const std::string& dossier)
{
    return {"Lancement du programme: " + dossier + "/ 1",
            "Routes", "Configuration", "Langage", "Tdc", "Masques", "Metareas", "Interlude",
            "Skins", "Fontes", "Gui", "Icone", "Show", "Navigateur", "Timeout", "Threads",
            "RUN", "SORTIE", "Fin du programme"};
}

// What every complete run leaves behind.
void verifierFin(const std::string& dossier)
{
    const std::string log = lireFichier(dossier + "/log.txt");
    EXPECT_EQ(bannieres(log), bannieresAttendues(dossier)) << log;
    EXPECT_NE(log.find(" Fontes\n<TORMASKEL2> Fontes: "), std::string::npos);
    const size_t sortie = log.find(" SORTIE\n");
    const size_t verrou = log.find("<TORMASKEL2> Suppression lockfile\n");
    EXPECT_LT(sortie, verrou);
    const std::string fin = "Fin du programme\n----------------------- \n";
    EXPECT_EQ(log.substr(log.size() - fin.size()), fin);
    EXPECT_FALSE(existe(dossier + "/etc/lockfile"));
    EXPECT_NE(lireFichier(dossier + "/etc/config.txt").find("@main\n"), std::string::npos);
    for (const char* d : {"dat/bulletin", "dat/image", "etc/bull", "etc/grib", "lockdir"})
        EXPECT_TRUE(std::filesystem::is_directory(dossier + "/" + d)) << d;
}

class Demarrage : public ::testing::Test {
protected:
    DossierTemporaire dossier;
};

}  // namespace

TEST_F(Demarrage, TheMainWindowOpensInactiveAndClosesOnceLoaded)
{
    std::filesystem::create_directory(dossier / "etc");
    ecrireFichier(dossier / "etc/config.txt",
                  "@main\nlangage en\ndimensions 40 50 900 600\n@fin\n@end\n");
    ProgrammeEnProcessus programme(dossier.chemin());
    EXPECT_TRUE(existe(dossier / "etc/lockfile"));
    ASSERT_NE(GUI, nullptr);
    EXPECT_TRUE(GUI->shown());
    EXPECT_FALSE(GUI->active());
    EXPECT_STREQ(GUI->label(), "Quenbrel 2");
    EXPECT_EQ(GUI->w(), 900);
    EXPECT_EQ(GUI->h(), 600);
    EXPECT_EQ(INTERFACE_FDC_HAUTEUR, 432);
    EXPECT_STREQ(langage->langue, "en");
    EXPECT_EQ(GESTION_UI[0], GUI);

    // Closing is refused while the loaders run.
    harnais::vFermer(GUI);
    ASSERT_NE(GUI, nullptr);
    EXPECT_TRUE(GUI->shown());

    ASSERT_TRUE(programme.bAttendreChargement());
    EXPECT_TRUE(GUI->active());
    EXPECT_EQ(DEMARRAGE, 0);
    // The hooks installed at start-up: a language switch relabels the main
    // window's pair, on screen, and the language is saved at exit.
    classeBouton* b = GUI->boutonsRVA->requeteur;
    const auto avant = harnais::lirePixels(GUI, b->x(), b->y(), b->w(), b->h());
    change_langage("sp");
    EXPECT_EQ(b->image(), image_solicitante);
    EXPECT_NE(harnais::lirePixels(GUI, b->x(), b->y(), b->w(), b->h()), avant);
    harnais::vFermer(GUI);
    ASSERT_TRUE(programme.bAttendreFinBoucle());
    EXPECT_EQ(GUI, nullptr);
    programme.vArreter();

    verifierFin(dossier.chemin());
    EXPECT_NE(lireFichier(dossier / "etc/config.txt").find("\nlangage sp\n"), std::string::npos);
    EXPECT_NE(lireFichier(dossier / "etc/config.txt").find("\ndimensions 40 50 900 600\n"),
              std::string::npos);
}

// Started in a folder without img/ and loc/, the program says what it
// misses in the log with the folder where it looked, over the maps that
// show no forecast, in the home page's help view in its own words (the
// keys' French: no catalogue either), not the toolkit's.
TEST_F(Demarrage, WithoutImgAndLocItSaysWhatIsMissing)
{
    ProgrammeEnProcessus programme(dossier.chemin());
    ASSERT_TRUE(programme.bAttendreChargement());
    const std::string log = lireFichier(dossier / "log.txt");
    EXPECT_NE(log.find("<DONNEES> absent de " + dossier.chemin() + ": Dossier loc/ absent"),
              std::string::npos)
        << log;
    GUI->make_current();
    PiloteEnregistreur p;
    gvr[0]->carte->draw();
    for (const char* ligne : {"Dossier img/ absent", "Dossier loc/ absent", "ni traductions, ni aide"})
        EXPECT_EQ(p.textes(ligne).size(), 1u) << ligne;
    const std::string aide = GUI->vueAide->value() ? GUI->vueAide->value() : "";
    EXPECT_NE(aide.find("Aide indisponible : document absent"), std::string::npos) << aide;
    EXPECT_NE(aide.find("loc/fr/presentation.htm"), std::string::npos) << aide;
}

TEST_F(Demarrage, SigtermRunsTheNormalShutdown)
{
    ProgrammeEnProcessus programme(dossier.chemin());
    ASSERT_TRUE(programme.bAttendreChargement());
    std::raise(SIGTERM);
    ASSERT_TRUE(programme.bAttendreFinBoucle());
    programme.vArreter();
    verifierFin(dossier.chemin());
    const std::string config = lireFichier(dossier / "etc/config.txt");
    EXPECT_EQ(std::count(config.begin(), config.end(), '\n'), 21);
}

// A modified text asks first: "Annuler" keeps the program running with
// the edits; the next SIGTERM answered "Non" ends it.
TEST_F(Demarrage, SigtermAsksAboutAModifiedTextAndCancelKeepsTheProgram)
{
    ProgrammeEnProcessus programme(dossier.chemin());
    ASSERT_TRUE(programme.bAttendreChargement());
    ecrireFichier(dossier / "note.txt", "cap au sud");
    editeur* texte = pOuvrirTexte((dossier / "note.txt").c_str(), 20, 20, 400, 300, 0);
    texte->textbuf->append(", puis ouest");
    ASSERT_EQ(texte->modifie, 1);
    std::string question;
    const auto repondre = [&question](int bouton) {
        harnais::vRepondreBoite([&question, bouton](Fl_Window* b) {
            question = pTexteMessage()->label();
            harnais::vCliquer(b, pBoutonMessage(bouton)->x() + 5, pBoutonMessage(bouton)->y() + 5);
        });
    };
    repondre(0);
    std::raise(SIGTERM);
    ASSERT_TRUE(harnais::bAttendre([&question] { return !question.empty(); }));
    EXPECT_EQ(question, "message modifie");
    ASSERT_TRUE(harnais::bAttendre([] {
        return lireFichier("log.txt").find("Signal: arret annule") != std::string::npos;
    }));
    EXPECT_NE(GUI, nullptr);
    EXPECT_EQ(GESTION_UI[1], texte);
    EXPECT_EQ(texte->modifie, 1);

    question.clear();
    repondre(2);
    std::raise(SIGTERM);
    ASSERT_TRUE(programme.bAttendreFinBoucle());
    EXPECT_EQ(question, "message modifie");
    programme.vArreter();
    verifierFin(dossier.chemin());
    EXPECT_EQ(lireFichier(dossier / "note.txt"), "cap au sud");
}

TEST_F(Demarrage, ASignalDuringStartUpWaitsForTheLoaders)
{
    ProgrammeEnProcessus programme(dossier.chemin());
    std::raise(SIGINT);
    bool fermeeTot = false;
    ASSERT_TRUE(harnais::bAttendre([&fermeeTot] {
        fermeeTot = fermeeTot || (!GUI && !LOAD_FDC);
        return Fl::first_window() == nullptr;
    }));
    EXPECT_FALSE(fermeeTot);
    EXPECT_EQ(LOAD_FDC, 1);
    programme.vArreter();
    verifierFin(dossier.chemin());
}

TEST_F(Demarrage, ALogOrLockThatCannotBeMadeDoesNotStopTheRun)
{
    std::filesystem::create_directories(dossier / "log.txt");
    std::filesystem::create_directories(dossier / "etc/lockfile/occupe");
    ::testing::internal::CaptureStdout();
    {
        ProgrammeEnProcessus programme(dossier.chemin());
        ASSERT_TRUE(programme.bAttendreChargement());
        harnais::vFermer(GUI);
        ASSERT_TRUE(programme.bAttendreFinBoucle());
    }
    const std::string sortie = ::testing::internal::GetCapturedStdout();
    EXPECT_NE(sortie.find("ATTENTION Mise en place du fichier lockfile impossible\n"),
              std::string::npos);
    EXPECT_NE(sortie.find(" Lancement du programme: "), std::string::npos);
    EXPECT_NE(sortie.find(" Fin du programme\n"), std::string::npos);
    EXPECT_TRUE(existe(dossier / "etc/config.txt"));
}

// Beside a running instance (it holds the marker), a second run says at
// start, on its maps, that it will write neither settings nor routes, and
// leaves the first's files and marker as they are when it quits.
TEST_F(Demarrage, ASecondInstanceSaysSoAndLeavesTheFirstsFilesAndMarker)
{
    std::filesystem::create_directory(dossier / "etc");
    const std::string reglages = "@main\nlangage fr\n@fin\n@end\n";
    const std::string routes = "@routes\nLarge\n1 0 1 255 0 1 1 0 0\n"
                               "1700000000 45.000000 -3.000000\n@fin\n@end\n";
    ecrireFichier(dossier / "etc/config.txt", reglages);
    ecrireFichier(dossier / "etc/routes.txt", routes);
    ecrireFichier(dossier / "etc/lockfile", "");
    const int premiere = open((dossier / "etc/lockfile").c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(flock(premiere, LOCK_EX), 0);
    {
        testing::internal::CaptureStdout();
        ProgrammeEnProcessus programme(dossier.chemin());
        testing::internal::GetCapturedStdout();
        ASSERT_TRUE(programme.bAttendreChargement());
        const std::vector<std::string> avis = avisDonneesAbsentes();
        EXPECT_NE(std::find(avis.begin(), avis.end(),
                            "Dossier de travail tenu par une autre instance"),
                  avis.end());
        // Asked to end (as by a signal), it ends: nothing waits for a user.
        std::raise(SIGTERM);
        ASSERT_TRUE(programme.bAttendreFinBoucle());
    }
    EXPECT_EQ(lireFichier(dossier / "etc/config.txt"), reglages);
    EXPECT_EQ(lireFichier(dossier / "etc/routes.txt"), routes);
    EXPECT_TRUE(existe(dossier / "etc/lockfile"));
    EXPECT_NE(lireFichier(dossier / "log.txt").find("Seconde instance: reglages non ecrits"),
              std::string::npos);
    close(premiere);
}

// A received picture whose header would make the toolkit's reader write
// past its pixels: the program starts without it, sets it aside, and the
// next start is an ordinary one.
TEST_F(Demarrage, ABadSatellitePictureIsSetAsideAndTheProgramStarts)
{
    const std::string mauvaise = jpegEnTete(21858, 65500) + "2009031512";
    ecrireFichier(dossier / "globe.jpg", mauvaise);
    for (int lancement = 0; lancement < 2; ++lancement) {
        ProgrammeEnProcessus programme(dossier.chemin());
        ASSERT_TRUE(programme.bAttendreChargement());
        EXPECT_EQ(FDC0ok, 0);
        EXPECT_FALSE(existe(dossier / "globe.jpg"));
        EXPECT_EQ(lireFichier(dossier / "globe.jpg.bad"), mauvaise);
        harnais::vFermer(GUI);
        ASSERT_TRUE(programme.bAttendreFinBoucle());
        programme.vArreter();
        verifierFin(dossier.chemin());
    }
}
