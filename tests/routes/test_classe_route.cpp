// The route model: legs, totals and the date rules, against GeographicLib
// where a length or course is at stake.
#include "routes/route_exemple.h"

#include "tests/routes/outils_routes.h"

#include <FL/Fl_Double_Window.H>
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <tuple>

namespace {

const long T = 1700000040;  // a whole minute

// Every field of two positions.
void vMemes(const classePosition& a, const classePosition& b, int i)
{
    auto champs = [](const classePosition& p) {
        return std::make_tuple(p.numero, p.date, p.latitude, p.longitude, p.latitudeDegres,
                               p.latitudeMinutes, p.latitudeSecondes, p.longitudeDegres,
                               p.longitudeMinutes, p.longitudeSecondes, p.latitudeRadians,
                               p.longitudeRadians, p.cap, p.vitesse, p.loxo, p.ortho,
                               std::vector<int>(p.dateUTC, p.dateUTC + 6),
                               std::vector<int>(p.dateLocale, p.dateLocale + 6), p.type);
    };
    EXPECT_TRUE(champs(a) == champs(b)) << "position " << i;
}

}  // namespace

TEST(ClasseRoute, TheSampleRouteAgainstGeographicLib)
{
    if (!bGeographicLib())
        GTEST_SKIP() << "geographiclib-tools is not installed";
    HorlogeFixe horloge(T);
    std::unique_ptr<classeRoute> r(pRouteExemple());
    EXPECT_STREQ(r->nom, "Nom du bateau ou du phenomene");
    EXPECT_EQ(r->texte, 1);
    EXPECT_EQ(r->couleur, 49);
    EXPECT_EQ(r->dernierNumero, 3);
    const std::vector<classePosition> p = positions(*r);
    const long dates[] = {T, T + 172800, T + 604800, T + 691200};
    std::ostringstream entree;
    for (size_t i = 0; i < p.size(); ++i) {
        EXPECT_EQ(p[i].date, dates[i]);
        if (i)
            entree << p[i - 1].latitude << " " << p[i - 1].longitude << " " << p[i].latitude << " "
                   << p[i].longitude << "\n";
    }
    const auto rhumb = resoudre("RhumbSolve -i", entree.str());
    const auto geodesique = resoudre("GeodSolve -i", entree.str());
    ASSERT_EQ(rhumb.size(), 3u);
    double loxo = 0, ortho = 0;
    for (size_t i = 1; i < p.size(); ++i) {
        EXPECT_NEAR(p[i].loxo, rhumb[i - 1][1], 1e-6);
        EXPECT_NEAR(p[i].ortho, geodesique[i - 1][2], 1e-6);
        EXPECT_LT(ecartAngle(p[i - 1].cap, rhumb[i - 1][0]), 1e-7);
        EXPECT_NEAR(p[i - 1].vitesse, rhumb[i - 1][1] / ((dates[i] - dates[i - 1]) / 3600.0), 1e-9);
        loxo += rhumb[i - 1][1];
        ortho += geodesique[i - 1][2];
    }
    EXPECT_NEAR(r->totalLoxo, loxo, 1e-6);
    EXPECT_NEAR(r->totalOrtho, ortho, 1e-6);
    EXPECT_EQ(p[3].vitesse, 0);
    r->recalcul(0);
    EXPECT_NEAR(r->cumulOrtho(-1), r->totalOrtho, 1e-9);
}

TEST(ClasseRoute, LegsAcrossTheAntimeridianAndTheDateRule)
{
    auto r = route({{T, 0, 170}, {T + 86400, 0, -170}});
    r->recalcul(0);
    EXPECT_EQ(r->position(1)->longitude, 190);
    EXPECT_NEAR(r->totalLoxo, 1200, 1e-9);
    EXPECT_NEAR(r->totalOrtho, 1200, 1e-9);
    EXPECT_EQ(r->position(1)->cap, 0);
    EXPECT_EQ(r->position(0)->cap, 90);

    // 300 miles dated one hour later: 300, 150 and 100 knots refused.
    auto rapide = route({{T, 0, 0}, {T + 3600, 5, 0}});
    EXPECT_EQ(rapide->position(1)->date, T + 4 * 3600);
    EXPECT_NEAR(rapide->position(0)->vitesse, 75, 1e-9);

    // Equal dates: the later position one hour on; a recomputation of a
    // positive leg between equal dates gives a fast, finite speed.
    auto egales = route({{T, 0, 0}, {T, 0, 0.5}});
    EXPECT_EQ(egales->position(1)->date, T + 3600);
    egales->position(1)->set(long(T));
    egales->recalcul(0);
    EXPECT_TRUE(std::isfinite(egales->position(0)->vitesse));
    EXPECT_GT(egales->position(0)->vitesse, 99.9);

    // Dated from the previous speed, 10 knots when it had none.
    auto sans = route({{T, 0, 0}});
    sans->append();
    sans->set(0.0, 1.0, 1);
    EXPECT_EQ(sans->position(0)->vitesse, 10);
    EXPECT_EQ(sans->position(1)->date, T + long(sans->position(1)->loxo / 10 * 3600));
}

