// A viewer page on the service's answer, which holds the sea temperature at
// the surface, 50 m and 10 m at 12 h only: each level is read, named and
// charted apart; and the right click arms the read-out at a validity where
// the chosen parameter has no field.
#include "pages/vr.h"

#include "map/fdc.h"
#include "map/fl_histogramme.h"
#include "map/histogramme.h"
#include "map/histogrammes.h"
#include "map/popup_overlay.h"
#include "tests/pages/page_test.h"
#include "tests/ui/harnais_gui.h"
#include "ui/boutons.h"
#include "ui/titre_ajuste.h"

#include <FL/Fl_Box.H>
#include <cstdio>
#include <gtest/gtest.h>
#include <regex>

namespace {

class Niveaux : public PageVisualisateur {
protected:
    void SetUp() override
    {
        PageVisualisateur::SetUp();
        gvr = pages;
        vInstallerHotePages();
        popupOverlay = &popup;
        ASSERT_TRUE(harnais::bMontrer(&fenetre));
        ASSERT_TRUE(recevoir("service.grb", lireFichier(fixtureGrib("service.grb"))));
        for (classeBoutonImage** b = page->boutonsParametres; *b; ++b)
            (*b)->value((*b)->shortcut() == 11);
        page->boutonsParametres[0]->do_callback();
        ASSERT_NE(page->carte->champs, nullptr);
    }
    void TearDown() override
    {
        popupOverlay = nullptr;
        gvr = nullptr;
        PageVisualisateur::TearDown();
    }
    // A right click at 46 N 6 W.
    void clicDroit()
    {
        const fdc& c = *page->carte;
        const int x = c.x() + c.iColonne(-6), y = c.y() + int(c.dLigne(46));
        harnais::vSurvoler(&fenetre, x, y);
        harnais::vCliquer(&fenetre, x, y, 3);
    }
    // "<level>: <value>" of each temperature the popup reads.
    std::vector<std::string> lues() const
    {
        const std::string texte = std::regex_replace(popup.texte, std::regex("<[^>]*>"), "");
        static const std::regex lue(R"(Temperature \(([^)]*)\): ([-0-9.]+))");
        std::vector<std::string> v;
        for (std::sregex_iterator m(texte.begin(), texte.end(), lue), fin; m != fin; ++m)
            v.push_back((*m)[1].str() + ": " + (*m)[2].str());
        return v;
    }

    PopupOverlay popup{&fenetre};
    vr* pages[VR_PAGES] = {nullptr, page};
};

}  // namespace

// The read-out, the line under the map and the point's charts name every
// level, each with eccodes' value of that level.
TEST_F(Niveaux, EachLevelIsReadNamedAndChartedApart)
{
    if (!eccodesPresent())
        GTEST_SKIP() << "eccodes is not installed";
    const auto eccodes = valeursParNiveau(fixtureGrib("service.grb"), 11, 46, -6);
    const struct {
        const char* nom;
        int niveau;
    } niveaux[] = {{"surface", 0}, {"50 m", 50}, {"10 m", 10}};
    ASSERT_EQ(eccodes.size(), std::size(niveaux));
    std::vector<std::string> attendues, graphiques;
    for (size_t k = 0; k < eccodes.size(); ++k) {
        ASSERT_EQ(eccodes[k].niveau, niveaux[k].niveau);
        char t[96];
        std::snprintf(t, sizeof t, "%s: %.1f", niveaux[k].nom, eccodes[k].valeur - 273.15);
        attendues.push_back(t);
    }
    fdc& carte = *page->carte;
    page->boutonHistogrammes->do_callback();
    clicDroit();
    ASSERT_TRUE(harnais::bAttendre([&] { return popup.visible() && carte.histogrammes; }));
    EXPECT_EQ(lues(), attendues) << popup.texte;
    const std::string ligne = page->boiteSecond->label();
    EXPECT_NE(ligne.find("Temperature de la mer ou du sol (surface, 50 m, 10 m)"),
              std::string::npos) << ligne;
    EXPECT_EQ(ligne.find("Temperature"), ligne.rfind("Temperature")) << ligne;
    // Each chart's title and samples.
    for (int k = 1; k < HISTOGRAMMES_PLACES; ++k) {
        const Histogramme* g = carte.histogrammes->histogrammes[k];
        if (carte.histogrammes->genres[k] != 8)
            continue;
        std::string t = g->titre->label();
        for (int e = 0; e < g->histogramme->numb; ++e) {
            char v[16];
            std::snprintf(v, sizeof v, ": %.1f", g->histogramme->entries[size_t(e)].val);
            t += v;
        }
        graphiques.push_back(t);
    }
    for (std::string& a : attendues)
        a = "Temperature de la mer ou du sol (" + a.replace(a.find(':'), 1, "):");
    EXPECT_EQ(graphiques, attendues);
}

// At 18 h the file holds no sea temperature: the right click arms the
// read-out, locked or not, without moving the view, and the key back to
// 12 h shows the values at once; a second right click turns it off.
TEST_F(Niveaux, ARightClickArmsTheReadOutAtATimeWithoutTheField)
{
    fdc& carte = *page->carte;
    for (int verrou : {1, 0}) {
        SCOPED_TRACE(verrou);
        page->boutonCadenas->value(verrou);
        page->boutonCadenas->do_callback();
        page->boutonsValidites[1]->setonly();
        page->boutonsValidites[1]->do_callback();
        ASSERT_EQ(carte.champs, nullptr);
        const std::array<double, 3> vue{carte.ox, carte.oy, carte.echelleCourante};
        clicDroit();
        EXPECT_EQ((std::array<double, 3>{carte.ox, carte.oy, carte.echelleCourante}), vue);
        harnais::vTouche(&fenetre, 'h', "h");
        EXPECT_TRUE(harnais::bAttendre([&] { return popup.visible(); }));
        EXPECT_EQ(lues().size(), 3u) << popup.texte;
        clicDroit();
        EXPECT_FALSE(popup.visible());
        EXPECT_EQ(carte.lecture, 0);
    }
    // Armed and turned off again before any field: nothing shows.
    page->boutonsValidites[1]->setonly();
    page->boutonsValidites[1]->do_callback();
    clicDroit();
    clicDroit();
    harnais::vTouche(&fenetre, 'h', "h");
    EXPECT_FALSE(popup.visible());
}
