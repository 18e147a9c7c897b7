// The commands of a route tab under Xvfb: edit mode passed from one route
// to another, a hidden route that cannot enter it, hiding that releases
// it, the key e, constant speed, the boat figure, a rename, the chart
// button, and the redraw timer with a widget that stands for the map.
#include "tests/routes/fenetre_test.h"

#include "routes/classe_route.h"
#include "tests/routes/outils_routes.h"
#include "tests/ui/harnais_gui.h"
#include "ui/images/images.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Menu_Button.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Tabs.H>
#include <cmath>
#include <cstdlib>
#include <memory>

namespace {

// Clicks the toggle as the user would: flipped, then its callback.
void basculer(Fl_Button* b)
{
    b->value(!b->value());
    b->do_callback();
}

}  // namespace

TEST_F(FenetreRoutes, ActiveOnOneRouteReleasesTheOtherOnItsMarkedPosition)
{
    ecrireRoutes({{"A", 1, 0, 4}, {"B", 1, 0, 3}});
    construire();
    basculer(bouton(0, ROUTE_ONGLET_ACTIF));
    ASSERT_EQ(route(0)->actif, 1);
    basculer(boutonRangee(0, 2, RANGEE_MARQUE));
    ASSERT_EQ(route(0)->actif, 3);
    route(0)->modifiee = 0;
    basculer(bouton(1, ROUTE_ONGLET_ACTIF));
    EXPECT_EQ(route(0)->actif, -3);
    EXPECT_EQ(route(0)->modifiee, 1);
    EXPECT_EQ(bouton(0, ROUTE_ONGLET_ACTIF)->value(), 0);
    EXPECT_EQ(route(1)->actif, 1);
    EXPECT_EQ(boutonRangee(1, 0, RANGEE_MARQUE)->value(), 1);
    EXPECT_EQ(bouton(1, ROUTE_ONGLET_ACTIF)->value(), 1);
    // Back on A: its third position again.
    basculer(bouton(0, ROUTE_ONGLET_ACTIF));
    EXPECT_EQ(route(0)->actif, 3);
    EXPECT_EQ(route(1)->actif, -1);
    EXPECT_EQ(boutonRangee(0, 2, RANGEE_MARQUE)->value(), 1);
    EXPECT_EQ(boutonRangee(0, 0, RANGEE_MARQUE)->value(), 0);
}

TEST_F(FenetreRoutes, AHiddenRouteSpringsBackAndHidingReleases)
{
    ecrireRoutes({{"A", 0, 0, 2}, {"B", 1, 0, 2}});
    construire();
    basculer(bouton(0, ROUTE_ONGLET_ACTIF));
    EXPECT_EQ(bouton(0, ROUTE_ONGLET_ACTIF)->value(), 0);
    EXPECT_EQ(route(0)->actif, 0);
    EXPECT_EQ(route(0)->modifiee, 1);
    basculer(bouton(1, ROUTE_ONGLET_ACTIF));
    ASSERT_EQ(route(1)->actif, 1);
    basculer(bouton(1, ROUTE_ONGLET_VISIBLE));
    EXPECT_EQ(route(1)->visible, 0);
    EXPECT_EQ(route(1)->actif, -1);
    EXPECT_EQ(bouton(1, ROUTE_ONGLET_ACTIF)->value(), 0);
    basculer(bouton(1, ROUTE_ONGLET_VISIBLE));
    EXPECT_EQ(route(1)->visible, 1);
    EXPECT_EQ(route(1)->actif, -1);
    // Key e on the hidden route's tab only releases its toggle.
    routes->tabsRoutes->value(onglet(0));
    bouton(0, ROUTE_ONGLET_ACTIF)->value(1);
    routes->vActivateRoute();
    EXPECT_EQ(bouton(0, ROUTE_ONGLET_ACTIF)->value(), 0);
    EXPECT_EQ(route(0)->actif, 0);
    // Key e on a visible route's tab flips edit mode.
    routes->tabsRoutes->value(onglet(1));
    routes->vActivateRoute();
    EXPECT_EQ(route(1)->actif, 1);
    routes->vActivateRoute();
    EXPECT_EQ(route(1)->actif, -1);
}

