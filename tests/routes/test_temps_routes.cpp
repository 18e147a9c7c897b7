// Routes against time, the model's clock set: the markers of the current
// time and of the validity shown, the insertion at the current time, and
// the span of a forecast.
#include "tests/routes/outils_routes.h"

#include "gribdata/enregistrement_grib.h"

#include "tests/outils/outils_test.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

const long T0 = 1699920000;  // 00:00 UTC
const long H = 3600;

std::unique_ptr<classeRoute> equateur()
{
    return route({{T0, 0, 0}, {T0 + 6 * H, 0, 1}, {T0 + 12 * H, 0, 2}});
}

}  // namespace

TEST(TempsRoutes, TheCurrentTimeMarkerAgainstGeographicLib)
{
    if (!bGeographicLib())
        GTEST_SKIP() << "geographiclib-tools is not installed";
    HorlogeFixe horloge(T0 + 2 * H);
    auto r = route({{T0, 45, -10}, {T0 + 6 * H, 47, -5}});
    classeRoute* copie = r->classeRouteRecalculAvecDateCourante();
    ASSERT_NE(copie, nullptr);
    EXPECT_EQ(copie, r->routeCourante);
    EXPECT_EQ(r->dernierNumero, 1);
    ASSERT_EQ(copie->dernierNumero, 2);
    const auto leg = resoudre("RhumbSolve -i", "45 -10 47 -5\n");
    ASSERT_EQ(leg.size(), 1u);
    std::ostringstream direct;
    direct.precision(17);
    direct << "45 -10 " << leg[0][0] << " " << leg[0][1] / 3 << "\n";
    const auto tiers = resoudre("RhumbSolve", direct.str());
    const classePosition* m = copie->position(1);
    EXPECT_EQ(m->type, 2);
    EXPECT_EQ(m->date, T0 + 2 * H);
    EXPECT_NEAR(m->latitude, tiers[0][0], 1e-9);
    EXPECT_NEAR(m->longitude, tiers[0][1], 1e-9);
}

TEST(TempsRoutes, TiesMoveTenSecondsIntoTheLeg)
{
    JournalTemporaire journal("journal.txt");
    HorlogeFixe horloge(T0 + 6 * H);  // the middle position's date
    auto r = equateur();
    classeRoute* maintenant = r->classeRouteRecalculAvecDateCourante();
    ASSERT_NE(maintenant, nullptr);
    const classePosition* m = maintenant->position(1);
    EXPECT_EQ(m->type, 2);
    EXPECT_NEAR(m->longitude, 1 - 10.0 / (6 * H), 1e-12);
    EXPECT_EQ(m->date, T0 + 3 * H);  // provisional: within 60 s of the next

    horloge.regler(T0 - 86400);
    r->dateEcheance = T0 + 6 * H;
    classeRoute* echeance = r->classeRouteRecalculAvecDateEcheanceCourante();
    ASSERT_NE(echeance, nullptr);
    EXPECT_EQ(r->dateEcheance, T0 + 6 * H + 10);
    const classePosition* e = echeance->position(2);
    EXPECT_EQ(e->type, 3);
    EXPECT_NEAR(e->longitude, 1 + 10.0 / (6 * H), 1e-12);
    EXPECT_EQ(e->date, T0 + 9 * H);
    EXPECT_NE(journal.contenu().find("<ROUTE> <classeRouteRecalculAvecDateEcheanceCourante> Nom: r "
                                     "Visible: 0 Actif: 0\n"),
              std::string::npos)
        << journal.contenu();

    // Both markers on one copy; none without a forecast and outside.
    horloge.regler(T0 + 2 * H);
    r->dateEcheance = T0 + 8 * H;
    ASSERT_NE(r->classeRouteRecalculAvecDateEcheanceCourante(), nullptr);
    EXPECT_EQ(r->routeCourante->position(1)->type, 2);
    EXPECT_EQ(r->routeCourante->position(3)->type, 3);
    EXPECT_EQ(r->routeCourante->position(3)->date, T0 + 8 * H);
    r->dateEcheance = 0;
    horloge.regler(T0 + 12 * H);
    EXPECT_EQ(r->classeRouteRecalculAvecDateEcheanceCourante(), nullptr);
    EXPECT_EQ(r->routeCourante, nullptr);
}

TEST(TempsRoutes, InsertionAtTheCurrentTime)
{
    HorlogeFixe horloge(T0 + 9 * H);
    auto r = equateur();
    EXPECT_EQ(r->incluDateCourante(T0), 0);
    EXPECT_EQ(r->incluDateCourante(T0 + 1), 1);
    EXPECT_EQ(r->incluDateCourante(T0 + 12 * H), 0);
    EXPECT_EQ(r->classeRouteInsertionDateCourante(), 3);
    EXPECT_EQ(r->actif, 3);
    EXPECT_EQ(r->dernierNumero, 3);
    EXPECT_EQ(r->position(2)->date, T0 + 9 * H);
    EXPECT_EQ(r->position(2)->type, 1);
    EXPECT_NEAR(r->position(2)->longitude, 1.5, 1e-12);

    horloge.regler(T0 + 13 * H);
    EXPECT_EQ(r->classeRouteInsertionDateCourante(), 0);
    auto seule = route({{T0, 1, 1}});
    EXPECT_EQ(seule->classeRouteRecalculAvecDateCourante(), nullptr);
    EXPECT_EQ(seule->classeRouteInsertionDateCourante(), 1);
    EXPECT_EQ(seule->position(0)->date, T0 + 13 * H);
}

TEST(TempsRoutes, ForecastSpans)
{
    auto r = equateur();
    grib premier{}, dernier{};
    premier.suivant = &dernier;
    auto spans = [&](long e0, long e1, int parametre) {
        premier.tValidite = e0;
        dernier.tValidite = e1;
        premier.parametre = 7;
        dernier.parametre = uint8_t(parametre);
        return r->incluEcheances(&premier);
    };
    EXPECT_EQ(classeRoute().incluEcheances(&premier), -1);
    EXPECT_EQ(spans(T0, T0 + H, 33), -4);
    r->histogramme = 1;
    EXPECT_EQ(r->incluEcheances(nullptr), -2);
    EXPECT_EQ(spans(T0, T0 + 12 * H, 7), -3);
    const struct {
        long e0, e1;
        int attendu;
    } cas[] = {
        {T0 + 20 * H, T0 + 30 * H, 0}, {T0 - 9 * H, T0, 0},           {T0, T0 + 12 * H, 1},
        {T0, T0 + 48 * H, 1},          {T0 - 86400, T0 + 86400, 1}, {T0 + H, T0 + 2 * H, 1},
        {T0 + 11 * H, T0 + 30 * H, 1}, {T0 + 12 * H, T0 + 30 * H, 0},
    };
    for (const auto& c : cas)
        for (int parametre : {2, 11, 33, 49, 61, 80, 100, 102, 105, 202, 203})
            EXPECT_EQ(spans(c.e0, c.e1, parametre), c.attendu) << c.e0 - T0 << " " << parametre;
}