TEST(ClasseRoute, ChangesRefusedOrUndoneLeaveEveryFieldAsItWas)
{
    const double mille = 1 / 60.0;
    auto r = route({{T, 0, 0}, {T + 3600, mille, 0}, {T + 7200, 2 * mille, 0}});
    r->recalcul(0);
    auto avant = positions(*r);
    const double total = r->totalLoxo;
    auto inchange = [&](const char* quoi) {
        const auto apres = positions(*r);
        for (size_t i = 0; i < apres.size(); ++i)
            vMemes(apres[i], avant[i], int(i));
        EXPECT_EQ(r->totalLoxo, total) << quoi;
    };
    r->change(1, long(T + 59));
    inchange("59 s");
    r->change(2, long(T + 3600 + 59));
    inchange("59 s before");
    r->change(2, ROUTE_DATE_LIMITE);
    inchange("2038");
    for (double lat : {double(NAN), double(INFINITY), 95.0, -90.5}) {
        r->change(1, lat, 0.0);
        inchange("off the globe");
    }
    r->change(1, 0.0, NAN);
    inchange("nan longitude");
    // 10 miles in an hour stands; 100 miles in an hour is undone.
    r->change(1, 10 * mille, 0.0);
    EXPECT_NEAR(r->position(0)->vitesse, 10, 1e-9);
    avant = positions(*r);
    r->change(1, 100 * mille, 0.0);
    const auto apres = positions(*r);
    for (size_t i = 0; i < apres.size(); ++i)
        vMemes(apres[i], avant[i], int(i));

    auto lente = route({{T, 0, 0}, {T + 3600, mille, 0}, {T + 7200, 2 * mille, 0}});
    lente->change(1, long(T + 60));
    EXPECT_EQ(lente->position(1)->date, T + 60);
    lente->change(2, ROUTE_DATE_LIMITE - 1);
    EXPECT_EQ(lente->position(2)->date, ROUTE_DATE_LIMITE - 1);
}

TEST(ClasseRoute, PositionsNamesAndRecomputation)
{
    HorlogeFixe horloge(T);
    classePosition p(4);
    EXPECT_EQ(p.numero, 4);
    EXPECT_EQ(p.latitude, 48.0);
    EXPECT_EQ(p.longitude, -5.0);
    EXPECT_EQ(p.date, T);
    EXPECT_EQ(p.type, 1);
    p.set(-0.5, -123.2575);
    EXPECT_EQ(p.latitudeDegres, 0);
    EXPECT_EQ(p.latitudeMinutes, 30);
    EXPECT_EQ(p.latitudeSecondes, 0);
    EXPECT_EQ(p.longitudeDegres, -123);
    EXPECT_EQ(p.longitudeMinutes, 15);
    EXPECT_EQ(p.longitudeSecondes, 27);

    EXPECT_STREQ(classeRoute("abc", 3).nom, "abc 3");
    EXPECT_STREQ(classeRoute(nullptr, 3).nom, "");
    const std::string n127(127, 'a'), n128(128, 'b'), accent = std::string(126, 'c') + "\xC3\xA9";
    EXPECT_EQ(classeRoute(n127.c_str()).nom, n127);
    EXPECT_EQ(classeRoute(n128.c_str()).nom, n128.substr(0, 127));
    EXPECT_EQ(classeRoute(accent.c_str()).nom, accent.substr(0, 126));

    classeRoute vide;
    vide.modifiee = 0;
    vide.recalcul(0);
    EXPECT_EQ(vide.modifiee, 0);
    EXPECT_EQ(vide.dernierNumero, 0);
    classeRoute seule("s", T, 10, 20, 7.5, 33);
    seule.recalcul(0);
    EXPECT_EQ(seule.modifiee, 1);
    EXPECT_EQ(seule.position(0)->vitesse, 7.5);
    EXPECT_EQ(seule.position(0)->cap, 33);
}

TEST(ClasseRoute, ClearDeletesTheChartWindowAndTheCompanions)
{
    static int detruites = 0;
    struct Fenetre : Fl_Double_Window {
        Fenetre() : Fl_Double_Window(10, 10) {}
        ~Fenetre() override { ++detruites; }
    };
    auto r = route({{T, 0, 0}, {T + 3600 * 5, 0, 1}});
    r->histogrammes = new Fenetre;
    r->setComplete();
    r->routeCourante = r->copy();
    r->clear();
    EXPECT_EQ(detruites, 1);
    EXPECT_EQ(r->premier, nullptr);
    EXPECT_EQ(r->routeComplete, nullptr);
    EXPECT_EQ(r->routeCourante, nullptr);
    EXPECT_EQ(r->histogrammes, nullptr);
}
