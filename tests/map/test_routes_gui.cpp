// Routes on a map in a window, recorded on their way to X11 and read back
// as pixels, and the chart windows of charted routes with their entries in
// the window menu.
#include "tests/map/carte_fenetre.h"

#include "ecriture_grib_test.h"
#include "gribdata/champ_grib.h"
#include "gribdata/fichier_grib.h"
#include "map/fl_histogramme.h"
#include "map/histogramme.h"
#include "map/histogrammes.h"
#include "map/hote_carte.h"
#include "map/routes_carte.h"
#include "routes/classe_route.h"
#include "routes/horloge_routes.h"
#include "routes/routes.h"
#include "tests/map/trace_test.h"
#include "tests/outils/outils_test.h"
#include "ui/crochets.h"
#include "ui/gestion_interfaces.h"
#include "ui/titre_ajuste.h"

#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Menu_Button.H>
#include <algorithm>
#include <cmath>

namespace {

const long T0 = 1796558400;  // 6 December 2026, 12 UTC: the fixtures' run
const long H = 3600;
const Fl_Color VERT = fl_rgb_color(0, 200, 0);

time_t maintenant = 0;

class Routes_ : public CarteFenetre {
protected:
    void SetUp() override
    {
        CarteFenetre::SetUp();
        fenetre->make_current();
        routesSansFenetre = &routes;
        vInstallerHistogrammesRoutes();
        ancienne = vHorlogeRoutes([] { return maintenant; });
        maintenant = T0 - 100 * H;
        menu.reset(new Fl_Menu_Button(0, 0, 10, 10));
        gestion_interfaces::menuFenetres = menu.get();
        crochetMenuGraphiques = iMenuGraphiquesRoutes;
    }
    void TearDown() override
    {
        carte->vGribFree(1);
        carte->gribListe = nullptr;
        routes.vider();
        crochetMenuGraphiques = nullptr;
        gestion_interfaces::menuFenetres = nullptr;
        crochetRouteHistogramme = nullptr;
        vHorlogeRoutes(ancienne);
        routesSansFenetre = nullptr;
    }
    classeRoute* ajouter(std::initializer_list<std::pair<double, double>> points, long debut,
                         long pas)
    {
        classeRoute* r = new classeRoute("Ouessant");
        long t = debut;
        for (const auto& [lat, lon] : points) {
            r->append(t, lat, lon);
            t += pas;
        }
        r->recalcul(0);
        r->visible = 1;
        r->couleur = int(VERT);
        routes.append(r);
        return r;
    }
    // A file of pressure over a 20 x 15 grid from 50 N 10 W, at n
    // validities 3 hours apart from T0, shown on the map at the first one
    // or `montree` hours later.
    void ouvrir(int n, int montree = 0)
    {
        std::vector<ChampEcrit> champs;
        for (int k = 0; k < n; ++k) {
            ChampEcrit c = champUniforme(2, 100000 + 100 * (k % 7), (3 * k) % 24);
            c.jour = 6 + 3 * k / 24;
            c.ni = 20, c.nj = 15, c.la1 = 50000, c.lo1 = -10000, c.di = c.dj = 500;
            champs.push_back(c);
        }
        ecrireFichier(d / "route.grb", sMessagesGrib(champs));
        fichier.reset(new File());
        fichier->set((d / "route.grb").c_str());
        ASSERT_NE(fichier->list, nullptr);
        validite.reset(new BoutonsPresses({long(fichier->list->validite) + montree}));
        carte->vGrib(fichier->list, parametres.data(), validite->data(), nullptr, nullptr,
                     nullptr, nullptr);
        ASSERT_NE(carte->champs, nullptr);
    }
    std::unique_ptr<PiloteEnregistreur> dessiner(double lat, double lon, double etendue)
    {
        return CarteFenetre::dessiner(lat, lon, etendue, [this] { carte->drawRoutes(); });
    }
    std::vector<std::string> entreesMenu()
    {
        gestion_interfaces::menu();
        std::vector<std::string> v;
        for (int i = 0; i < menu->size() - 1; ++i)
            if (menu->menu()[i].label())
                v.push_back(menu->menu()[i].label());
        return v;
    }
    static Histogrammes* graphiques(classeRoute* r)
    {
        return static_cast<Histogrammes*>(r->histogrammes);
    }

