// Editing a route: insertions, deletions, speeds, copies and the hourly
// companion.
#include "tests/routes/outils_routes.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const long T = 1700000040;  // a whole minute
const long H = 3600;

}  // namespace

TEST(EditionRoutes, InsertionsRefuseAMiddleWithin59Seconds)
{
    const struct {
        long ecart;
        int attendu;
    } cas[] = {{118, 0}, {120, 1}, {2 * H, 1}};
    for (const auto& c : cas) {
        auto r = route({{T, 45, -10}, {T + c.ecart, 45, -10}});
        r->recalcul(0);
        EXPECT_EQ(r->insert(0), c.attendu) << c.ecart;
        EXPECT_EQ(r->dernierNumero, 1 + c.attendu) << c.ecart;
        if (c.attendu) {
            EXPECT_EQ(r->position(1)->date, T + c.ecart / 2) << c.ecart;
        }
    }
    auto r = route({{T, 45, -10}, {T + 10 * H, 45, -9}});
    EXPECT_EQ(r->insert(5), 1);  // after the last: a day on, one degree NE
    EXPECT_EQ(r->position(2)->date, T + 10 * H + 86400);
    EXPECT_EQ(r->position(2)->latitude, 46);
    EXPECT_EQ(r->position(2)->longitude, -8);

    // At a given place with a type: kept as the setter left it; type 0
    // stays a user position and is recomputed.
    auto marque = route({{T, 0, 0}, {T + 10 * H, 0, 1}});
    marque->recalcul(0);
    marque->modifiee = 0;
    EXPECT_EQ(marque->insert(0, 0.0, 0.5, 2), 1);
    EXPECT_EQ(marque->position(1)->type, 2);
    EXPECT_EQ(marque->modifiee, 0);
    EXPECT_EQ(marque->insert(1, 0.0, 0.75, 0), 1);
    EXPECT_EQ(marque->position(2)->type, 1);
    EXPECT_EQ(marque->modifiee, 1);
    EXPECT_EQ(marque->dernierNumero, 3);
}

TEST(EditionRoutes, DeletionsClampTheMarkAndKeepTheLastPosition)
{
    const struct {
        int actif, apres;
    } cas[] = {{5, 3}, {-5, -3}, {0, -1}, {2, 2}, {-1, -1}};
    for (const auto& c : cas) {
        auto r = route({{T, 0, 0}, {T + H, 0, 0.1}, {T + 2 * H, 0, 0.2}, {T + 3 * H, 0, 0.3}});
        r->actif = c.actif;
        EXPECT_EQ(r->del(0), 1);
        EXPECT_EQ(r->dernierNumero, 2);
        EXPECT_EQ(r->position(0)->date, T + H);
        EXPECT_EQ(r->actif, c.apres) << c.actif;
    }
    HorlogeFixe horloge(T + 99 * H);
    auto seule = route({{T, 10, 10}});
    EXPECT_EQ(seule->del(0), 1);
    EXPECT_EQ(seule->dernierNumero, 0);
    ASSERT_NE(seule->position(0), nullptr);
    EXPECT_EQ(seule->position(0)->date, T + 99 * H);
}

TEST(EditionRoutes, SpeedsRoundedAndDatesFollow)
{
    const struct {
        double donnee, gardee;  // gardee 0: nothing changes
    } cas[] = {{12.34, 12.3}, {6.25, 6.2}, {0, 0.1}, {0.04, 0.1}, {-3, 0}, {100, 0}, {NAN, 0}};
    for (const auto& c : cas) {
        auto r = route({{T, 0, 0}, {T + 10 * H, 1, 0}});  // 60 miles
        r->recalcul(0);
        r->change(0, c.donnee);
        const double v = c.gardee ? c.gardee : 6;
        EXPECT_DOUBLE_EQ(r->position(0)->vitesse, v) << c.donnee;
        EXPECT_EQ(r->position(1)->date, T + long(r->position(1)->loxo / v * 3600)) << c.donnee;
        EXPECT_GE(r->position(1)->date, r->position(0)->date);
    }
}

TEST(EditionRoutes, CopiesAndAppends)
{
    classeRoute une("une", T, 10, 20, 33, 270);
    une.visible = une.texte = 1;
    une.vitesseFixe = 1;
    une.actif = 4;
    std::unique_ptr<classeRoute> copie(une.copy());
    EXPECT_EQ(copie->position(0)->vitesse, 10);
    EXPECT_EQ(copie->position(0)->cap, 0);
    EXPECT_EQ(copie->visible, 1);
    EXPECT_EQ(copie->vitesseFixe, 0);
    EXPECT_EQ(copie->actif, 1);
    EXPECT_EQ(classeRoute().copy(), nullptr);

    // A point clicked on the map: dated from the previous position's speed,
    // 10 knots for the last one, which has none.
    auto r = route({{T, 0, 0}, {T + H, 0, 0.1}});
    r->appendfdc(0.0, 0.2);
    EXPECT_EQ(r->position(2)->date, T + H + long(r->position(2)->loxo / 10 * 3600));
    EXPECT_NEAR(r->position(1)->vitesse, 10, 0.01);
    r->appendfdc(T + 5 * H, 0.0, 0.3);
    EXPECT_EQ(r->dernierNumero, 3);
    EXPECT_EQ(r->modifiee, 1);
}

TEST(EditionRoutes, TheHourlyCompanion)
{
    // 10:00 to 13:30, then a leg without speed (same place, later date).
    const long dix = 1700042400;
    auto r = route({{dix, 0, 0}, {dix + 3 * H + 1800, 0, 0.35}, {dix + 9 * H, 0, 0.35}});
    r->recalcul(0);
    r->setComplete();
    ASSERT_NE(r->routeComplete, nullptr);
    const auto p = positions(*r->routeComplete);
    ASSERT_EQ(p.size(), 6u);
    const long heures[] = {0, H, 2 * H, 3 * H, 3 * H + 1800, 9 * H};
    const int types[] = {1, 0, 0, 0, 1, 1};
    for (size_t i = 0; i < p.size(); ++i) {
        EXPECT_NEAR(double(p[i].date), double(dix + heures[i]), 1) << i;
        EXPECT_EQ(p[i].type, types[i]) << i;
    }
    EXPECT_NEAR(p[2].longitude, 0.2, 1e-9);
    EXPECT_EQ(r->modifiee, 0);
    classeRoute* avant = r->routeComplete;
    r->setComplete();
    EXPECT_EQ(r->routeComplete, avant);

    classeRoute sansNom;
    sansNom.append(T, 0.0, 0.0);
    sansNom.printall();
    EXPECT_EQ(sansNom.routeComplete, nullptr);
}

TEST(EditionRoutes, AppendsFollowTheLastPositionAfterEveryEdit)
{
    const struct {
        void (*edition)(classeRoute&);
        int positions;
    } cas[] = {{[](classeRoute& r) { r.del(2); }, 3},
               {[](classeRoute& r) { r.del(0); }, 3},
               {[](classeRoute& r) { r.insert(2); }, 5},
               {[](classeRoute& r) { r.clear(); }, 1}};
    for (const auto& c : cas) {
        auto r = route({{T, 45, -10}, {T + 10 * H, 45, -9}, {T + 20 * H, 45, -8}});
        c.edition(*r);
        r->append(T + 100 * H, 46, -5);
        r->recalcul(0);
        const std::vector<classePosition> v = positions(*r);
        ASSERT_EQ(v.size(), size_t(c.positions));
        EXPECT_EQ(v.back().latitude, 46) << c.positions;
        EXPECT_EQ(r->dernierNumero, c.positions - 1);
    }
}
