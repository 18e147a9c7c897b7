// The wheel over a scroll area scrolls it wherever the pointer is, unless
// the widget under the pointer takes the wheel itself; no widget the
// pointer is not over has it.
#include "ui/defilement_molette.h"

#include "tests/ui/harnais_gui.h"
#include "ui/boutons.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Pack.H>
#include <gtest/gtest.h>

namespace {

// A widget that takes any wheel, as a spin field does.
struct Molette : Fl_Box {
    using Fl_Box::Fl_Box;
    int tours = 0;
    int handle(int event) override
    {
        if (event != FL_MOUSEWHEEL)
            return Fl_Box::handle(event);
        ++tours;
        return 1;
    }
};

class Defilement : public ::testing::Test {
protected:
    // Beside a wheel-taking widget, a vertical area 100 high over a pack
    // of `rangees` rows 30 high, buttons but the last one, which takes the
    // wheel; the area's scrollbar on the left.
    void construire(int rangees)
    {
        fenetre.begin();
        voisine = new Molette(240, 10, 40, 40);
        zone = new DefilementMolette(10, 10, 200, 100);
        zone->type(Fl_Scroll::VERTICAL);
        zone->scrollbar.align(FL_ALIGN_LEFT);
        Fl_Pack* pack = new Fl_Pack(26, 10, 180, 30 * rangees);
        for (int i = 0; i < rangees - 1; ++i)
            new classeBouton(0, 0, 180, 30, "rangee");
        derniere = new Molette(0, 0, 180, 30);
        pack->end();
        zone->end();
        fenetre.end();
        ASSERT_TRUE(harnais::bMontrer(&fenetre));
    }
    int tourner(int x, int y, int dy, int dx = 0)
    {
        harnais::vSurvoler(&fenetre, x, y);
        Fl::e_dx = dx, Fl::e_dy = dy;
        const int pris = Fl::handle(FL_MOUSEWHEEL, &fenetre);
        harnais::bRedessiner(&fenetre);
        return pris;
    }

    Fl_Double_Window fenetre{0, 0, 300, 200};
    DefilementMolette* zone = nullptr;
    Molette* voisine = nullptr;
    Molette* derniere = nullptr;
};

}  // namespace

TEST_F(Defilement, TheWheelOverTheAreaScrollsIt)
{
    ASSERT_NO_FATAL_FAILURE(construire(10));
    struct Cas {
        const char* ou;
        int x, y, dy, dx;
        int position;  // expected after the turn
    };
    // A line of the scrollbar is 16 pixels.
    const Cas cas[] = {
        {"over a row", 100, 40, 1, 0, 16},
        {"over a row, back", 100, 40, -1, 0, 0},
        {"over the scrollbar", 14, 40, 2, 0, 32},
        {"sideways, nothing to scroll", 100, 40, 0, 3, 32},
        {"past the end", 100, 40, 50, 0, 200},
        {"outside the area", 150, 150, -1, 0, 200},
    };
    for (const Cas& c : cas) {
        tourner(c.x, c.y, c.dy, c.dx);
        EXPECT_EQ(zone->yposition(), c.position) << c.ou;
    }
    EXPECT_EQ(derniere->tours, 0) << "never under the pointer";
    // The row that takes the wheel keeps it, the area stays; the widget
    // beside the area has its own.
    tourner(derniere->x() + 20, derniere->y() + 10, -1);
    EXPECT_EQ(derniere->tours, 1);
    EXPECT_EQ(zone->yposition(), 200);
    const int tours = voisine->tours;
    EXPECT_EQ(tourner(250, 20, 1), 1);
    EXPECT_EQ(voisine->tours, tours + 1);
    EXPECT_EQ(zone->yposition(), 200);
}

// With nothing to scroll, the wheel over the area is still the area's.
TEST_F(Defilement, AnAreaWithNothingToScrollKeepsTheWheel)
{
    ASSERT_NO_FATAL_FAILURE(construire(2));
    EXPECT_EQ(tourner(100, 20, 1), 1);
    EXPECT_EQ(zone->yposition(), 0);
    EXPECT_EQ(derniere->tours + voisine->tours, 0);
}
