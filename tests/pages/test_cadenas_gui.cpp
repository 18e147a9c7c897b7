// A viewer page locked by its padlock keeps its view whatever the user
// asks of the map, even where the chosen parameter has no field at the
// shown time and the view has no grid to follow: each move is tried
// unlocked first, where it does move the view.
#include "pages/vr.h"

#include "map/fdc.h"
#include "tests/pages/page_test.h"
#include "tests/ui/harnais_gui.h"
#include "ui/boutons.h"

#include <FL/Fl.H>
#include <array>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Pressure at two times, wind at the first only.
const std::vector<MessagePage> PRESSION_VENT = {{2, 15, 0}, {33, 15, 0}, {34, 15, 0},
                                                {2, 15, 6}};

using Vue = std::array<double, 3>;

Vue vue(const fdc& c)
{
    return {c.ox, c.oy, c.echelleCourante};
}

struct Mouvement {
    const char* nom;
    std::function<void()> faire;
};

class Cadenas : public PageVisualisateur {
protected:
    // The file shown with the wind chosen at the second time: no field to
    // show, no grid for the lock to fit the view to.
    void sansChamp()
    {
        ASSERT_TRUE(harnais::bMontrer(&fenetre));
        ASSERT_TRUE(recevoir("pv.grb", sFichierPage(PRESSION_VENT)));
        page->boutonsValidites[1]->setonly();
        page->boutonsValidites[1]->do_callback();
        page->boutonsParametres[0]->value(0);
        page->boutonsParametres[1]->value(1);
        page->boutonsParametres[1]->do_callback();
        ASSERT_EQ(page->carte->champs, nullptr);
    }
    void verrouiller(int valeur)
    {
        page->boutonCadenas->value(valeur);
        page->boutonCadenas->do_callback();
    }
    // The map's middle, and a point off it.
    int cx() const { return page->carte->x() + page->carte->w() / 2; }
    int cy() const { return page->carte->y() + page->carte->h() / 2; }
    void molette(int dy)
    {
        harnais::vSurvoler(&fenetre, cx() + 40, cy() + 30);
        Fl::e_dx = 0, Fl::e_dy = dy;
        Fl::handle(FL_MOUSEWHEEL, &fenetre);
    }
    void touche(int t, const char* texte = "")
    {
        harnais::vSurvoler(&fenetre, cx(), cy());
        harnais::vTouche(&fenetre, t, texte);
    }
};

}  // namespace

TEST_F(Cadenas, ALockedPageMovesOnlyByItsOwnControls)
{
    ASSERT_NO_FATAL_FAILURE(sansChamp());
    fdc& carte = *page->carte;
    const Mouvement mouvements[] = {
        {"double click", [&] { harnais::vCliquer(&fenetre, cx() + 60, cy() + 40, 1, 1); }},
        {"drag", [&] { harnais::vGlisser(&fenetre, cx(), cy(), cx() + 50, cy() + 30); }},
        {"wheel", [&] { molette(-1); }},
        {"arrow key", [&] { touche(FL_Left); }},
        {"page down", [&] { touche(FL_Page_Down); }},
        {"whole world", [&] { touche('a', "a"); }},
        {"home view", [&] { touche('f', "f"); }},
        {"zoom button", [&] { carte.zoomerCallback(); }},
        {"zone menu", [&] { carte.zonesCallback(0); }},
        {"typed latitude", [&] { carte.inputCallback(1, 12.5f); }},
    };
    for (const Mouvement& m : mouvements) {
        for (int verrou : {0, 1}) {
            carte.vArreterZooms();
            carte.zoom(30, -20, 60, 1);
            verrouiller(verrou);
            const Vue avant = vue(carte);
            m.faire();
            if (verrou)
                EXPECT_EQ(vue(carte), avant) << m.nom;
            else
                EXPECT_NE(vue(carte), avant) << m.nom << " unlocked";
        }
        verrouiller(0);
    }
    carte.vArreterZooms();
}

// A zoom repeat under way when the padlock goes on stops at its next step.
TEST_F(Cadenas, ARepeatUnderWayStopsAtTheLock)
{
    ASSERT_NO_FATAL_FAILURE(sansChamp());
    fdc& carte = *page->carte;
    verrouiller(0);
    carte.zoom(30, -20, 60, 1);
    carte.zoomerCallback();
    ASSERT_NE(carte.zoomIn, 0);
    verrouiller(1);
    const Vue avant = vue(carte);
    EXPECT_TRUE(harnais::bAttendre([&] { return carte.zoomIn == 0; }));
    EXPECT_EQ(vue(carte), avant);
    carte.vArreterZooms();
}
