// The chart widget's entries and glyph rows, recorded without a display,
// and what a chart of each kind makes of a sample.
#include "map/fl_histogramme.h"
#include "map/histogramme.h"
#include "map/histogramme_glyphes.h"
#include "map/histogrammes.h"
#include "tests/map/trace_test.h"
#include "tests/outils/outils_test.h"
#include "ui/globales_ui.h"
#include "ui/local.h"
#include "ui/palette.h"
#include "ui/titre_ajuste.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Pack.H>
#include <gtest/gtest.h>
#include <string>

using Rvb = TraceTest::Rvb;

namespace {

std::vector<std::string> libelles(const Fl_Histogramme& h)
{
    std::vector<std::string> v;
    for (int i = 0; i < h.numb; ++i)
        v.push_back(h.entries[size_t(i)].str);
    return v;
}

std::vector<float> valeurs(const Fl_Histogramme& h)
{
    std::vector<float> v;
    for (int i = 0; i < h.numb; ++i)
        v.push_back(h.entries[size_t(i)].val);
    return v;
}

Rvb rvb(Fl_Color c)
{
    uchar r, g, b;
    Fl::get_color(c, r, g, b);
    return {r, g, b};
}

// One glyph row of entries 20 pixels apart, 47 high as under the axes.
struct Rangee {
    std::vector<FL_CHART_ENTRY_PAT> e;
    ZoneHistogramme zone(double min = 0, double max = 1) const
    {
        return {0, 0, 20 * int(e.size()), 47, int(e.size()), e.data(), min, max, 1, 0, FL_BLACK};
    }
};

}  // namespace

TEST(ChartEntries, GrowDropAndIgnoreOutOfRange)
{
    Fl_Histogramme h(0, 0, 100, 50);
    for (int i = 0; i < 200; ++i)
        h.add(i);
    EXPECT_EQ(h.numb, 200);
    EXPECT_EQ(h.sizenumb, 256);
    EXPECT_EQ(h.entries.size(), 257u);

    Fl_Histogramme m(0, 0, 100, 50);
    m.maxsize(24);
    for (int i = 1; i <= 25; ++i)
        m.add(i);
    EXPECT_EQ(m.numb, 24);
    EXPECT_EQ(m.entries[0].val, 2.0f);
    EXPECT_EQ(m.entries[23].val, 25.0f);
    m.maxsize(-3);
    EXPECT_EQ(m.maxnumb, 24);
    m.maxsize(3);  // the last three move to the front
    EXPECT_EQ(valeurs(m), (std::vector<float>{23, 24, 25}));
    m.insert(1, 7);  // full: the last falls off
    EXPECT_EQ(valeurs(m), (std::vector<float>{7, 23, 24}));

    Fl_Histogramme r(0, 0, 100, 50);
    r.add(1, "a");
    r.add(2, "b");
    for (int i : {0, 4, -1})
        r.insert(i, 9, "x");
    for (int i : {0, 3})
        r.replace(i, 9, "x");
    EXPECT_EQ(libelles(r), (std::vector<std::string>{"a", "b"}));
    r.insert(3, 5, "c");
    r.insert(1, -5, "d");
    r.replace(2, 8, nullptr);
    EXPECT_EQ(libelles(r), (std::vector<std::string>{"d", "", "b", "c"}));
    EXPECT_EQ(valeurs(r), (std::vector<float>{-5, 8, 2, 5}));
    // insert and replace leave the range; add widens it; clear keeps min.
    EXPECT_EQ(r.min, 0.0);
    EXPECT_EQ(r.max, 2.0);
    r.add(-3);
    r.clear();
    r.add(4);
    EXPECT_EQ(r.min, -3.0);
    EXPECT_EQ(r.max, 4.0);
}

TEST(ChartEntries, LongLabelsAreCutWithinTheEntry)
{
    Fl_Histogramme h(0, 0, 100, 50);
    h.add(1, "0123456789abcdefghijklmnop");
    h.add(2, "0123456789abcdefgé");  // the é would end past 18 bytes
    EXPECT_EQ(libelles(h), (std::vector<std::string>{"0123456789abcdefgh", "0123456789abcdefg"}));
}

TEST(ChartEntries, AnEmptyChartDrawsNothingAndSaysSo)
{
    DossierTemporaire d;
    JournalTemporaire journal(d / "log.txt");
    Fl_Histogramme h(0, 0, 100, 50);
    h.draw();
    EXPECT_NE(journal.contenu().find("<HISTOGRAMME> ATTENTION numb=0"), std::string::npos);
}