    Routes routes;
    HorlogeRoutes ancienne = nullptr;
    DossierTemporaire d;
    std::unique_ptr<File> fichier;
    BoutonsPresses parametres{{2}};
    std::unique_ptr<BoutonsPresses> validite;
    std::unique_ptr<Fl_Menu_Button> menu;
};

// The texts of one string in the order drawn.
std::vector<PiloteEnregistreur::Texte> textes(const PiloteEnregistreur& p, const std::string& s)
{
    return p.textes(s);
}

// The lines of one colour.
std::vector<PiloteEnregistreur::Trait> traits(const PiloteEnregistreur& p, Fl_Color c)
{
    std::vector<PiloteEnregistreur::Trait> v;
    for (const auto& t : p.traits)
        if (t.couleur == c)
            v.push_back(t);
    return v;
}

}  // namespace

// A route across the antimeridian is drawn without a gap, once per shift
// that shows it.
TEST_F(Routes_, ARouteAcrossTheAntimeridianIsContinuous)
{
    ajouter({{0, 170}, {0, 190}}, T0 - 1000 * H, 100 * H);
    for (double centre : {180.0, -180.0}) {
        auto p = dessiner(0, centre, 40);
        auto v = traits(*p, VERT);
        ASSERT_FALSE(v.empty()) << centre;
        int gauche = 1 << 30, droite = -(1 << 30);
        for (const auto& t : v) {
            gauche = std::min({gauche, t.x0, t.x1});
            droite = std::max({droite, t.x0, t.x1});
            EXPECT_EQ(t.y0, t.y1);
        }
        // 10 degrees on either side of the view's centre.
        const double parDegre = L / (carte->dLongitude(X + L) - carte->dLongitude(X));
        EXPECT_NEAR(gauche, X + L / 2 - 10 * parDegre, 2) << centre;
        EXPECT_NEAR(droite, X + L / 2 + 10 * parDegre, 2) << centre;
    }
}

// A leg whose two ends lie outside the view is drawn where it crosses it;
// positions within 10 pixels of an edge have no figure.
TEST_F(Routes_, LegsAreClippedAndFiguresKeepOffTheEdges)
{
    ajouter({{0, -50}, {0, 50}}, T0 - 1000 * H, 500 * H);
    auto p = dessiner(0, 0, 10);
    auto v = traits(*p, VERT);
    ASSERT_EQ(v.size(), 1u);
    EXPECT_EQ(std::min(v[0].x0, v[0].x1), X);
    EXPECT_EQ(std::max(v[0].x0, v[0].x1), X + L - 1);
    EXPECT_TRUE(p->images.empty());
    // A position 5 pixels inside the left edge: its leg, no figure.
    routes.vider();
    const double lon = carte->dLongitude(X + 5);
    ajouter({{0, lon}, {1, 0}}, T0 - 1000 * H, 500 * H);
    p.reset();  // one recording at a time
    p = CarteFenetre::dessiner(0, 0, 10, [this] { carte->drawRoutes(); });
    EXPECT_EQ(traits(*p, VERT).size(), 1u);
    for (const auto& i : p->images)
        EXPECT_GT(i.x, X + 10);
}

// The date of a user's position in the route's colour over two dark grey
// copies; the marked position's halo in the route's colour under a black
// figure, the others' in grey under a figure of the route's colour.
TEST_F(Routes_, DatesAndTheMarkedPosition)
{
    classeRoute* r = ajouter({{0, 0}, {1, 1}}, 1772712000L, 12 * H);  // 5 March, 12 UTC
    r->texte = 1;
    r->actif = 1;
    auto p = dessiner(0, 0.5, 4);
    auto t = textes(*p, "05/03-12h");
    ASSERT_EQ(t.size(), 3u);
    const Fl_Color GRIS = fl_rgb_color(64, 64, 64);
    EXPECT_EQ((std::vector<Fl_Color>{t[0].couleur, t[1].couleur, t[2].couleur}),
              (std::vector<Fl_Color>{GRIS, GRIS, VERT}));
    EXPECT_EQ(t[0].x + 1, t[2].x);
    EXPECT_EQ(t[1].x - 1, t[2].x);
    EXPECT_EQ(t[0].y + 1, t[2].y);
    EXPECT_EQ(t[1].y - 1, t[2].y);
    EXPECT_EQ(textes(*p, "06/03-00h").size(), 3u);
    ASSERT_EQ(p->images.size(), 4u);
    const int x = X + int(std::rint(carte->vueCarte().colonne(0)));
    EXPECT_EQ(p->images[0].x, x - 10);
    EXPECT_EQ((std::array<int, 2>{p->images[0].l, p->images[0].h}), (std::array<int, 2>{20, 20}));
    EXPECT_EQ(p->images[0].couleur, VERT);
    EXPECT_EQ(p->images[1].x, x - 8);
    EXPECT_EQ(p->images[1].couleur, FL_BLACK);
    EXPECT_EQ(p->images[2].couleur, COLOR_MOYEN);
    EXPECT_EQ(p->images[3].couleur, VERT);
    // A symbol of no figure: the leg alone.
    r->symbole = 13;
    p.reset();
    p = dessiner(0, 0.5, 4);
    EXPECT_TRUE(p->images.empty());
    EXPECT_TRUE(textes(*p, "05/03-12h").empty());
    EXPECT_EQ(traits(*p, VERT).size(), 1u);
}

