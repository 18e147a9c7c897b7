// The route window in the whole program: the page switch ends edit mode
// and brings the window back to the request page from a viewer.
#include "pages/vr.h"
#include "routes/classe_route.h"
#include "routes/dru_routes.h"
#include "routes/routes.h"
#include "shell/gui.h"
#include "ui/boutons.h"
#include "ui/globales_ui.h"

#include "tests/outils/outils_test.h"
#include "tests/shell/programme_test.h"

#include <FL/Fl_Button.H>
#include <FL/Fl_Tabs.H>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

void vBasculer(int page)
{
    Fl_Button bouton(0, 0, 1, 1);
    bouton.shortcut(page);
    vBoutonRequeteurVisualisateurAideCallback(&bouton, nullptr);
}

}  // namespace

TEST(RoutesProgramme, ThePageSwitchEndsEditModeAndBringsTheWindowBack)
{
    DossierTemporaire dossier;
    std::filesystem::create_directory_symlink(std::string(QUENBREL_SOURCE_DIR) + "/data/loc",
                                              dossier / "loc");
    ProgrammeEnProcessus programme(dossier.chemin());
    ASSERT_TRUE(programme.bAttendreChargement());
    ASSERT_NE(Dru_Routes, nullptr);
    ASSERT_NE(Dru_Routes->routes->premier, nullptr);
    classeRoute* route = Dru_Routes->routes->premier->route;
    vr* requeteur = gvr[0];
    const int h = Dru_Routes->h();
    // The sample route comes hidden; only a shown route can be edited.
    route->visible = 1;

    // Edit mode on, then any page switch ends it.
    for (int page : {4, 0}) {
        Dru_Routes->vActivateRoute();
        ASSERT_GT(route->actif, 0) << page;
        vBasculer(page);
        EXPECT_LT(route->actif, 0) << page;
        EXPECT_EQ(GUI->onglets->value(), gvr[page]);
    }

    // A viewer takes the window; going back to the request page returns it
    // there, 40 pixels shorter again, the viewer's button released.
    vBasculer(1);
    vr* visualisateur = gvr[1];
    ASSERT_TRUE(visualisateur->boutonRoutes->active());
    visualisateur->boutonRoutes->do_callback();
    ASSERT_EQ(Dru_Routes->parent(), visualisateur->ongletsVisualisateur);
    EXPECT_EQ(Dru_Routes->h(), h + 40);
    Dru_Routes->vActivateRoute();
    ASSERT_GT(route->actif, 0);
    vBasculer(0);
    EXPECT_LT(route->actif, 0);
    EXPECT_EQ(Dru_Routes->parent(), requeteur->ongletsRequeteur);
    EXPECT_EQ(Dru_Routes->h(), h);
    EXPECT_EQ(visualisateur->boutonRoutes->value(), 0);
    EXPECT_EQ(visualisateur->ongletsVisualisateur->value(), visualisateur->ongletVisualisateur);
}
