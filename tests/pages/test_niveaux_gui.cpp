// A viewer page on the service's answer, which holds the sea temperature at
// the surface and at two depths at one validity: each level is read, named
// and charted apart; and the right click arms the read-out at a validity
// where the chosen parameter has no field.
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

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <array>
#include <cstdio>
#include <gtest/gtest.h>
#include <regex>

namespace {

// The levels of parameter 11 in the file, in its order.
struct Niveau {
    const char* nom;
    int type, niveau;
};
const Niveau NIVEAUX[] = {{"surface", 102, 0}, {"50 m", 160, 50}, {"10 m", 160, 10}};

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
    // The screen point of a position on the map.
    std::array<int, 2> point(double lat, double lon) const
    {
        const fdc& c = *page->carte;
        return {c.x() + c.iColonne(lon), c.y() + int(c.dLigne(lat))};
    }
    void clicDroit(std::array<int, 2> p)
    {
        harnais::vSurvoler(&fenetre, p[0], p[1]);
        harnais::vCliquer(&fenetre, p[0], p[1], 3);
    }

    PopupOverlay popup{&fenetre};
    vr* pages[VR_PAGES] = {nullptr, page};
};

// "Temperature (<level>): <value>" of each reading, in order.
std::vector<std::array<std::string, 2>> temperaturesLues(const char* html)
{
    const std::string texte = std::regex_replace(html, std::regex("<[^>]*>"), "");
    static const std::regex lue(R"(Temperature \(([^)]*)\): ([-0-9.]+))");
    std::vector<std::array<std::string, 2>> v;
    for (std::sregex_iterator m(texte.begin(), texte.end(), lue), fin; m != fin; ++m)
        v.push_back({(*m)[1].str(), (*m)[2].str()});
    return v;
}

}  // namespace

// At 46 N 6 W the read-out, the charts of the point and the line under the
// map each name every level, with eccodes' value of that level.
TEST_F(Niveaux, EachLevelIsReadNamedAndChartedApart)
{
    if (!eccodesPresent())
        GTEST_SKIP() << "eccodes is not installed";
    const std::vector<ValeurNiveau> eccodes =
        valeursParNiveau(fixtureGrib("service.grb"), 11, 46, -6);
    ASSERT_EQ(eccodes.size(), std::size(NIVEAUX));
    fdc& carte = *page->carte;
    page->boutonHistogrammes->do_callback();
    clicDroit(point(46, -6));
    ASSERT_TRUE(harnais::bAttendre([&] { return popup.visible() && carte.histogrammes; }));
    // Each level's reading, and its chart of one sample.
    std::vector<std::array<std::string, 2>> attendues;
    std::vector<std::string> titres, titresAttendus;
    std::vector<double> valeurs, celsius;
    for (size_t k = 0; k < std::size(NIVEAUX); ++k) {
        const Niveau& n = NIVEAUX[k];
        ASSERT_EQ((std::array<int, 2>{eccodes[k].type, eccodes[k].niveau}),
                  (std::array<int, 2>{n.type, n.niveau}));
        celsius.push_back(eccodes[k].valeur - 273.15);
        char texte[16];
        std::snprintf(texte, sizeof texte, "%.1f", celsius.back());
        attendues.push_back({n.nom, texte});
        titresAttendus.push_back(std::string("Temperature de la mer ou du sol (") + n.nom + ")");
    }
    EXPECT_EQ(temperaturesLues(popup.texte), attendues) << popup.texte;
    // The line under the map names the parameter once, with its levels.
    const std::string ligne = page->boiteSecond->label();
    EXPECT_NE(ligne.find("Temperature de la mer ou du sol (surface, 50 m, 10 m)"),
              std::string::npos) << ligne;
    EXPECT_EQ(ligne.find("Temperature"), ligne.rfind("Temperature")) << ligne;
    for (int k = 1; k < HISTOGRAMMES_PLACES; ++k) {
        const Histogramme* g = carte.histogrammes->histogrammes[k];
        if (carte.histogrammes->genres[k] != 8)
            continue;
        titres.push_back(g->titre->label());
        for (int e = 0; e < g->histogramme->numb; ++e)
            valeurs.push_back(g->histogramme->entries[size_t(e)].val);
    }
    EXPECT_EQ(titres, titresAttendus);
    ASSERT_EQ(valeurs.size(), celsius.size());
    for (size_t k = 0; k < celsius.size(); ++k)
        EXPECT_NEAR(valeurs[k], celsius[k], 1e-3) << k;
}

// At 18 h the file holds no sea temperature: the right click arms the
// read-out, locked or not, without moving the view; the key back to 12 h
// shows the values at once. A second right click turns it off.
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
        const std::array<int, 2> p = point(46, -6);
        clicDroit(p);
        EXPECT_EQ((std::array<double, 3>{carte.ox, carte.oy, carte.echelleCourante}), vue);
        EXPECT_FALSE(popup.visible());
        harnais::vTouche(&fenetre, 'h', "h");
        ASSERT_NE(carte.champs, nullptr);
        EXPECT_TRUE(harnais::bAttendre([&] { return popup.visible(); }));
        EXPECT_EQ(temperaturesLues(popup.texte).size(), std::size(NIVEAUX)) << popup.texte;
        clicDroit(p);
        EXPECT_FALSE(popup.visible());
        EXPECT_EQ(carte.lecture, 0);
    }
    // Armed and turned off again before any field: nothing to show.
    page->boutonsValidites[1]->setonly();
    page->boutonsValidites[1]->do_callback();
    clicDroit(point(46, -6));
    clicDroit(point(46, -6));
    EXPECT_EQ(carte.lecture, 0);
    harnais::vTouche(&fenetre, 'h', "h");
    EXPECT_FALSE(popup.visible());
}