// On a viewer with a file the route gets a red marker at the validity
// shown, and a white one where it stands now; without a file it is drawn
// as entered.
TEST_F(Routes_, MarkersAtNowAndAtTheValidityShown)
{
    ajouter({{46, -8}, {46, -2}}, T0 - 6 * H, 24 * H);
    maintenant = T0 + 12 * H;
    ouvrir(3, 6);
    EXPECT_EQ(routes.premier->route->dateEcheance, T0 + 6 * H);
    auto p = dessiner(46, -5, 8);
    std::vector<Fl_Color> figures;
    for (const auto& i : p->images)
        if (i.l == 16)
            figures.push_back(i.couleur);
    EXPECT_EQ(figures, (std::vector<Fl_Color>{VERT, FL_RED, FL_WHITE, VERT}));
    const classePosition* rouge = routes.premier->route->routeCourante->position(1);
    EXPECT_EQ(rouge->type, POSITION_ECHEANCE);
    EXPECT_EQ(rouge->date, T0 + 6 * H);
    p.reset();
    // The file closed: no validity, no marker at it.
    carte->vGribFree(0);
    carte->gribListe = nullptr;
    EXPECT_EQ(routes.premier->route->dateEcheance, 0);
    p = dessiner(46, -5, 8);
    figures.clear();
    for (const auto& i : p->images)
        if (i.l == 16)
            figures.push_back(i.couleur);
    EXPECT_EQ(figures, (std::vector<Fl_Color>{VERT, FL_WHITE, VERT}));
}

// The colours of the figures (not of the halos) in the order drawn.
std::vector<Fl_Color> couleursFigures(const PiloteEnregistreur& p)
{
    std::vector<Fl_Color> v;
    for (const auto& i : p.images)
        if (i.l == 16)
            v.push_back(i.couleur);
    return v;
}

// A charted route that starts at the file's first validity: its first
// position is still the user's, marked and dated.
TEST_F(Routes_, ACharteredRouteFromTheFirstValidityMarksItsFirstPosition)
{
    classeRoute* r = ajouter({{46, -8}, {46, -2}}, T0, 6 * H);
    r->histogramme = 1;
    r->texte = 1;
    r->actif = 1;
    ouvrir(5, 3);
    auto p = dessiner(46, -5, 8);
    ASSERT_NE(r->routeEcheances, nullptr);
    EXPECT_EQ(couleursFigures(*p), (std::vector<Fl_Color>{FL_BLACK, FL_RED, VERT}));
    ASSERT_FALSE(p->images.empty());
    EXPECT_EQ(p->images[0].couleur, VERT);  // the marked position's halo
    EXPECT_EQ(textes(*p, "06/12-12h").size(), 3u);
}

// The validity shown on a charted route's position: the red marker beside
// it, as on the route not charted.
TEST_F(Routes_, TheValidityShownOnAPositionOfACharteredRouteIsMarked)
{
    for (int charte : {0, 1}) {
        routes.vider();
        classeRoute* r = ajouter({{46, -8}, {46, -5}, {46, -2}}, T0 - 6 * H, 6 * H);
        r->histogramme = charte;
        ouvrir(5);
        auto p = dessiner(46, -5, 8);
        EXPECT_EQ(r->routeEcheances != nullptr, charte == 1);
        const std::vector<Fl_Color> attendu =
            charte ? std::vector<Fl_Color>{VERT, VERT, FL_RED, FL_WHITE, VERT}
                   : std::vector<Fl_Color>{VERT, VERT, FL_RED, VERT};
        EXPECT_EQ(couleursFigures(*p), attendu) << charte;
        p.reset();
        carte->vGribFree(1);
        carte->gribListe = nullptr;
    }
}

