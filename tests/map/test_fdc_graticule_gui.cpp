// The graticule, the scale and the messages of a map in a window, from the
// texts and lines the map hands to X11.
#include "tests/map/carte_fenetre.h"

#include "map/echelle_mesure.h"
#include "gribdata/enregistrement_grib.h"
#include "map/fdc_couches.h"
#include "ui/globales_ui.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>
#include <cmath>
#include <cstring>

namespace {

class Graticule : public CarteFenetre {
protected:
    int largeurTexte(const char* s, int taille)
    {
        fl_font(DRU_FONT, taille);
        return int(fl_width(s));
    }
};

}  // namespace

TEST_F(Graticule, WholeWorldLabelsGreenwichTheAntimeridianAndTheEquator)
{
    auto p = dessiner(0, 0, 180, [&] { carte->drawLatLon(); });
    const Fl_Color cGris = fl_rgb_color(127, 127, 127);
    // Greenwich at the top and the bottom, grey over a black shadow; the
    // map is wider than the world: the antimeridian on both sides, too
    // close to the edges for their bottom labels.
    const int x = carte->iColonne(0);
    const auto gm = p->textes("GM");
    ASSERT_EQ(gm.size(), 4u);
    EXPECT_EQ(gm[0].couleur, FL_BLACK);
    EXPECT_EQ(gm[1].couleur, cGris);
    EXPECT_EQ(gm[1].x, X + x - largeurTexte("GM", 12) / 2);
    EXPECT_EQ(p->textes("AM").size(), 4u);
    EXPECT_EQ(p->textes("EQ").size(), 4u);
    for (const char* pas : {"60°E", "120°W", "60°N"})  // a 60-degree step
        EXPECT_FALSE(p->textes(pas).empty()) << pas;
    // Greenwich's line runs between its labels, in the label grey.
    bool ligne = false;
    for (const auto& t : p->traits)
        if (t.x0 == X + x - 1 && t.x1 == X + x - 1) {
            EXPECT_EQ(t.y0, Y + 16);
            EXPECT_EQ(t.y1, Y + HT - 16);
            EXPECT_EQ(t.couleur, cGris);
            ligne = true;
        }
    EXPECT_TRUE(ligne);
}

TEST_F(Graticule, OverColouredBandsTheLinesArePlainGrey)
{
    static grib champ{};
    carte->isoplageAffichee = &champ;
    auto p = dessiner(0, 0, 180, [&] { carte->drawLatLon(); });
    ASSERT_FALSE(p->traits.empty());
    for (const auto& t : p->traits)
        EXPECT_EQ(t.couleur, fl_rgb_color(128, 128, 128));
    EXPECT_EQ(p->textes("GM")[1].couleur, fl_rgb_color(127, 127, 127));
}

// A view thinner than the graticule's rounding: the drawing ends.
TEST_F(Graticule, AThinViewStillEnds)
{
    auto p = dessiner(48, -4, 1, [&] {
        carte->echelleCourante = 1e-7;
        carte->drawLatLon();
    });
    EXPECT_LT(p->traits.size(), 10000u);
}

// The scale's measures are mesureEchelle's (test_echelle.cpp): the layer
// writes them with their units, miles on the left and kilometres on the right.
TEST_F(Graticule, TheScaleShowsMilesAndKilometres)
{
    // The whole world is 430 degrees wide on this map: heights only.
    auto monde = dessiner(0, 0, 180, [&] { carte->echelle(); });
    for (const char* texte : {"10800", "20002", "Milles", "Km"})
        EXPECT_EQ(monde->textes(texte).size(), 1u) << texte;
    EXPECT_EQ(monde->nonVides(), 4u);
    auto europe = dessiner(47, 2, 10, [&] { carte->echelle(); });
    const MesureEchelle m = mesureEchelle(boiteVue(*carte));
    ASSERT_TRUE(m.largeurVue);
    EXPECT_EQ(europe->nonVides(), 6u);
    char milles[32], km[32];
    std::snprintf(milles, sizeof milles, "%.0lf", m.hauteur);
    std::snprintf(km, sizeof km, "%.0lf", m.hauteur * 1.852);
    ASSERT_EQ(europe->textes(milles).size() * europe->textes(km).size(), 1u);
    EXPECT_LT(europe->textes(milles)[0].x, X + 40);
    EXPECT_GT(europe->textes(km)[0].x, X + L - 60);
}

TEST_F(Graticule, MessagesWithTheirHalo)
{
    std::strcpy(carte->chargement, "Chargement");
    auto p = dessiner(0, 0, 180, [&] { carte->draw_message(0, nullptr); });
    fl_font(DRU_FONT_BOLD, 20);
    const int lg = int(fl_width("Chargement"));
    const auto c = p->textes("Chargement");  // eight halo strokes, then the text
    ASSERT_EQ(c.size(), 9u);
    EXPECT_EQ(c[0].couleur, fl_rgb_color(196, 196, 196));
    EXPECT_EQ(c.back().couleur, COLOR_FOND);
    EXPECT_EQ(c.back().x, X + L / 2 - lg / 2);

    char avis[] = "Satellite 2024010112";
    auto n = dessiner(0, 0, 180, [&] { carte->draw_message(2, avis); });
    const auto a = n->textes(avis);
    ASSERT_EQ(a.size(), 9u);
    EXPECT_EQ(a.back().couleur, Fl_Color(255));

    char legende[] = "legende";  // a legend: one stroke, no halo
    EXPECT_EQ(dessiner(0, 0, 180, [&] { carte->draw_message(1, legende); })->ecrits.size(), 1u);

    char vide[] = "";
    auto rien = dessiner(0, 0, 180, [&] {
        carte->draw_message(1, vide);
        carte->draw_message(2, vide);
        carte->draw_message(2, nullptr);
    });
    EXPECT_TRUE(rien->ecrits.empty());
}
