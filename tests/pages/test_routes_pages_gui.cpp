// The route window on the pages under Xvfb: built by the request page as
// its last product tab and stored at the page's end with the edited
// route kept in edit mode; edited from the request page's own map (right
// click, left click, Insert, Delete, d, r, z, e); brought into a viewer by
// its routes button and given back at the page switch.
#include "tests/pages/requeteur_test.h"

#include "map/fdc.h"
#include "routes/classe_route.h"
#include "routes/dru_routes.h"
#include "routes/horloge_routes.h"
#include "routes/spinner_position.h"
#include "tests/ui/harnais_gui.h"
#include "ui/boutons.h"

#include <FL/Fl.H>
#include <FL/Fl_Pack.H>
#include <FL/Fl_Tabs.H>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

class RoutesPages : public RequeteurTest {
protected:
    // Route A: 3 positions two days apart from yesterday, eastward on 45 N.
    void ecrireRoutes()
    {
        const long debut = long(tMaintenantRoutes()) - 86400;
        std::ostringstream s;
        s << "@routes\nA\n1 0 0 49 0 0 0 0 0\n";
        for (int k = 0; k < 3; ++k)
            s << debut + 172800L * k << " 45.0 " << -10 + k << "\n";
        s << "@fin\n@end\n";
        ecrireFichier("etc/routes.txt", s.str());
    }
    classeRoute* route() const { return Dru_Routes->routes->premier->route; }
    // Viewer page n beside the request page, in the same window.
    vr* visualisateur(int n)
    {
        poste->onglets->begin();
        vr* v = new vr(0, 99, 1000, 601, nullptr);
        poste->onglets->end();
        Fl_Group::current(nullptr);
        v->initialisation(&poste->fenetre, 500, n);
        Fl_Group::current(nullptr);
        pages[n] = v;
        ngvr = n + 1;
        return v;
    }
    int rangees() const { return route()->packPositions->children(); }
    bool marquee(int k) const
    {
        Fl_Group* r = static_cast<Fl_Group*>(route()->packPositions->child(k));
        return static_cast<Fl_Button*>(r->child(RANGEE_MARQUE))->value();
    }
    void touche(int cle, const char* texte = "")
    {
        fdc* c = page->carte;
        harnais::vSurvoler(&poste->fenetre, c->x() + 40, c->y() + 40);
        harnais::vTouche(&poste->fenetre, cle, texte);
        Fl::check();
    }
};

}  // namespace

TEST_F(RoutesPages, TheRequestPageBuildsTheWindowAndStoresItAtItsEnd)
{
    ecrireRoutes();
    construire(0, 0);
    ASSERT_NE(Dru_Routes, nullptr);
    Fl_Tabs* t = page->ongletsRequeteur;
    EXPECT_EQ(t->child(t->children() - 1), Dru_Routes);
    EXPECT_EQ(Dru_Routes->x(), 0);
    EXPECT_EQ(Dru_Routes->w(), page->largeurPanneau);
    EXPECT_TRUE(Fl::has_timeout(routes_timeout));
    Dru_Routes->vActivateRoute();
    ASSERT_EQ(route()->actif, 1);
    pages[0] = nullptr;
    poste.reset();
    EXPECT_EQ(Dru_Routes, nullptr);
    EXPECT_FALSE(Fl::has_timeout(routes_timeout));
    // The route stored in edit mode, on its first position.
    EXPECT_NE(lireFichier("etc/routes.txt").find("A\n1 1 0 49"), std::string::npos)
        << lireFichier("etc/routes.txt");
}

