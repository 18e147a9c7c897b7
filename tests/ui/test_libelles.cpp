// Labels and tooltips from the catalogue: the widget keeps its own copy,
// which outlives a reload of the catalogue; a widget not built is skipped.
#include "ui/libelles.h"

#include "ui/globales_ui.h"
#include "ui/local.h"

#include "tests/outils/outils_test.h"

#include <FL/Fl_Box.H>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace {

class Libelles : public ::testing::Test {
protected:
    Libelles() : ici(dossier.chemin())
    {
        std::filesystem::create_directory(dossier / "loc");
        ecrireFichier(dossier / "loc/messages.en.mac",
                      "@\n@Heure UTC\nUTC time\n\n@Aide tooltip\nHelp\n");
        ecrireFichier(dossier / "loc/messages.de.mac",
                      "@\n@Heure UTC\nUTC-Zeit\n\n@Aide tooltip\nHilfe\n");
        langage = new local("en");
    }
    ~Libelles() override
    {
        delete langage;
        langage = nullptr;
    }
    DossierTemporaire dossier;
    DossierCourant ici;
};

bool bDansLeCatalogue(const char* texte)
{
    return texte >= langage->texte && texte < langage->texte + langage->taille + 1;
}

}  // namespace

TEST_F(Libelles, TheWidgetKeepsItsOwnCopyThroughAReload)
{
    Fl_Box boite(0, 0, 10, 10);
    vLibeller(&boite, "Heure UTC");
    vBulle(&boite, "Aide tooltip");
    EXPECT_STREQ(boite.label(), "UTC time");
    EXPECT_STREQ(boite.tooltip(), "Help");
    EXPECT_FALSE(bDansLeCatalogue(boite.label()));
    EXPECT_FALSE(bDansLeCatalogue(boite.tooltip()));
    // The buffer the texts came from goes with the reload.
    ASSERT_EQ(langage->set("de"), 1);
    EXPECT_STREQ(boite.label(), "UTC time");
    EXPECT_STREQ(boite.tooltip(), "Help");
    vLibeller(&boite, "Heure UTC");
    EXPECT_STREQ(boite.label(), "UTC-Zeit");
    // A key without an entry stands as it is.
    vBulle(&boite, "Sans entree");
    EXPECT_STREQ(boite.tooltip(), "Sans entree");
}

TEST_F(Libelles, AWidgetNotBuiltIsSkipped)
{
    vLibeller(nullptr, "Heure UTC");
    vBulle(nullptr, "Aide tooltip");
    SUCCEED();
}

// A tooltip that only told a label too long for its box goes with the
// label; a tooltip of its own stays.
TEST_F(Libelles, ATooltipThatOnlyToldTheOldLabelGoesWithIt)
{
    Fl_Box boite(0, 0, 10, 10, "Heure UTC");
    boite.copy_tooltip("Heure UTC");
    vLibeller(&boite, "Heure UTC");
    EXPECT_EQ(boite.tooltip(), nullptr);
    vBulle(&boite, "Aide tooltip");
    vNommer(&boite, "Jour+1");
    EXPECT_STREQ(boite.tooltip(), "Help");
    EXPECT_STREQ(boite.label(), "Jour+1");
}