TEST_F(FenetreRoutes, ConstantSpeedFromTheMarkedPositionDatesTheLegsFromTheSpeed)
{
    ecrireRoutes({{"A", 1, 0, 5}});
    construire();
    classeRoute* r = route(0);
    basculer(bouton(0, ROUTE_ONGLET_ACTIF));
    basculer(boutonRangee(0, 1, RANGEE_MARQUE));
    ASSERT_EQ(r->actif, 2);
    r->position(1)->vitesse = 6.25;
    // The expected dates: the same speeds on a copy, recomputed.
    auto attendu = ::route({{1700000000, 45, -10}, {1700021600, 45, -9}, {1700043200, 45, -8},
                          {1700064800, 45, -7}, {1700086400, 45, -6}});
    attendu->recalcul(0);
    for (int k = 1; k < 5; ++k)
        attendu->position(k)->vitesse = 6.2;
    attendu->recalcul(1);
    choisir(0, ROUTE_ONGLET_OUTILS, 2);
    EXPECT_EQ(r->position(0)->vitesse, attendu->position(0)->vitesse);
    for (int k = 1; k < 5; ++k) {
        EXPECT_EQ(r->position(k)->date, attendu->position(k)->date) << k;
        EXPECT_NEAR(r->position(k)->vitesse, k < 4 ? 6.2 : 0, 1e-9) << k;
    }
    EXPECT_EQ(r->position(1)->date, 1700021600);
    EXPECT_NEAR(champ(0, 2, RANGEE_VITESSE)->value(), 6.2, 1e-9);
    EXPECT_EQ(champ(0, 4, RANGEE_HEURE)->value(), attendu->position(4)->dateUTC[3]);
    // With edit mode off nothing changes.
    basculer(bouton(0, ROUTE_ONGLET_ACTIF));
    const time_t fin = r->position(4)->date;
    r->position(1)->vitesse = 3;
    choisir(0, ROUTE_ONGLET_OUTILS, 2);
    EXPECT_EQ(r->position(4)->date, fin);
}

namespace {

// n positions an hour apart, zigzagging eastward; position `immobile`
// (0: none) repeats the one before it, a leg of no length.
std::unique_ptr<classeRoute> routeLongue(int n, int immobile = 0)
{
    auto r = std::make_unique<classeRoute>("L");
    double lat = 45, lon = -10;
    for (int k = 0; k < n; ++k) {
        if (k != immobile || k == 0) {
            lat = 45 + std::sin(k * 0.7) * 0.2;
            lon = -10 + 0.05 * k;
        }
        r->append(long(1700000000 + 3600 * k), lat, lon);
    }
    r->recalcul(0);
    return r;
}

// Constant speed as the route once got it: recomputed after each speed.
void vVitesseParPosition(classeRoute& r)
{
    double v = -1;
    int i = 0;
    for (structurePosition* c = r.premier; c; c = c->suivant, ++i) {
        if (i == r.actif - 1) {
            c->position->vitesse = v = int(std::rint(c->position->vitesse * 10)) / 10.0;
        } else if (v > 0 && v <= ROUTE_VITESSE_MAX) {
            c->position->vitesse = int(std::rint(v * 10)) / 10.0;
            r.recalcul(1);
        }
    }
}

void vVitesseConstante(classeRoute& r)
{
    Fl_Menu_Button menu(0, 0, 20, 20);
    DRU_Routes::vBoutonRouteVitesseConstanteCallback(&menu, &r);
}

}  // namespace

// One recomputation once every speed is set gives the route that one per
// position gave: speeds from a marked one, before a leg of no length, at
// 0 knots before the mark, in fixed-speed mode.
TEST(VitesseConstante, OneRecomputationGivesTheRouteOfOnePerPosition)
{
    const struct {
        int positions, actif, immobile, fixe;
        double vitesse;  // of the marked position
        int recalculs;
    } cas[] = {
        {10000, 2, 0, 0, 6.25, 1}, {120, 1, 0, 0, 9.96, 1}, {120, 40, 41, 0, 7.04, 1},
        {120, 60, 30, 1, 12.35, 1}, {120, 120, 0, 0, 5, 0}, {120, 3, 0, 0, 0.04, 0},
        {120, -3, 0, 0, 8, 0},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(::testing::Message() << c.positions << " positions, actif " << c.actif);
        auto preparer = [&c] {
            std::unique_ptr<classeRoute> r = routeLongue(c.positions, c.immobile);
            r->actif = c.actif;
            r->vitesseFixe = c.fixe;
            r->position(0)->vitesse = 0;
            r->position(std::abs(c.actif) - 1)->vitesse = c.vitesse;
            return r;
        };
        std::unique_ptr<classeRoute> r = preparer();
        const long avant = NombreDeRecalculs;
        vVitesseConstante(*r);
        EXPECT_EQ(NombreDeRecalculs - avant, c.recalculs);
        if (c.positions > 1000) {
            // One recomputation per position there takes minutes.
            EXPECT_EQ(r->position(c.positions / 2)->vitesse, 6.2);
            EXPECT_EQ(r->position(c.positions - 1)->vitesse, 0);
            continue;
        }
        std::unique_ptr<classeRoute> attendu = preparer();
        vVitesseParPosition(*attendu);
        const auto obtenues = positions(*r), attendues = positions(*attendu);
        ASSERT_EQ(obtenues.size(), attendues.size());
        for (size_t k = 0; k < obtenues.size(); ++k) {
            const classePosition &p = obtenues[k], &q = attendues[k];
            ASSERT_TRUE(p.date == q.date && p.vitesse == q.vitesse && p.cap == q.cap &&
                        p.loxo == q.loxo && p.ortho == q.ortho && p.longitude == q.longitude)
                << k;
        }
        EXPECT_EQ(r->totalLoxo, attendu->totalLoxo);
    }
}

