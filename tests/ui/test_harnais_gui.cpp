// The harness itself: what it reports must be what the toolkit did.
#include "tests/ui/harnais_gui.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Input.H>
#include <gtest/gtest.h>

namespace {

struct Fenetre {
    Fenetre() : fenetre(200, 120)
    {
        boite = new Fl_Box(FL_FLAT_BOX, 0, 0, 100, 120, nullptr);
        boite->color(fl_rgb_color(10, 200, 30));
        bouton = new Fl_Button(110, 10, 80, 30, "ok");
        bouton->callback([](Fl_Widget*, void* n) { ++*static_cast<int*>(n); }, &clics);
        saisie = new Fl_Input(110, 60, 80, 30);
        fenetre.end();
    }
    Fl_Double_Window fenetre;
    Fl_Box* boite;
    Fl_Button* bouton;
    Fl_Input* saisie;
    int clics = 0;
};

}  // namespace

TEST(Harnais, PixelsAreReadBackAsDrawn)
{
    Fenetre f;
    ASSERT_TRUE(harnais::bMontrer(&f.fenetre));
    const auto vert = harnais::pixel(&f.fenetre, 50, 60);
    EXPECT_EQ(vert[0], 10);
    EXPECT_EQ(vert[1], 200);
    EXPECT_EQ(vert[2], 30);
    f.boite->color(fl_rgb_color(250, 0, 0));
    const std::vector<unsigned char> rangee = harnais::lirePixels(&f.fenetre, 0, 10, 100, 1);
    ASSERT_EQ(rangee.size(), 300u);
    for (size_t i = 0; i < rangee.size(); i += 3) {
        EXPECT_EQ(rangee[i], 250) << i;
        EXPECT_EQ(rangee[i + 1], 0) << i;
    }
}

TEST(Harnais, ClicksReachTheWidgetUnderThePointerOnly)
{
    Fenetre f;
    ASSERT_TRUE(harnais::bMontrer(&f.fenetre));
    harnais::vCliquer(&f.fenetre, 150, 25);
    EXPECT_EQ(f.clics, 1);
    harnais::vCliquer(&f.fenetre, 50, 25);
    EXPECT_EQ(f.clics, 1);
}

TEST(Harnais, KeysAreTypedIntoTheFocus)
{
    Fenetre f;
    ASSERT_TRUE(harnais::bMontrer(&f.fenetre));
    harnais::vCliquer(&f.fenetre, 150, 75);
    harnais::vTouche(&f.fenetre, 'n', "n");
    harnais::vTouche(&f.fenetre, 'o', "o");
    harnais::vTouche(&f.fenetre, FL_BackSpace);
    EXPECT_STREQ(f.saisie->value(), "n");
}

TEST(Harnais, ClosingRunsTheWindowCallbackAndWaitingHasADeadline)
{
    Fenetre f;
    ASSERT_TRUE(harnais::bMontrer(&f.fenetre));
    harnais::vFermer(&f.fenetre);
    EXPECT_FALSE(f.fenetre.shown());
    EXPECT_FALSE(harnais::bAttendre([] { return false; }, 0.1));
    int tours = 0;
    Fl::add_timeout(0.01, [](void* n) { ++*static_cast<int*>(n); }, &tours);
    EXPECT_TRUE(harnais::bAttendre([&tours] { return tours == 1; }));
}
