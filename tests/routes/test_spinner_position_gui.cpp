// The position spinner under Xvfb: arrow keys and the wheel step it
// without holding it to its range and run its callback once; "t" flips
// the tooltips and never reaches the text; a typed value reaches the
// callback; a spinner bound to a route reacts only while the route is
// edited and its row is the marked one.
#include "routes/spinner_position.h"

#include "routes/classe_route.h"
#include "tests/ui/harnais_gui.h"
#include "ui/boutons.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Group.H>
#include <gtest/gtest.h>

namespace {

class Spinner : public ::testing::Test {
protected:
    Spinner()
    {
        rangee = new Fl_Group(0, 0, 400, 40);
        // A position row: its marking button is child 18.
        for (int i = 0; i < spinnerPosition::MARQUE_RANGEE; ++i)
            new Fl_Box(300, 0, 1, 1);
        marque = new Fl_Button(300, 0, 1, 1);
        champ = new spinnerPosition(50, 10, 60, 20);
        rangee->end();
        fenetre.end();
        champ->range(0, 59);
        champ->callback(
            [](Fl_Widget*, void* d) { ++*static_cast<int*>(d); }, &appels);
    }
    void touche(int cle, const char* texte = "")
    {
        champ->input.take_focus();
        harnais::vTouche(&fenetre, cle, texte);
    }
    void molette(int dy)
    {
        harnais::vSurvoler(&fenetre, 60, 20);
        Fl::e_dx = 0;
        Fl::e_dy = dy;
        Fl::handle(FL_MOUSEWHEEL, &fenetre);
    }

    Fl_Double_Window fenetre{400, 100};
    Fl_Group* rangee;
    Fl_Button* marque;
    spinnerPosition* champ;
    int appels = 0;
};

}  // namespace

TEST_F(Spinner, KeysAndTheWheelStepPastTheRangeAndCallOnce)
{
    ASSERT_TRUE(harnais::bMontrer(&fenetre));
    const struct {
        double pas, depart;
        int touche, dy;
        double attendu;
    } cas[] = {
        {1, 59, FL_Up, 0, 60},      {1, 60, FL_Down, 0, 59},  {1, 0, FL_Down, 0, -1},
        {0.1, 1, 0, 3, 1.3},        {1, 5, 0, -1, 4},         {1, 59, 0, 2, 61},
    };
    for (const auto& c : cas) {
        champ->step(c.pas);
        champ->value(c.depart);
        appels = 0;
        if (c.touche)
            touche(c.touche);
        else
            molette(c.dy);
        EXPECT_NEAR(champ->value(), c.attendu, 1e-9) << c.depart << " " << c.touche << c.dy;
        EXPECT_EQ(appels, 1) << c.depart << " " << c.touche << c.dy;
    }
}

TEST_F(Spinner, TFlipsTheTooltipsAndATypedValueReachesTheCallback)
{
    ASSERT_TRUE(harnais::bMontrer(&fenetre));
    champ->step(1);
    champ->value(12);
    const int avant = TOOLTIP;
    touche('t', "t");
    EXPECT_EQ(TOOLTIP, !avant);
    EXPECT_STREQ(champ->input.value(), "12");
    touche('t', "t");
    EXPECT_EQ(TOOLTIP, avant);
    // Typed past the range: the value field's own reading, then the
    // callback.
    champ->input.position(0, champ->input.size());
    appels = 0;
    touche('7', "7");
    touche('5', "5");
    EXPECT_DOUBLE_EQ(champ->value(), 75);
    EXPECT_EQ(appels, 2);
}

TEST_F(Spinner, ABoundSpinnerWaitsForItsRouteAndItsRow)
{
    ASSERT_TRUE(harnais::bMontrer(&fenetre));
    classeRoute route;
    champ->route = &route;
    champ->step(1);
    const struct {
        int actif, marquee;
        bool reagit;
    } cas[] = {{0, 1, false}, {-2, 1, false}, {2, 0, false}, {2, 1, true}};
    for (const auto& c : cas) {
        route.actif = c.actif;
        marque->value(c.marquee);
        champ->value(10);
        appels = 0;
        EXPECT_EQ(champ->handle(FL_ENTER), 1);
        molette(1);
        touche(FL_Up);
        Fl::e_keysym = 0;
        const double attendu = c.reagit ? 12 : 10;
        EXPECT_DOUBLE_EQ(champ->value(), attendu) << c.actif << c.marquee;
        EXPECT_EQ(appels, c.reagit ? 2 : 0) << c.actif << c.marquee;
        EXPECT_EQ(champ->handle(FL_PUSH), 1);
        EXPECT_EQ(champ->handle(FL_LEAVE), 1);
    }
    // Outside a row: nothing to mark it.
    route.actif = 1;
    Fl_Group seul(0, 0, 10, 10);
    spinnerPosition* hors = new spinnerPosition(0, 0, 10, 10);
    seul.end();
    hors->route = &route;
    hors->step(1);
    hors->value(3);
    Fl::e_dy = 1;
    hors->handle(FL_MOUSEWHEEL);
    EXPECT_DOUBLE_EQ(hors->value(), 3);
    // Unbound, it always reacts.
    hors->route = nullptr;
    hors->handle(FL_MOUSEWHEEL);
    EXPECT_DOUBLE_EQ(hors->value(), 4);
}
