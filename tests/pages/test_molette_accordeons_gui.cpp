// The wheel over an accordion scrolls it wherever the pointer is on the
// panel, and moves no field that is not under the pointer.
#include "pages/vr.h"

#include "tests/pages/page_test.h"
#include "tests/pages/requeteur_test.h"
#include "tests/ui/harnais_gui.h"
#include "ui/boutons.h"
#include "ui/defilement.h"
#include "ui/globales_ui.h"

#include <FL/Fl.H>
#include <FL/Fl_Pack.H>
#include <FL/Fl_Scroll.H>
#include <FL/Fl_Help_View.H>
#include <FL/Fl_Valuator.H>
#include <gtest/gtest.h>
#include <map>
#include <string>

namespace {

// The shown accordion under `racine`: the visible scroll area that holds a
// pack.
Fl_Scroll* pAccordeon(Fl_Widget* racine)
{
    Fl_Group* g = racine->as_group();
    if (!g || !racine->visible())
        return nullptr;
    if (Fl_Scroll* s = dynamic_cast<Fl_Scroll*>(g))
        for (int i = 0; i < s->children(); ++i)
            if (dynamic_cast<Fl_Pack*>(s->child(i)))
                return s;
    for (int i = 0; i < g->children(); ++i)
        if (Fl_Scroll* s = pAccordeon(g->child(i)))
            return s;
    return nullptr;
}

// Every value field of the window, by address: the wheel must move none.
std::map<const Fl_Valuator*, double> valeurs(Fl_Widget* racine)
{
    std::map<const Fl_Valuator*, double> v;
    if (const Fl_Valuator* f = dynamic_cast<const Fl_Valuator*>(racine))
        v[f] = f->value();
    if (Fl_Group* g = racine->as_group())
        for (int i = 0; i < g->children(); ++i)
            for (const auto& e : valeurs(g->child(i)))
                v.insert(e);
    return v;
}

// The widget drawn at (x, y) under `g`, or `g` itself.
Fl_Widget* pSous(Fl_Group& g, int x, int y)
{
    for (int i = g.children(); i--;) {
        Fl_Widget* w = g.child(i);
        if (w->visible() && x >= w->x() && x < w->x() + w->w() && y >= w->y() &&
            y < w->y() + w->h())
            return w->as_group() ? pSous(*w->as_group(), x, y) : w;
    }
    return &g;
}

bool bDansAide(const Fl_Widget* w)
{
    for (; w; w = w->parent())
        if (dynamic_cast<const Fl_Help_View*>(w))
            return true;
    return false;
}

// A point of the area over one of the panel's buttons, clear of the
// scrollbar and of a help pane (which scrolls its own text).
bool bSurBouton(Fl_Scroll& s, int& x, int& y)
{
    for (y = s.y() + 2; y < s.y() + s.h() - 2; y += 2)
        for (x = s.x() + SCROLL_DECALAGE + 2; x < s.x() + s.w() - 2; x += 4) {
            Fl_Widget* w = pSous(s, x, y);
            if (dynamic_cast<classeBouton*>(w) && !bDansAide(w))
                return true;
        }
    return false;
}

// A turn of the wheel down with the pointer over one of the accordion's
// buttons, the accordion cut just below it so that it scrolls.
void vTourner(Fl_Window& fenetre, Fl_Scroll& s, const std::string& nom)
{
    // The packs place their children when drawn.
    ASSERT_TRUE(harnais::bRedessiner(&fenetre)) << nom;
    int x = 0, y = 0;
    ASSERT_TRUE(bSurBouton(s, x, y)) << nom;
    EtendueContenu e;
    ASSERT_TRUE(bEtendueContenu(&s, e)) << nom;
    s.resize(s.x(), s.y(), s.w(), y - s.y() + 10);
    ASSERT_LT(s.h(), e.bas - e.haut) << nom;
    ASSERT_TRUE(harnais::bRedessiner(&fenetre)) << nom;
    ASSERT_TRUE(s.scrollbar.visible()) << nom;
    auto avant = valeurs(&fenetre);
    avant.erase(&s.scrollbar);
    harnais::vSurvoler(&fenetre, x, y);
    Fl::e_dx = 0, Fl::e_dy = 1;
    Fl::handle(FL_MOUSEWHEEL, &fenetre);
    EXPECT_GT(s.yposition(), 0) << nom;
    auto apres = valeurs(&fenetre);
    apres.erase(&s.scrollbar);
    EXPECT_EQ(apres, avant) << nom;
}

class MoletteRequeteur : public RequeteurTest {};
class MoletteVisualisateur : public PageVisualisateur {};

}  // namespace

TEST_F(MoletteRequeteur, TheWheelOverARequestAccordionScrollsIt)
{
    const struct {
        const char* nom;
        int onglet, forfaits;
    } cas[] = {
        {"GRIB request", ONGLET_GRIB, 0},
        {"packages", ONGLET_GRIB, 1},
        {"bulletins", ONGLET_BULLETINS, 0},
        {"images", ONGLET_IMAGES, 0},
    };
    for (const auto& c : cas) {
        construire(c.onglet, c.forfaits);
        Fl_Scroll* s = pAccordeon(page);
        ASSERT_NE(s, nullptr) << c.nom;
        vTourner(poste->fenetre, *s, c.nom);
    }
}

TEST_F(MoletteVisualisateur, TheWheelOverTheViewerPanelScrollsIt)
{
    ASSERT_TRUE(harnais::bMontrer(&fenetre));
    ASSERT_TRUE(recevoir("p.grb", sFichierPage({{2, 15, 0}, {2, 15, 6}, {11, 15, 0}})));
    vTourner(fenetre, *page->scrollVisualisateur, "viewer");
}
