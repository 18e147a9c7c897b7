// The zone's bound fields under the wheel: one step per notch, not
// clamped, the callback run at once.
#include "pages/spinner_output.h"
#include "tests/ui/harnais_gui.h"

#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>
#include <gtest/gtest.h>

TEST(SpinnerOutput, TheWheelStepsTheValueAndRunsTheCallback)
{
    Fl_Double_Window fenetre(200, 100);
    spinnerOutput champ(50, 40, 50, 20, "Nord");
    fenetre.end();
    champ.range(-90, 90);
    champ.step(0.5);
    champ.value(89.5);
    int appels = 0;
    double vu = 0;
    champ.callback(
        [](Fl_Widget* w, void* d) {
            ++*static_cast<int*>(d);
            static_cast<spinnerOutput*>(w)->set_changed();
        },
        &appels);
    ASSERT_TRUE(harnais::bMontrer(&fenetre));
    harnais::vSurvoler(&fenetre, 60, 50);
    const struct {
        int dy;
        double valeur;
    } crans[] = {{1, 90.0}, {1, 90.5}, {-3, 89.0}};
    for (const auto& c : crans) {
        Fl::e_dx = 0;
        Fl::e_dy = c.dy;
        Fl::handle(FL_MOUSEWHEEL, &fenetre);
        EXPECT_DOUBLE_EQ(champ.value(), c.valeur);
    }
    EXPECT_EQ(appels, 3);
    // A callback of its own: the changed flag is cleared after it.
    EXPECT_FALSE(champ.changed());
    vu = champ.value();
    EXPECT_EQ(champ.handle(FL_KEYBOARD), 0);
    EXPECT_DOUBLE_EQ(champ.value(), vu);
}
