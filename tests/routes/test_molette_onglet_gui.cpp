// The wheel over a route's tab scrolls the tab; no position field the
// pointer is not over moves.
#include "tests/routes/fenetre_test.h"

#include "routes/classe_position.h"
#include "routes/classe_route.h"
#include "tests/ui/harnais_gui.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Scroll.H>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

std::vector<double> coordonnees(classeRoute& r, int n)
{
    std::vector<double> v;
    for (int i = 0; i < n; ++i)
        v.insert(v.end(), {r.position(i)->latitude, r.position(i)->longitude});
    return v;
}

}  // namespace

// Route A in edit mode on its first row, whose fields take the wheel: a
// turn over another row's marker scrolls the tab and moves no position.
TEST_F(FenetreRoutes, TheWheelOverARouteTabScrollsItAndMovesNoPosition)
{
    ecrireRoutes({{"A", 1, 0, 40}});
    construire();
    for (Fl_Button* b : {bouton(0, ROUTE_ONGLET_ACTIF), boutonRangee(0, 0, RANGEE_MARQUE)}) {
        b->value(!b->value());
        b->do_callback();
    }
    ASSERT_EQ(route(0)->actif, 1);
    Fl_Scroll* tab = dynamic_cast<Fl_Scroll*>(onglet(0));
    ASSERT_NE(tab, nullptr);
    ASSERT_TRUE(harnais::bRedessiner(fenetre.get()));
    ASSERT_TRUE(tab->scrollbar.visible());
    const std::vector<double> avant = coordonnees(*route(0), 40);
    Fl_Widget* marque = boutonRangee(0, 3, RANGEE_MARQUE);
    harnais::vSurvoler(fenetre.get(), marque->x() + marque->w() / 2, marque->y() + marque->h() / 2);
    Fl::e_dx = 0, Fl::e_dy = 1;
    Fl::handle(FL_MOUSEWHEEL, fenetre.get());
    EXPECT_GT(tab->yposition(), 0);
    EXPECT_EQ(coordonnees(*route(0), 40), avant);
}