TEST(ChartRows, SlotsWithAutosizeOffAndNoMaximum)
{
    FL_CHART_ENTRY_PAT e[3] = {};
    ZoneHistogramme z{0, 0, 100, 40, 3, e, 0, 1, 0, 0, FL_BLACK};
    EXPECT_EQ(z.iUtile(), 99);
    EXPECT_DOUBLE_EQ(z.dCase(), 33.0);  // maxnumb 0 counts as numb
    z.maxnumb = 10;
    EXPECT_DOUBLE_EQ(z.dCase(), 9.9);
}

TEST(ChartRows, WindFlagsCentredWithTheirForce)
{
    skins();
    Rangee r{{{2, 0, "90"}, {20, 0, "270"}}};
    TraceTest t;
    draw_windflag(t, r.zone());
    // The calm: a circle of a third of 10 pixels in the middle of slot 0
    // on the calm line (47 - 23).
    ASSERT_GE(t.appels.size(), 2u);
    EXPECT_EQ(t.appels[0].genre, 'c');
    EXPECT_EQ(t.appels[0].v, (std::array<int, 6>{10, 24, 3, 0, 0, 0}));
    // 20 kn from the west: the station half a slot right of the middle,
    // the shaft 10 pixels to its left, two barbs and no pennant.
    std::vector<TraceTest::Appel> traits;
    for (const auto& a : t.appels)
        if (a.genre == 't')
            traits.push_back(a);
    ASSERT_EQ(traits.size(), 10u);
    EXPECT_EQ(traits[0].v, (std::array<int, 6>{40, 24, 30, 24, 0, 0}));
    EXPECT_EQ(t.nombre('f'), 0);
    int barbes = 0;
    for (const auto& a : traits)
        barbes += a.epaisseur == 1 && a.v[1] == 24 && a.v[3] < 24;  // leaning up from the shaft
    EXPECT_EQ(barbes, 2);
    // Force 5 in yellow over four halo copies in the background colour.
    ASSERT_EQ(t.textes.size(), 10u);
    for (int i = 5; i < 9; ++i)
        EXPECT_EQ(t.textes[size_t(i)].rvb, rvb(COLOR_FOND));
    EXPECT_EQ(t.textes[9].texte, "5");
    EXPECT_EQ(t.textes[9].rvb, (Rvb{254, 254, 0}));
    EXPECT_EQ(t.textes[4].texte, "1");
    EXPECT_EQ(t.textes[4].rvb, (Rvb{0, 254, 128}));
}

TEST(ChartRows, ArrowsCalmsAndTheirTexts)
{
    skins();
    Rangee courant{{{0.005f, 0, "45"}}};
    TraceTest t;
    draw_vecteur_courant(t, courant.zone(), HISTO_COURANT);
    ASSERT_EQ(t.nombre('c'), 2);
    EXPECT_EQ(t.appels[0].v, (std::array<int, 6>{10, 24, 4, 0, 0, 0}));  // head of 13 / 3
    EXPECT_EQ(t.textes.back().texte, "0.0");

    // Sea state: its class (8) or its rounded height (9), coloured by the
    // height, over a black halo from 2.5 m.
    Rangee mer{{{3.0f, 0, "180"}, {0.05f, 0, "0"}}};
    TraceTest classe, hauteur, rien;
    draw_vecteur_courant(classe, mer.zone(), HISTO_MER);
    draw_vecteur_courant(hauteur, mer.zone(), HISTO_MER_VALEUR);
    EXPECT_EQ(classe.textes[4].texte, "5");
    EXPECT_EQ(hauteur.textes[4].texte, "3");
    EXPECT_EQ(hauteur.textes[0].rvb, (Rvb{0, 0, 0}));
    EXPECT_EQ(hauteur.textes[4].rvb, (Rvb{254, 128, 0}));
    // From the south, going north: the arrow's tip above its station.
    EXPECT_EQ(classe.appels[5].genre, 't');
    EXPECT_LT(classe.appels[5].v[3], classe.appels[5].v[1]);
    // A row whose min and max are both 0 draws nothing.
    draw_vecteur_courant(rien, mer.zone(0, 0), HISTO_MER);
    draw_windflag(rien, mer.zone(0, 0));
    EXPECT_TRUE(rien.appels.empty() && rien.textes.empty());
}

TEST(Chart, HourAndDayRows)
{
    const Fl_Color A = fl_rgb_color(84, 104, 117), B = fl_rgb_color(104, 124, 137);
    Histogramme g(0, 0, 200, 90, 1);
    for (int h : {0, 6, 12, 18, 0, 6})
        g.add_heures(h);
    std::vector<Fl_Color> couleurs;
    for (int i = 0; i < g.heures->numb; ++i)
        couleurs.push_back(g.heures->entries[size_t(i)].col);
    EXPECT_EQ(couleurs, (std::vector<Fl_Color>{B, B, B, B, A, A}));
    for (int d : {5, 5, 6})
        g.add_dates(d);
    EXPECT_EQ(libelles(*g.dates), (std::vector<std::string>{"5", "", "6"}));
    EXPECT_EQ(g.dates->entries[1].col, B);
    EXPECT_EQ(g.dates->entries[2].col, A);
    g.vVider();
    EXPECT_EQ(g.heures->numb + g.dates->numb + g.derniereHeure + g.dernierJour, 24);

    Histogramme sans(0, 0, 200, 62, 0);
    sans.add_heures(3);
    sans.add_dates(3);
    EXPECT_EQ(sans.heures, nullptr);
    EXPECT_EQ(sans.histogramme->h(), 47);
    EXPECT_EQ(g.histogramme->h(), 47);
}