// A charted route's window: as wide as its samples, kept while the route
// is unchanged, refilled in place when a position moves, listed in the
// window menu under the route's name, raised by its entry.
TEST_F(Routes_, TheChartWindowOfACharteredRoute)
{
    const struct {
        int validites, largeur;
    } cas[] = {{12, 240}, {5, 200}, {200, std::min(4000, 200 * (Fl::w() / 200))}};
    for (const auto& k : cas) {
        routes.vider();
        classeRoute* r = ajouter({{46, -8}, {46, -7.99}}, T0 - H, (3 * k.validites) * H);
        r->histogramme = 1;
        ouvrir(k.validites);
        carte->drawRoutes();
        ASSERT_NE(r->histogrammes, nullptr) << k.validites;
        EXPECT_EQ(r->histogrammes->w(), k.largeur) << k.validites;
        EXPECT_EQ(r->compteurs[7], k.validites);
        carte->vGribFree(1);
        carte->gribListe = nullptr;
    }
    routes.vider();
    EXPECT_EQ(entreesMenu(), (std::vector<std::string>{"..."}));

    classeRoute* r = ajouter({{46, -8}, {46, -2}}, T0 - H, 14 * H);
    r->histogramme = 1;
    ouvrir(5);
    carte->drawRoutes();
    Histogrammes* h = graphiques(r);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(entreesMenu(), (std::vector<std::string>{"Ouessant"}));
    EXPECT_EQ(h->histogrammes[1]->histogramme->numb, 5);
    EXPECT_TRUE(std::string(h->titre->label()).find("Ouessant : route.grb") == 0);
    for (int k = 0; k < 3; ++k)
        carte->drawRoutes();
    EXPECT_EQ(graphiques(r), h);
    EXPECT_EQ(h->histogrammes[1]->histogramme->numb, 5);
    EXPECT_EQ(entreesMenu().size(), 1u);
    // The route's end moved: the same window, refilled.
    r->change(1, 46.0, -5.0);
    carte->drawRoutes();
    EXPECT_EQ(graphiques(r), h);
    EXPECT_EQ(h->histogrammes[1]->histogramme->numb, 5);
    // The entry raises the window, also after it was closed.
    h->hide();
    const Fl_Menu_Item* entree = menu->find_item("Ouessant");
    ASSERT_NE(entree, nullptr);
    entree->do_callback(menu.get());
    EXPECT_TRUE(harnais::bAttendre([h] { return h->shown() && h->visible(); }));
    // Charts off, as the chart button leaves them: the window goes with
    // its entry.
    r->histogramme = 0;
    delete r->histogrammes;
    r->histogrammes = nullptr;
    EXPECT_EQ(entreesMenu(), (std::vector<std::string>{"..."}));
    carte->drawRoutes();
    EXPECT_EQ(r->histogrammes, nullptr);
    // A route deleted with its window leaves no entry behind.
    r->histogramme = 1;
    r->modifiee = 1;
    carte->drawRoutes();
    ASSERT_NE(r->histogrammes, nullptr);
    EXPECT_EQ(entreesMenu(), (std::vector<std::string>{"Ouessant"}));
    routes.vider();
    EXPECT_EQ(menu->size(), 2);
    EXPECT_STREQ(menu->menu()[0].label(), "...");
}

// The service's answer holds the sea temperature at the surface, 50 m and
// 10 m at 12 h: a route at 46 N 6 W then charts each level apart, named,
// with eccodes' value there, never as three times.
TEST_F(Routes_, EachLevelOfAParameterIsChartedApart)
{
    if (!eccodesPresent())
        GTEST_SKIP() << "eccodes is not installed";
    const auto eccodes = valeursParNiveau(fixtureGrib("service.grb"), 11, 46, -6);
    ecrireFichier(d / "service.grb", lireFichier(fixtureGrib("service.grb")));
    fichier.reset(new File((d / "service.grb").c_str()));
    BoutonsPresses temperature{{11}};
    validite.reset(new BoutonsPresses({2026120612}));
    carte->vGrib(fichier->list, temperature.data(), validite->data(), nullptr, nullptr, nullptr,
                 nullptr);
    classeRoute* r = ajouter({{46, -6}, {46, -5.99}}, T0, 24 * H);
    r->histogramme = 1;
    carte->drawRoutes();
    const Histogrammes* h = graphiques(r);
    ASSERT_NE(h, nullptr);
    std::vector<std::string> obtenus, attendus;
    const char* noms[] = {"surface", "50 m", "10 m"};
    for (size_t k = 0; k < eccodes.size(); ++k)
        attendus.push_back(std::string("Temperature de la mer ou du sol (") + noms[k] + ") " +
                           std::to_string(std::lround(100 * (eccodes[k].valeur - 273.15))));
    for (int k = 1; k < HISTOGRAMMES_PLACES; ++k)
        if (h->genres[k] == 8) {
            const Fl_Histogramme& g = *h->histogrammes[k]->histogramme;
            obtenus.push_back(h->histogrammes[k]->titre->label());
            for (int e = 0; e < g.numb; ++e)
                obtenus.back() += " " + std::to_string(std::lround(100 * g.entries[e].val));
        }
    EXPECT_EQ(obtenus, attendus);
}

