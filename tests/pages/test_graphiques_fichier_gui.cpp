// A point-chart window belongs to the file its page shows: every way that
// file goes or is replaced takes the window with it, off the screen and
// out of the window menu.
#include "pages/vr.h"

#include "map/fdc.h"
#include "map/histogrammes.h"
#include "tests/pages/page_test.h"
#include "tests/ui/harnais_gui.h"
#include "ui/boutons.h"
#include "ui/crochets.h"
#include "ui/gestion_interfaces.h"

#include <FL/Fl.H>
#include <FL/Fl_Menu_Button.H>
#include <functional>
#include <gtest/gtest.h>

namespace {

const std::vector<MessagePage> PRESSION = {{2, 15, 0, 101200}, {2, 15, 6, 100800}};

// A chart window shown on screen, whoever owns it.
bool bGraphiquesMontres()
{
    for (Fl_Window* f = Fl::first_window(); f; f = Fl::next_window(f))
        if (dynamic_cast<Histogrammes*>(f) && f->visible())
            return true;
    return false;
}

class GraphiquesFichier : public PageVisualisateur {
protected:
    void SetUp() override
    {
        PageVisualisateur::SetUp();
        gestion_interfaces::menuFenetres = &menu;
        crochetMenuGraphiques = iMenuGraphiques;
        gvr = pages;
    }
    void TearDown() override
    {
        gvr = nullptr;
        crochetMenuGraphiques = nullptr;
        gestion_interfaces::menuFenetres = nullptr;
        PageVisualisateur::TearDown();
    }
    bool listee() const { return menu.find_index("Histogramme 1") >= 0; }

    Fl_Menu_Button menu{0, 0, 10, 10};
    vr* pages[VR_PAGES] = {nullptr, page};
};

struct Remplacement {
    const char* nom;
    std::function<void()> faire;
    bool fichierApres;  // the page shows a file afterwards
};

}  // namespace

TEST_F(GraphiquesFichier, TheChartWindowGoesWithTheFileItCharts)
{
    const Remplacement cas[] = {
        {"Fermer", [this] { page->boutonFermer->do_callback(); }, false},
        {"received file",
         [this] { recevoir("p.grb", sFichierPage({{2, 16, 0}})); }, true},
        {"interpolation output",
         [this] { recevoir("interpv.grb", sFichierPage(PRESSION)); }, true},
        {"file the page cannot show",
         [this] { recevoir("vide.grb", sFichierPage({{7, 15, 0}})); }, true},
        {"file opened from the page",
         [this] {
             ecrireFichier("dat/ouvert.grb", sFichierPage(PRESSION));
             page->grib("dat/ouvert.grb", 0);
         },
         true},
    };
    ASSERT_TRUE(harnais::bMontrer(&fenetre));
    fdc& carte = *page->carte;
    for (const Remplacement& c : cas) {
        ASSERT_TRUE(recevoir("pv.grb", sFichierPage(PRESSION))) << c.nom;
        carte.vFdcHistogramme(48, -8);
        ASSERT_NE(carte.histogrammes, nullptr) << c.nom;
        ASSERT_TRUE(harnais::bAttendre(bGraphiquesMontres)) << c.nom;
        ASSERT_TRUE(listee()) << c.nom;
        c.faire();
        EXPECT_EQ(page->fichiers[0] != nullptr, c.fichierApres) << c.nom;
        EXPECT_EQ(carte.histogrammes, nullptr) << c.nom;
        EXPECT_FALSE(listee()) << c.nom;
        EXPECT_TRUE(harnais::bAttendre([] { return !bGraphiquesMontres(); })) << c.nom;
        // The next chart reads the file shown now, or none.
        EXPECT_EQ(carte.histogrammeEtat, 0) << c.nom;
    }
}
