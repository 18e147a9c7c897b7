// The position rows under Xvfb: fields stepped and typed, the carries
// past a range, the refused values that put the stored ones back, the
// distances, insert, delete and mark, and a field of an unmarked row.
#include "tests/routes/fenetre_test.h"

#include "routes/classe_route.h"
#include "routes/spinner_position.h"
#include "tests/routes/outils_routes.h"
#include "tests/ui/harnais_gui.h"
#include "ui/palette.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Pack.H>
#include <FL/Fl_Scroll.H>
#include <cmath>
#include <limits>
#include <vector>

namespace {

class Rangees : public FenetreRoutes {
protected:
    // Route A of 4 positions (`pas` seconds apart from 2024-02-29 12:00, a
    // degree of longitude apart on 45 N) in edit mode on row k.
    void editer(int k, long pas = 21600)
    {
        ecrireRoutes({{"A", 1, 0, 4, 1709208000, pas}});
        construire();
        r = route(0);
        basculer(bouton(0, ROUTE_ONGLET_ACTIF));
        basculer(boutonRangee(0, k, RANGEE_MARQUE));
        ASSERT_EQ(r->actif, k + 1);
    }
    static void basculer(Fl_Button* b)
    {
        b->value(!b->value());
        b->do_callback();
    }
    // Field j of row k set by the program, then its callback as a typed
    // value would run it.
    void saisir(int k, int j, double v)
    {
        champ(0, k, j)->value(v);
        champ(0, k, j)->do_callback();
    }
    // A key sent to field j of row k, holding the focus.
    void touche(int k, int j, int cle, const char* texte = "")
    {
        champ(0, k, j)->input.take_focus();
        harnais::vTouche(fenetre.get(), cle, texte);
    }
    classeRoute* r = nullptr;
};

}  // namespace

TEST_F(Rangees, TheRowsShowThePositionsAndTheirDistances)
{
    editer(0);
    ASSERT_EQ(r->packPositions->children(), 4);
    EXPECT_EQ(champ(0, 0, RANGEE_ANNEE)->value(), 2024);
    EXPECT_EQ(champ(0, 0, RANGEE_MOIS)->value(), 2);
    EXPECT_EQ(champ(0, 0, RANGEE_JOUR)->value(), 29);
    EXPECT_EQ(champ(0, 1, RANGEE_HEURE)->value(), 18);
    EXPECT_EQ(champ(0, 2, RANGEE_LONGITUDE)->value(), -8);
    EXPECT_STREQ(rangee(0, 0)->child(RANGEE_PARCOURUE)->label(), "0.0");
    char total[32];
    std::snprintf(total, sizeof total, "%.1lf", r->totalLoxo);
    EXPECT_STREQ(rangee(0, 0)->child(RANGEE_RESTANTE)->label(), total);
    EXPECT_STREQ(rangee(0, 3)->child(RANGEE_PARCOURUE)->label(), total);
    EXPECT_STREQ(rangee(0, 3)->child(RANGEE_RESTANTE)->label(), "0.0");
    EXPECT_STREQ(rangee(0, 0)->child(RANGEE_CAP)->label(), "90");
    // The marked row's look.
    EXPECT_EQ(champ(0, 0, RANGEE_ANNEE)->color(), COLOR_FOND);
    EXPECT_EQ(champ(0, 1, RANGEE_ANNEE)->color(), Fl_Color(0xB4B4B400));
}

TEST_F(Rangees, ALongRouteFillsItsRowsInOneWalk)
{
    ecrireRoutes({{"A", 1, 0, 3000, 1709208000, 21600}});
    const long avant = PasDeListes;
    construire();
    routes->vRemplirRangees(route(0));
    EXPECT_LT(PasDeListes - avant, 3000);
    for (int k : {1, 1500, 2999}) {
        char attendu[32];
        std::snprintf(attendu, sizeof attendu, "%.1lf", route(0)->cumulLoxo(k));
        EXPECT_STREQ(rangee(0, k)->child(RANGEE_PARCOURUE)->label(), attendu) << k;
    }
}