TEST_F(FenetreRoutes, TheChoosersAndTogglesOfTheTab)
{
    RouteFichier a{"A", 1, 0, 2};
    a.symbole = 40;
    ecrireRoutes({a});
    construire();
    classeRoute* r = route(0);
    // A figure the menu does not offer comes from the file as its last one.
    EXPECT_EQ(r->symbole, 12);
    EXPECT_EQ(enfant(0, ROUTE_ONGLET_SYMBOLE)->image(), pFigureRoute(12));
    choisir(0, ROUTE_ONGLET_SYMBOLE, 9);
    EXPECT_EQ(route(0)->symbole, 9);
    EXPECT_EQ(enfant(0, ROUTE_ONGLET_SYMBOLE)->image(), pFigureRoute(9));
    choisir(0, ROUTE_ONGLET_STYLE, 2);
    choisir(0, ROUTE_ONGLET_TAILLE, 3);
    choisir(0, ROUTE_ONGLET_OUTILS, 0);
    choisir(0, ROUTE_ONGLET_OUTILS, 1);
    EXPECT_EQ(r->style, 2);
    EXPECT_EQ(r->taille, 3);
    EXPECT_EQ(r->texte, 1);
    EXPECT_EQ(r->vitesseFixe, 1);
    // The chart button: option on, then off.
    Fl_Button* h = bouton(0, ROUTE_ONGLET_HISTOGRAMME);
    r->modifiee = 0;
    h->do_callback();
    EXPECT_EQ(r->histogramme, 1);
    EXPECT_EQ(h->value(), 1);
    EXPECT_EQ(h->image(), image_histogram20152);
    EXPECT_EQ(r->modifiee, 1);
    r->histogrammes = new Fl_Double_Window(10, 10);
    r->modifiee = 0;
    h->do_callback();
    EXPECT_EQ(r->histogramme, 0);
    EXPECT_EQ(r->histogrammes, nullptr);
    EXPECT_EQ(h->image(), image_histogram2015);
    EXPECT_EQ(r->modifiee, 1);
}

TEST_F(FenetreRoutes, ARenameRefusesTheEndMarkAndCutsALongName)
{
    ecrireRoutes({{"A", 1, 0, 2}});
    construire();
    Fl_Input* nom = static_cast<Fl_Input*>(enfant(0, ROUTE_ONGLET_NOM));
    nom->value("@end");
    nom->do_callback();
    EXPECT_STREQ(route(0)->nom, "A");
    EXPECT_STREQ(nom->value(), "A");
    std::string long_;
    for (int i = 0; i < 100; ++i)
        long_ += "é";
    nom->value(long_.c_str());
    nom->do_callback();
    EXPECT_EQ(std::string(route(0)->nom), long_.substr(0, 126));
    EXPECT_EQ(menu(), std::vector<std::string>{long_.substr(0, 126)});
    routes->boutonEnregistrer->do_callback();
    routes->boutonOuvrir->do_callback();
    EXPECT_EQ(std::string(route(0)->nom), long_.substr(0, 126));
}

// A widget standing for the map: counts the redraws it is asked for.
TEST_F(FenetreRoutes, TheTimerRedrawsTheMapWhileAVisibleRouteIsUnderWay)
{
    HorlogeFixe horloge(1700000000 + 3600);
    ecrireRoutes({{"A", 1, 0, 2, 1700000000 - 86400}});
    construire();
    fenetre->begin();
    Fl_Box* carte = new Fl_Box(0, 0, 10, 10);
    fenetre->end();
    // No map yet: nothing to redraw, and the timer goes on.
    Fl::remove_timeout(routes_timeout);
    routes_timeout(nullptr);
    EXPECT_TRUE(Fl::has_timeout(routes_timeout));
    routes->fdcCourant = carte;
    // Yesterday to tomorrow (positions 6 h apart from yesterday: -24 h, -18 h).
    const struct {
        long debut;
        int visible, positions;
        bool redessine;
    } cas[] = {
        {1700000000 - 86400, 1, 10, true},
        {1700000000 - 86400, 0, 10, false},
        {1700003600, 1, 1, false},
        {1700003600, 1, 3, false},
        {1700003600 - 21600 * 2, 1, 3, false},
    };
    for (const auto& c : cas) {
        ecrireRoutes({{"A", c.visible, 0, c.positions, c.debut}});
        routes->boutonOuvrir->do_callback();
        carte->clear_damage();
        routes_timeout(nullptr);
        EXPECT_EQ(carte->damage() != 0, c.redessine) << c.debut << " " << c.visible;
        EXPECT_TRUE(Fl::has_timeout(routes_timeout));
    }
    // Without the window the timer stops.
    Fl::remove_timeout(routes_timeout);
    DRU_Routes* garde = Dru_Routes;
    Dru_Routes = nullptr;
    routes_timeout(nullptr);
    EXPECT_FALSE(Fl::has_timeout(routes_timeout));
    Dru_Routes = garde;
}
