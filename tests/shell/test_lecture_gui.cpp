// The read-out and the point charts of the viewer pages while files arrive,
// in the whole program: every window goes once, whatever the hides and
// deletions send back to the map under the pointer, and the popup goes
// with the page it reads.
#include "map/fdc.h"
#include "map/histogrammes.h"
#include "map/popup_overlay.h"
#include "pages/vr.h"
#include "shell/gui.h"
#include "transport/scan.h"
#include "ui/boutons.h"
#include "ui/globales_ui.h"

#include "grib_test.h"
#include "tests/outils/outils_test.h"
#include "tests/shell/programme_test.h"
#include "tests/ui/harnais_gui.h"

#include <FL/Fl.H>
#include <FL/Fl_Tabs.H>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace {

class Lecture : public ::testing::Test {
protected:
    Lecture()
    {
        std::filesystem::create_directory_symlink(std::string(QUENBREL_SOURCE_DIR) + "/data/loc",
                                                  dossier / "loc");
    }

    // A file dropped into lockdir/ and one pass of the scan.
    void recevoir(const std::string& nom, const std::string& octets = MessageTest().octets())
    {
        ecrireFichier(dossier / ("lockdir/" + nom), octets);
        vScanPasse(GUI);
    }

    // The pointer over the middle of the page's map, which the file's grid
    // fills (the page locks its view onto it): the first move enters the
    // map, the second reads. Again when another test's window on the
    // shared display took the pointer away, which hides the popup.
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
};

}  // namespace

// Pages 1 to 9 full, the charts and the read-out on page 9 under the
// pointer: one more file replaces page 9's. Hiding the popup and deleting
// the chart window both send a move back to the map, which reads again
// while the window is still being deleted.
TEST_F(Lecture, AFileReplacingAChartedPageDeletesItsChartWindowOnce)
{
    ProgrammeEnProcessus programme(dossier.chemin());
    ASSERT_TRUE(programme.bAttendreChargement());
    for (int i = 1; i <= 9; ++i)
        recevoir("f" + std::to_string(i) + ".grb");
    vr& page = *gvr[9];
    ASSERT_EQ(GUI->onglets->value(), &page);
    fdc& carte = *page.carte;
    vr::vBoutonVisualisateurHistogrammesCallback(page.boutonHistogrammes, &page);
    ASSERT_EQ(carte.histogrammeMode, 1);
    ASSERT_TRUE(bLire(carte));
    ASSERT_NE(carte.histogrammes, nullptr);

    recevoir("f10.grb");
    EXPECT_EQ(GUI->onglets->value(), &page);
    EXPECT_STREQ(page.titreVisualisateur->label(), "f10.grb");
    // The charts are those of the new file.
    EXPECT_TRUE(bLire(carte));
    EXPECT_NE(carte.histogrammes, nullptr);
    EXPECT_EQ(carte.histogrammeEtat, 1);
}

// The read-out of page 1 under the pointer; a received file brings page 2
// forward: page 1's popup neither stays nor comes back, since hiding it
// sends a move to the map under the pointer.
TEST_F(Lecture, TheReadOutGoesWithThePageAReceivedFileSendsBack)
{
    ProgrammeEnProcessus programme(dossier.chemin());
    ASSERT_TRUE(programme.bAttendreChargement());
    recevoir("premier.grb");
    ASSERT_EQ(GUI->onglets->value(), gvr[1]);
    ASSERT_TRUE(bLire(*gvr[1]->carte));

    recevoir("second.grb");
    ASSERT_EQ(GUI->onglets->value(), gvr[2]);
    EXPECT_FALSE(popupOverlay->visible());
    // Moves over the page in front read its own map, whose read-out is off.
    harnais::vSurvoler(GUI, gvr[1]->carte->x() + 10, gvr[1]->carte->y() + 10);
    Fl::check();
    EXPECT_FALSE(popupOverlay->visible());
}

// Pressure at 12 h, temperature alone at 18 h: the next validity has no
// pressure, and the popup does not keep the values of 12 h, neither at
// the step nor when the pointer moves; the step back reads again.
TEST_F(Lecture, AValidityWithoutTheFieldHidesTheReadOut)
{
    ProgrammeEnProcessus programme(dossier.chemin());
    ASSERT_TRUE(programme.bAttendreChargement());
    MessageTest temperature;
    temperature.parametre = 11, temperature.heure = 18;
    recevoir("deux.grb", MessageTest().octets() + temperature.octets());
    vr& page = *gvr[1];
    fdc& carte = *page.carte;
    ASSERT_TRUE(bLire(carte));
    const std::string pression = popupOverlay->texte;
    ASSERT_NE(pression.find("hPa"), std::string::npos);

    vr::vBoutonVisualisateurEcheancesNextCallback(nullptr, &page);
    ASSERT_EQ(carte.champs, nullptr);
    EXPECT_FALSE(popupOverlay->visible());
    harnais::vSurvoler(GUI, carte.x() + carte.w() / 2 + 3, carte.y() + carte.h() / 2);
    EXPECT_FALSE(popupOverlay->visible());
    EXPECT_EQ(carte.lecture, 1);

    vr::vBoutonVisualisateurEcheancesPreviousCallback(nullptr, &page);
    EXPECT_TRUE(popupOverlay->visible());
    EXPECT_EQ(popupOverlay->texte, pression);
}
