// The read-out and the point charts of the viewer pages while files arrive,
// in the whole program: hiding the popup or deleting a chart window sends a
// move back to the map under the pointer, which must neither delete a
// window twice nor show the popup of a page gone or of a field gone.
#include "map/fdc.h"
#include "map/popup_overlay.h"
#include "pages/vr.h"
#include "shell/gui.h"
#include "transport/scan.h"
#include "ui/boutons.h"
#include "ui/globales_ui.h"

#include "grib_test.h"
#include "tests/shell/programme_test.h"
#include "tests/ui/harnais_gui.h"

#include <FL/Fl_Tabs.H>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

class Lecture : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::create_directory_symlink(std::string(QUENBREL_SOURCE_DIR) + "/data/loc",
                                                  dossier / "loc");
        ASSERT_TRUE(programme.bAttendreChargement());
    }
    void recevoir(const std::string& nom, const std::string& octets = MessageTest().octets())
    {
        ecrireFichier(dossier / ("lockdir/" + nom), octets);
        vScanPasse(GUI);
    }
    // The pointer over the middle of the map, on the file's grid (the
    // view locked onto it): a first move enters the map, the second reads.
    // Again when another test's window took the pointer away.
    static bool bLire(fdc& carte)
    {
        return harnais::bAttendre([&] {
            carte.lecture = 1;
            for (int i = 0; i < 2; ++i)
                harnais::vSurvoler(GUI, carte.x() + carte.w() / 2, carte.y() + carte.h() / 2);
            return popupOverlay->visible() && carte.lecture;
        });
    }

    DossierTemporaire dossier;
    ProgrammeEnProcessus programme{dossier.chemin()};
};

}  // namespace

// Pages 1 to 9 full, charts and read-out on page 9: one more file replaces
// page 9's while its chart window is open.
TEST_F(Lecture, AFileReplacingAChartedPageDeletesItsChartWindowOnce)
{
    for (int i = 1; i <= 9; ++i)
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

// Page 1 reads; a received file brings page 2 forward: page 1's popup
// neither stays nor comes back.
TEST_F(Lecture, TheReadOutGoesWithThePageAReceivedFileSendsBack)
{
    recevoir("premier.grb");
    ASSERT_TRUE(bLire(*gvr[1]->carte));
    recevoir("second.grb");
    ASSERT_EQ(GUI->onglets->value(), gvr[2]);
    EXPECT_FALSE(popupOverlay->visible());
    harnais::vSurvoler(GUI, gvr[1]->carte->x() + 10, gvr[1]->carte->y() + 10);
    EXPECT_FALSE(popupOverlay->visible());
}

// Pressure at 12 h, temperature alone at 18 h: at 18 h the popup does not
// keep the pressure of 12 h, nor when the pointer moves; back at 12 h it
// reads again.
TEST_F(Lecture, AValidityWithoutTheFieldHidesTheReadOut)
{
    MessageTest temperature;
    temperature.parametre = 11, temperature.heure = 18;
    recevoir("deux.grb", MessageTest().octets() + temperature.octets());
    vr& page = *gvr[1];
    fdc& carte = *page.carte;
    ASSERT_TRUE(bLire(carte));
    const std::string pression = popupOverlay->texte;
    vr::vBoutonVisualisateurEcheancesNextCallback(nullptr, &page);
    ASSERT_EQ(carte.champs, nullptr);
    EXPECT_FALSE(popupOverlay->visible());
    harnais::vSurvoler(GUI, carte.x() + carte.w() / 2 + 3, carte.y() + carte.h() / 2);
    EXPECT_FALSE(popupOverlay->visible());
    vr::vBoutonVisualisateurEcheancesPreviousCallback(nullptr, &page);
    EXPECT_TRUE(popupOverlay->visible());
    EXPECT_EQ(popupOverlay->texte, pression);
}