TEST_F(Rangees, DatesTypedCarryIntoTheNextUnit)
{
    editer(1, 86400L * 100);
    saisir(1, RANGEE_MOIS, 4);
    saisir(1, RANGEE_JOUR, 31);
    EXPECT_EQ(r->position(1)->dateUTC[1], 5);
    EXPECT_EQ(r->position(1)->dateUTC[2], 1);
    EXPECT_EQ(champ(0, 1, RANGEE_MOIS)->value(), 5);
    EXPECT_EQ(champ(0, 1, RANGEE_JOUR)->value(), 1);
    // Day 0 is the last day of the month before.
    saisir(1, RANGEE_JOUR, 0);
    EXPECT_EQ(r->position(1)->dateUTC[1], 4);
    EXPECT_EQ(r->position(1)->dateUTC[2], 30);
    // The year field refuses 2032 without a refresh; 2031 goes back.
    const time_t avant = r->position(1)->date;
    saisir(1, RANGEE_ANNEE, 2032);
    EXPECT_EQ(r->position(1)->date, avant);
    EXPECT_EQ(champ(0, 1, RANGEE_ANNEE)->value(), 2032);
    // A month of a billion is refused at once: the row shows the date kept.
    saisir(1, RANGEE_ANNEE, 2024);
    const time_t garde = r->position(1)->date;
    saisir(1, RANGEE_MOIS, 1e9);
    EXPECT_EQ(r->position(1)->date, garde);
    EXPECT_EQ(champ(0, 1, RANGEE_MOIS)->value(), r->position(1)->dateUTC[1]);
    saisir(1, RANGEE_JOUR, std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(r->position(1)->date, garde);
    EXPECT_EQ(champ(0, 1, RANGEE_JOUR)->value(), r->position(1)->dateUTC[2]);
}

TEST_F(Rangees, ArrowsAndTheWheelStepTheMarkedRow)
{
    editer(1);
    saisir(1, RANGEE_LATITUDE_MINUTES, 59);
    ASSERT_EQ(champ(0, 1, RANGEE_LATITUDE)->value(), 45);
    touche(1, RANGEE_LATITUDE_MINUTES, FL_Up);
    EXPECT_EQ(champ(0, 1, RANGEE_LATITUDE)->value(), 46);
    EXPECT_EQ(champ(0, 1, RANGEE_LATITUDE_MINUTES)->value(), 0);
    EXPECT_NEAR(r->position(1)->latitude, 46, 1e-9);
    // The wheel on the speed: three notches of a tenth.
    const double v = r->position(1)->vitesse;
    harnais::vSurvoler(fenetre.get(), champ(0, 1, RANGEE_VITESSE)->x() + 5,
                       champ(0, 1, RANGEE_VITESSE)->y() + 5);
    Fl::e_dx = 0;
    Fl::e_dy = 3;
    champ(0, 1, RANGEE_VITESSE)->handle(FL_MOUSEWHEEL);
    EXPECT_NEAR(r->position(1)->vitesse, std::rint((v + 0.3) * 10) / 10, 1e-9);
    // A field of an unmarked row ignores keys.
    const double lat = r->position(2)->latitude;
    touche(2, RANGEE_LATITUDE, FL_Up);
    EXPECT_EQ(r->position(2)->latitude, lat);
    EXPECT_EQ(champ(0, 2, RANGEE_LATITUDE)->value(), 45);
}

TEST_F(Rangees, ValuesOutOfTheWorldOrBelowZeroAreRefused)
{
    editer(1, 86400L * 100);
    const double v = r->position(1)->vitesse;
    saisir(1, RANGEE_VITESSE, -3);
    EXPECT_EQ(r->position(1)->vitesse, v);
    EXPECT_EQ(champ(0, 1, RANGEE_VITESSE)->value(), v);
    saisir(1, RANGEE_VITESSE, 150);
    EXPECT_EQ(champ(0, 1, RANGEE_VITESSE)->value(), v);
    saisir(1, RANGEE_VITESSE, 0);
    EXPECT_NEAR(r->position(1)->vitesse, 0.1, 1e-9);
    saisir(1, RANGEE_LATITUDE, 91);
    EXPECT_NEAR(r->position(1)->latitude, 45, 1e-9);
    EXPECT_EQ(champ(0, 1, RANGEE_LATITUDE)->value(), 45);
    saisir(1, RANGEE_LATITUDE, 89);
    saisir(1, RANGEE_LATITUDE_MINUTES, 70);
    EXPECT_NEAR(r->position(1)->latitude, 89, 1e-9);
    saisir(1, RANGEE_LATITUDE_MINUTES, std::numeric_limits<double>::infinity());
    EXPECT_NEAR(r->position(1)->latitude, 89, 1e-9);
    // Longitudes stay free (the route keeps them within a turn of the
    // previous one).
    saisir(1, RANGEE_LONGITUDE, 200);
    EXPECT_NEAR(std::remainder(r->position(1)->longitude - 200, 360), 0, 1e-9);
    for (const structurePosition* c = r->premier; c; c = c->suivant)
        EXPECT_TRUE(std::isfinite(c->position->latitude) && std::isfinite(c->position->vitesse));
}

TEST_F(Rangees, AFieldNearTheEquatorKeepsItsHemisphere)
{
    editer(1, 86400L * 100);
    r->change(1, -0.5, -9.0);
    ASSERT_NEAR(r->position(1)->latitude, -0.5, 1e-9);
    routes->vModifyPosition(r, 0);
    ASSERT_EQ(champ(0, 1, RANGEE_LATITUDE)->value(), 0);
    saisir(1, RANGEE_LATITUDE_MINUTES, 45);
    EXPECT_NEAR(r->position(1)->latitude, -0.75, 1e-9);
}

TEST_F(Rangees, InsertAndDeleteOnTheLastRowMoveTheMark)
{
    editer(3);
    basculer(boutonRangee(0, 3, RANGEE_INSERER));
    Fl::check();
    ASSERT_EQ(r->dernierNumero, 4);
    EXPECT_EQ(r->actif, 5);
    ASSERT_EQ(r->packPositions->children(), 5);
    EXPECT_EQ(boutonRangee(0, 4, RANGEE_MARQUE)->value(), 1);
    EXPECT_EQ(boutonRangee(0, 3, RANGEE_MARQUE)->value(), 0);
    boutonRangee(0, 4, RANGEE_SUPPRIMER)->do_callback();
    Fl::check();
    EXPECT_EQ(r->dernierNumero, 3);
    EXPECT_EQ(r->actif, 4);
    EXPECT_EQ(boutonRangee(0, 3, RANGEE_MARQUE)->value(), 1);
    // Outside edit mode a button springs back and changes nothing.
    basculer(bouton(0, ROUTE_ONGLET_ACTIF));
    basculer(boutonRangee(0, 1, RANGEE_MARQUE));
    EXPECT_EQ(boutonRangee(0, 1, RANGEE_MARQUE)->value(), 0);
    EXPECT_EQ(r->actif, -4);
    boutonRangee(0, 1, RANGEE_SUPPRIMER)->do_callback();
    EXPECT_EQ(r->dernierNumero, 3);
}

// A value typed in a field acts once entered, by Enter or by leaving the
// field: until then the route stays as it was, then it takes the value the
// rows' rules give, and the field shows what the route holds.
TEST_F(Rangees, ATypedValueActsOnceEntered)
{
    editer(1);
    const double inchange = std::numeric_limits<double>::quiet_NaN();
    const struct {
        int champ;
        const char* texte;
        bool entree;      // Enter, else the field left
        double attendu;   // the position's speed or latitude; NaN: unchanged
    } cas[] = {
        {RANGEE_LATITUDE, "44", true, 44},
        {RANGEE_VITESSE, "-5", true, inchange},
        {RANGEE_VITESSE, "12.34", true, 12.3},
        {RANGEE_VITESSE, "0", false, 0.1},
        {RANGEE_VITESSE, "150", true, inchange},
    };
    auto etat = [this] {
        std::vector<double> v;
        for (const classePosition& p : positions(*r))
            v.insert(v.end(), {double(p.date), p.vitesse, p.latitude, p.longitude});
        return v;
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.texte);
        spinnerPosition* champ = this->champ(0, 1, c.champ);
        const std::vector<double> avant = etat();
        champ->input.take_focus();
        champ->input.value("");
        for (const char* t = c.texte; *t; ++t) {
            const char lettre[2] = {*t, 0};
            harnais::vTouche(fenetre.get(), *t, lettre);
            EXPECT_EQ(etat(), avant);
        }
        EXPECT_STREQ(champ->input.value(), c.texte);
        if (c.entree)
            harnais::vTouche(fenetre.get(), FL_Enter, "\r");
        else
            enfant(0, ROUTE_ONGLET_NOM)->take_focus();
        const double obtenu = c.champ == RANGEE_VITESSE ? r->position(1)->vitesse
                                                        : r->position(1)->latitude;
        if (std::isnan(c.attendu)) {
            EXPECT_EQ(etat(), avant);
        } else {
            EXPECT_NEAR(obtenu, c.attendu, 1e-9);
        }
        EXPECT_NEAR(champ->value(), c.champ == RANGEE_VITESSE ? r->position(1)->vitesse
                                                              : r->position(1)->latitudeDegres,
                    1e-9);
    }
    // The dates that follow from the speed typed.
    EXPECT_EQ(r->position(2)->date,
              r->position(1)->date + long(r->position(2)->loxo / 0.1 * 3600));
}
