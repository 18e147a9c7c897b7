// The language switch in the running program: the catalogue, the switch
// buttons of the main window, the date format and the saved settings.
#include "shell/boutons.h"
#include "shell/boutons_rva.h"
#include "shell/configuration.h"
#include "shell/globales_shell.h"
#include "shell/images/images.h"
#include "shell/langage.h"
#include "shell/local.h"
#include "shell/remplacants.h"
#include "shell/remplacants_shell.h"

#include "tests/gribdata/outils_test.h"
#include "tests/shell/harnais_gui.h"
#include "tests/shell/programme_test.h"

#include <FL/Fl.H>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

class Langage : public ::testing::Test {
protected:
    Langage()
    {
        std::filesystem::copy(std::string(QUENBREL_SOURCE_DIR) + "/data/loc", dossier / "loc");
    }
    DossierTemporaire dossier;
};

// What the home page's request button shows.
std::vector<unsigned char> requeteurAffiche()
{
    classeBouton* b = GUI->boutonsRVA->requeteur;
    return harnais::lirePixels(GUI, b->x(), b->y(), b->w(), b->h());
}

}  // namespace

TEST_F(Langage, TheSwitchRelabelsTheMainWindowAndIsSaved)
{
    ProgrammeEnProcessus programme(dossier.chemin());
    ASSERT_TRUE(programme.bAttendreChargement());
    BoutonsRVA* rva = GUI->boutonsRVA;
    EXPECT_STREQ(rva->requeteur->tooltip(), "Commander des produits");
    EXPECT_STREQ(rva->visualisateur->tooltip(), "Visualiser les données");
    EXPECT_EQ(rva->requeteur->image(), skin1_image_requeteur_de);
    EXPECT_STREQ(DateFormat, "%d/%m/%Y");
    const auto francais = requeteurAffiche();
    DRU_Fl_File_Chooser* ancien = navigateur;
    DateFormatChange = 0;

    change_langage("en");
    EXPECT_STREQ(langage->langue, "en");
    EXPECT_STREQ(configuration->preferences->langage, "en");
    EXPECT_STREQ(rva->requeteur->tooltip(), "Order products");
    EXPECT_STREQ(rva->visualisateur->tooltip(), "View the data");
    EXPECT_EQ(rva->requeteur->image(), skin1_image_requeteur_en_de);
    EXPECT_EQ(rva->visualisateur->image(), skin1_image_visualisateur_en_de);
    EXPECT_NE(requeteurAffiche(), francais) << "the picture on screen changed";
    EXPECT_STREQ(DateFormat, "%m/%d/%Y");
    EXPECT_EQ(DateFormatChange, 1);
    EXPECT_NE(navigateur, nullptr);
    EXPECT_NE(navigateur, ancien);
    EXPECT_EQ(fenetreEnvoi, nullptr);

    change_langage("sp");
    EXPECT_EQ(rva->requeteur->image(), image_solicitante);
    EXPECT_STREQ(rva->requeteur->tooltip(), "Pedir productos");

    harnais::vFermer(GUI);
    ASSERT_TRUE(programme.bAttendreFinBoucle());
    programme.vArreter();
    EXPECT_NE(lireFichier(dossier / "etc/config.txt").find("\nlangage sp\n"), std::string::npos);
}

TEST_F(Langage, AMissingCatalogueKeepsTheTextsButTakesTheNewLanguage)
{
    std::filesystem::remove(dossier / "loc/messages.de.mac");
    ProgrammeEnProcessus programme(dossier.chemin());
    ASSERT_TRUE(programme.bAttendreChargement());
    change_langage("en");
    change_langage("de");
    EXPECT_STREQ(langage->langue, "de");
    EXPECT_STREQ(pcTraduire("Oui"), "Yes");
    EXPECT_STREQ(GUI->boutonsRVA->requeteur->tooltip(), "Order products");
    EXPECT_EQ(GUI->boutonsRVA->requeteur->image(), image_abfrage);
    EXPECT_NE(lireFichier(dossier / "log.txt").find("<LANGAGE> catalogue absent: "
                                                    "loc/messages.de.mac\n"),
              std::string::npos);
    harnais::vFermer(GUI);
    ASSERT_TRUE(programme.bAttendreFinBoucle());
}

TEST_F(Langage, NoSwitchWhileASecondaryWindowIsOpen)
{
    ProgrammeEnProcessus programme(dossier.chemin());
    ASSERT_TRUE(programme.bAttendreChargement());
    EXPECT_TRUE(bLangageModifiable());
    Fl_Double_Window* bulletin = new Fl_Double_Window(100, 100, "Bulletin: x.txt");
    gestion_interfaces::add(bulletin);
    EXPECT_FALSE(bLangageModifiable());
    harnais::vFermer(bulletin);
    EXPECT_TRUE(bLangageModifiable());
    harnais::vFermer(GUI);
    ASSERT_TRUE(programme.bAttendreFinBoucle());
}