// A route's chart window opens on the map that charts it, at its top-left
// corner, whatever the pointer last did.
TEST_F(Routes_, TheChartWindowOpensOnTheMap)
{
    static int notee[2] = {0, 0};
    hoteCarte.noterPrincipale = [](int x, int y) { notee[0] = x, notee[1] = y; };
    hoteCarte.principaleNotee = [](int& x, int& y) { x = notee[0], y = notee[1]; };
    classeRoute* r = ajouter({{46, -8}, {46, -2}}, T0 - H, 14 * H);
    r->histogramme = 1;
    ouvrir(5);
    carte->drawRoutes();
    hoteCarte.noterPrincipale = nullptr;
    hoteCarte.principaleNotee = nullptr;
    Histogrammes* h = graphiques(r);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ((std::array<int, 2>{h->x(), h->y()}),
              (std::array<int, 2>{fenetre->x() + X, fenetre->y() + Y}));
}

// Chart windows' entries read as the routes are named: "&" doubled so the
// menu shows it, the add's path marks escaped.
TEST_F(Routes_, ChartWindowEntriesShowTheNamesAsTheyStand)
{
    const char* noms[] = {"R&D", "a/b_c", "\\x", "_y"};
    for (const char* nom : noms) {
        classeRoute* r = new classeRoute(nom);
        r->histogrammes = new Fl_Double_Window(10, 10);
        routes.append(r);
    }
    EXPECT_EQ(entreesMenu(), (std::vector<std::string>{"R&&D", "a/b_c", "\\x", "_y"}));
    EXPECT_NE(menu->find_item("R&&D"), nullptr);
}

// A one-position route, or a route outside the grid: one log line for the
// change, no window, no menu entry, however often the map draws.
TEST_F(Routes_, NothingToChartIsLoggedOncePerChange)
{
    JournalTemporaire journal(d / "log.txt");
    classeRoute* seule = ajouter({{46, -5}}, T0 + 3 * H, H);
    seule->histogramme = 1;
    classeRoute* loin = ajouter({{10, 40}, {11, 41}}, T0 - H, 10 * H);
    loin->histogramme = 1;
    ouvrir(3);
    for (int k = 0; k < 4; ++k)
        carte->drawRoutes();
    EXPECT_EQ(seule->histogrammes, nullptr);
    EXPECT_EQ(loin->histogrammes, nullptr);
    EXPECT_EQ(entreesMenu(), (std::vector<std::string>{"..."}));
    auto lignes = [&] {
        const std::string j = journal.contenu();
        size_t n = 0;
        for (size_t i = j.find("non concordants"); i != std::string::npos;
             i = j.find("non concordants", i + 1))
            ++n;
        return n;
    };
    EXPECT_EQ(lignes(), 2u);
    loin->change(1, 11.5, 41.0);
    carte->drawRoutes();
    carte->drawRoutes();
    EXPECT_EQ(lignes(), 3u);
}

// The window's width rule: 20 pixels a sample, within the screen in whole
// samples, at least 200.
TEST(LargeurHistogrammes, TwentyPixelsASampleWithinTheScreen)
{
    const int cas[][4] = {{12, 1280, 500, 240}, {5, 1280, 500, 200}, {200, 1280, 500, 1200},
                          {70, 1000, 500, 980},  {0, 1280, 500, 500}, {3000, 1280, 500, 200}};
    for (const auto& k : cas)
        EXPECT_EQ(iLargeurHistogrammes(k[0], k[1], k[2]), k[3]) << k[0];
}
