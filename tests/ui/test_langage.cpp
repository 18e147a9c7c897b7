// The language switch: the kit's own steps and, in their order, those of
// the windows above it through their hooks; a missing catalogue; no switch
// while a secondary window is open.
#include "ui/boutons.h"
#include "ui/boutons_rva.h"
#include "ui/configuration.h"
#include "ui/crochets.h"
#include "ui/globales_ui.h"
#include "ui/horloge.h"
#include "ui/images/images.h"
#include "ui/langage.h"
#include "ui/local.h"
#include "ui/gestion_interfaces.h"
#include "ui/horloge.h"
#include "ui/selecteur.h"

#include "tests/outils/outils_test.h"

#include <FL/Fl_Double_Window.H>
#include <FL/Fl_RGB_Image.H>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace {

std::string etapes;         // the hooks called, in order
BoutonsRVA* paire = nullptr;  // the main window's pair, relabelled by "accueil"

class Langage : public ::testing::Test {
protected:
    Langage() : ici(dossier.chemin()), journal(dossier / "log.txt")
    {
        std::filesystem::copy(std::string(QUENBREL_SOURCE_DIR) + "/data/loc", dossier / "loc");
        configuration = new classeConfiguration();
        langage = new local(configuration->preferences->langage);
        paire = &rva;
        etapes.clear();
        crochetsLangage = {
            [] { etapes += "envoi "; },
            [](const char* code) { etapes += std::string("titre ") + code + " "; },
            [] { paire->vLangage(), etapes += std::string("accueil ") + pcTraduire("Oui") + " "; },
            [] { etapes += "routes "; }, [] { etapes += "pages "; }, [] { etapes += "redessiner"; }};
    }
    ~Langage() override
    {
        crochetsLangage = {};
        delete navigateur;
        delete langage;
        delete configuration;
        navigateur = nullptr, langage = nullptr, configuration = nullptr;
    }
    DossierTemporaire dossier;
    DossierCourant ici;
    JournalTemporaire journal;
    BoutonsRVA rva{0, 0, 230, 50, 10};
};

}  // namespace

TEST_F(Langage, TheStepsRunInOrderOnTheNewCatalogue)
{
    EXPECT_STREQ(rva.requeteur->tooltip(), "Commander des produits");
    EXPECT_EQ(rva.requeteur->image(), skin1_image_requeteur_de);
    DateFormatChange = 0;
    change_langage("en");
    EXPECT_EQ(etapes, "envoi titre en accueil Yes routes pages redessiner");
    EXPECT_STREQ(langage->langue, "en");
    EXPECT_STREQ(configuration->preferences->langage, "en");
    EXPECT_STREQ(DateFormat, "%m/%d/%Y");
    EXPECT_EQ(DateFormatChange, 1);
    EXPECT_NE(navigateur, nullptr);
    EXPECT_STREQ(rva.visualisateur->tooltip(), "View the data");
    EXPECT_EQ(rva.requeteur->image(), skin1_image_requeteur_en_de);
    // Without hooks the kit's own steps still run.
    crochetsLangage = {};
    change_langage("sp");
    EXPECT_STREQ(pcTraduire("Oui"), "S\u00ed");
}

TEST_F(Langage, AMissingCatalogueKeepsTheTextsButTakesTheNewLanguage)
{
    std::filesystem::remove(dossier / "loc/messages.de.mac");
    change_langage("en");
    change_langage("de");
    EXPECT_STREQ(langage->langue, "de");
    EXPECT_STREQ(pcTraduire("Oui"), "Yes");
    EXPECT_STREQ(rva.requeteur->tooltip(), "Order products");
    EXPECT_EQ(rva.requeteur->image(), image_abfrage);
    EXPECT_NE(journal.contenu().find("<LANGAGE> catalogue absent: loc/messages.de.mac\n"),
              std::string::npos);
}

TEST_F(Langage, NoSwitchWhileASecondaryWindowIsOpen)
{
    Fl_Double_Window principale(100, 100);
    gestion_interfaces::add(&principale);
    EXPECT_TRUE(bLangageModifiable());
    gestion_interfaces::add(new Fl_Double_Window(100, 100, "Bulletin: x.txt"));
    EXPECT_FALSE(bLangageModifiable());
    LOAD_FDC = 1;
    GESTION_UI[1]->do_callback();
    LOAD_FDC = 0;
    EXPECT_TRUE(bLangageModifiable());
    GESTION_UI[0] = nullptr;
}