TEST_F(RoutesPages, EditsOnTheRequestMapReachTheRows)
{
    ecrireRoutes();
    construireVue();
    fdc* c = page->carte;
    Fl_Window* f = &poste->fenetre;
    Dru_Routes->vActivateRoute();
    ASSERT_EQ(route()->actif, 1);
    // A right click appends a marked last row.
    harnais::vCliquer(f, c->x() + c->w() / 2, c->y() + c->h() / 2, 3);
    ASSERT_EQ(rangees(), 4);
    EXPECT_EQ(route()->actif, 4);
    EXPECT_TRUE(marquee(3));
    EXPECT_FALSE(marquee(0));
    // A left click moves the marked position; its row follows.
    const int x = c->x() + c->w() / 2 + 40, y = c->y() + c->h() / 2 + 30;
    harnais::vCliquer(f, x, y, 1);
    Fl::check();
    const classePosition* p = route()->position(3);
    EXPECT_NEAR(p->latitude, c->dLatitude(y), 0.5);
    Fl_Group* r3 = static_cast<Fl_Group*>(route()->packPositions->child(3));
    EXPECT_EQ(static_cast<spinnerPosition*>(r3->child(RANGEE_LATITUDE))->value(),
              p->latitudeDegres);
    // z and r move the mark.
    touche('z', "z");
    EXPECT_EQ(route()->actif, 3);
    EXPECT_TRUE(marquee(2));
    EXPECT_FALSE(marquee(3));
    touche('r', "r");
    EXPECT_EQ(route()->actif, 4);
    EXPECT_TRUE(marquee(3));
    // Insert after the marked position, then Delete it.
    touche(FL_Insert);
    EXPECT_EQ(rangees(), 5);
    EXPECT_EQ(route()->actif, 5);
    EXPECT_TRUE(marquee(4));
    touche(FL_Delete);
    EXPECT_EQ(rangees(), 4);
    EXPECT_EQ(route()->actif, 4);
    EXPECT_TRUE(marquee(3));
    // d: the position at the current time (between the first two).
    touche('d', "d");
    EXPECT_EQ(rangees(), 5);
    EXPECT_EQ(route()->actif, 2);
    EXPECT_TRUE(marquee(1));
    // e: edit mode off, the mark kept.
    touche('e', "e");
    EXPECT_EQ(route()->actif, -2);
}

TEST_F(RoutesPages, AViewerRoutesButtonTakesTheWindowAndThePageSwitchGivesItBack)
{
    ecrireRoutes();
    construire(0, 0);
    vr* v = visualisateur(1);
    ASSERT_TRUE(v->boutonRoutes->active());
    const int h = Dru_Routes->h();
    v->boutonRoutes->do_callback();
    EXPECT_EQ(Dru_Routes->parent(), v->ongletsVisualisateur);
    EXPECT_EQ(v->ongletsVisualisateur->value(), Dru_Routes);
    EXPECT_EQ(Dru_Routes->h(), h + 40);
    EXPECT_EQ(v->boutonRoutes->value(), 1);
    // Released: the viewer's own panel again, the window kept there.
    v->boutonRoutes->do_callback();
    EXPECT_EQ(v->ongletsVisualisateur->value(), v->ongletVisualisateur);
    EXPECT_EQ(v->boutonRoutes->value(), 0);
    v->boutonRoutes->do_callback();
    EXPECT_EQ(Dru_Routes->h(), h + 40);
    // The way back to the request page.
    page->vRoutesAuRequeteur();
    EXPECT_EQ(Dru_Routes->parent(), page->ongletsRequeteur);
    EXPECT_EQ(Dru_Routes->h(), h);
    EXPECT_EQ(v->boutonRoutes->value(), 0);
    EXPECT_EQ(v->ongletsVisualisateur->value(), v->ongletVisualisateur);
    page->vRoutesAuRequeteur();
    EXPECT_EQ(Dru_Routes->h(), h);
    pages[1] = nullptr;
    ngvr = 1;
}

// At the end the window may sit in a viewer: it goes back to the request
// page, which writes the routes, whichever page goes first.
TEST_F(RoutesPages, AtTheEndTheRoutesAreWrittenFromAViewerToo)
{
    for (bool viewerFirst : {true, false}) {
        ecrireRoutes();
        construire(0, 0);
        vr* v = visualisateur(5);
        v->boutonRoutes->do_callback();
        ASSERT_EQ(Dru_Routes->parent(), v->ongletsVisualisateur);
        std::remove("etc/routes.txt");
        if (viewerFirst) {
            pages[5] = nullptr;
            delete v;
            ASSERT_NE(Dru_Routes, nullptr);
            EXPECT_EQ(Dru_Routes->parent(), page->ongletsRequeteur);
        }
        // The window's pages go in their order, page 0 first.
        pages[0] = nullptr;
        poste.reset();
        page = nullptr;
        pages[5] = nullptr;
        ngvr = 1;
        EXPECT_EQ(Dru_Routes, nullptr);
        std::ifstream f("etc/routes.txt");
        std::string premiere;
        EXPECT_TRUE(std::getline(f, premiere)) << viewerFirst;
        EXPECT_EQ(premiere, "@routes") << viewerFirst;
    }
}