TEST(Chart, EachKindsValueLabelAndColour)
{
    const struct {
        int genre;
        double valeur, second;
        float dessine;
        const char* libelle;
        Rvb couleur;
    } cas[] = {
        {12, 2.0, 0, 3.8f, "3.8", {254, 254, 0}},     {12, 3.0, 0, 5.7f, "6", {254, 128, 0}},
        {10, 10.0, 0, 29.157667f, "29", {254, 254, 0}}, {21, 5.0, 0, 5, "5.0", {254, 128, 0}},
        {21, 5.2, 0, 5.2f, "5", {254, 128, 0}},         {1, 20, 270, 20, "270", {254, 254, 0}},
        {7, 1014.6, 0, 1014.6f, "1015", {254, 32, 32}}, {7, 1020, 0, 1020, "1020", {0, 0, 255}},
        {9, 0.5, 0, 0.5f, "0.50", {0, 254, 0}},         {22, 1.5, 0, 1.5f, "1.5", {0, 254, 0}},
        {23, 0.4, 0, 0.4f, "0.40", {254, 254, 0}},      {15, 12, 0, 12, "12", {254, 32, 32}},
        {13, 14.95, 0, 14.95f, "14.9", {0, 0, 255}},    {11, 10.0, 0, 54.0f, "54", {254, 254, 0}},
    };
    for (const auto& c : cas) {
        Histogramme g(0, 0, 200, 90, 1);
        g.setTitre(c.genre);
        g.add_chart(c.valeur, c.second);
        ASSERT_EQ(g.histogramme->numb, 1) << c.genre;
        EXPECT_NEAR(g.histogramme->entries[0].val, c.dessine, 0.01) << c.genre;
        EXPECT_STREQ(g.histogramme->entries[0].str, c.libelle) << c.genre << " " << c.valeur;
        EXPECT_EQ(rvb(g.histogramme->entries[0].col), c.couleur) << c.genre << " " << c.valeur;
    }
    Histogramme rien(0, 0, 200, 62, 0);
    rien.setTitre(24);
    rien.add_chart(1, 1);
    EXPECT_EQ(rien.histogramme->numb, 0);
}

// A translation longer than the title's buffer is cut, not written past it.
TEST(Chart, LongTranslatedTitlesAreCut)
{
    DossierTemporaire d;
    ASSERT_TRUE(commande("mkdir -p " + sh(d / "loc")));
    ecrireFichier(d / "loc/messages.de.mac",
                  "#\n@Mer totale\n" + std::string(100, 'M') + "\n\n@Hauteur (etat de la mer)\n" +
                      std::string(100, 'H') + "\n");
    DossierCourant ici(d.chemin());
    local* ancien = langage;
    langage = new local("de");
    Histogramme g(0, 0, 200, 90, 1);
    g.setTitre(2);
    const std::string titre = g.titre->label();
    delete langage;
    langage = ancien;
    EXPECT_EQ(titre, std::string(100, 'M') + " : " + std::string(24, 'H'));
}

TEST(ChartWindow, SlotsHeightAndTitle)
{
    Histogrammes h0(0, 0, 0, 500, 90), h3(3, 0, 0, 500, 90);
    EXPECT_EQ(std::string(h0.label()).find(" : Histogramme"), std::string(h0.label()).size() - 14);
    EXPECT_EQ(std::string(h3.label()).substr(std::string(h3.label()).size() - 16),
              " : Histogramme 3");
    EXPECT_FALSE(h0.shown());
    Histogramme* p = h0.pHistogramme(7, 1);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(h0.hauteurTotale, 106);
    EXPECT_EQ(h0.pHistogramme(7, 1), p);
    EXPECT_EQ(h0.pHistogramme(22, 0)->h(), 62);
    EXPECT_EQ(h0.hauteurTotale, 168);
    EXPECT_EQ((std::array<int, 3>{h0.genres[1], h0.genres[2], h0.genres[3]}),
              (std::array<int, 3>{7, 22, 0}));
    EXPECT_EQ(h0.pack->children(), 3);
    EXPECT_EQ(h0.pHistogramme(0, 1), nullptr);
    EXPECT_EQ(h0.pHistogramme(24, 1), nullptr);
}
