// The charts of a map point on a viewer map shown under Xvfb: the window
// made at the first point, rebuilt only for another grid point, its size
// and title, its close box, a wind chart as the X server gets it, the
// files and pages that give no charts, and the map deleting its window.
#include "tests/map/carte_fenetre.h"

#include "ecriture_grib_test.h"
#include "grib_test.h"
#include "map/fl_histogramme.h"
#include "map/histogramme.h"
#include "map/histogrammes.h"
#include "tests/map/trace_test.h"
#include "tests/outils/outils_test.h"
#include "tests/ui/textes_entiers.h"
#include "ui/globales_ui.h"
#include "ui/local.h"
#include "ui/titre_ajuste.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/fl_draw.H>
#include <array>
#include <memory>
#include <vector>

namespace {

// Half-degree fields from the equator, 10 W, over forecast times 6 h apart.
ChampEcrit champ(int parametre, int echeance, double valeur)
{
    ChampEcrit c = champUniforme(parametre, valeur, 6 * echeance);
    c.ni = 40, c.nj = 60, c.la1 = 0, c.lo1 = -10000, c.di = c.dj = 500;
    return c;
}

std::vector<ChampEcrit> pressions(int n)
{
    std::vector<ChampEcrit> v;
    for (int k = 0; k < n; ++k)
        v.push_back(champ(2, k, 101000 + 100 * k));
    return v;
}

class Graphiques : public CarteFenetre {
protected:
    DossierTemporaire d;
    JournalTemporaire journal{d / "log.txt"};
    File fichier;
    std::unique_ptr<BoutonsPresses> parametres, validites;

    void TearDown() override
    {
        if (carte)
            carte->vFermerHistogrammes();
    }
    void afficher(const std::string& octets, const std::vector<long>& p)
    {
        ecrireFichier(d / "f.grb", octets);
        fichier.set((d / "f.grb").c_str());
        parametres.reset(new BoutonsPresses(p));
        validites.reset(new BoutonsPresses({2026120612}));
        carte->histogrammeEtat = 0;
        carte->vGrib(fichier.list, parametres->data(), validites->data(), nullptr, nullptr,
                     nullptr, nullptr);
    }
    Histogramme* graphique(int place = 1) { return carte->histogrammes->histogrammes[place]; }
};

}  // namespace

TEST_F(Graphiques, RebuiltOnlyForAnotherGridPoint)
{
    afficher(sMessagesGrib(pressions(3)), {2});
    carte->vFdcHistogramme(-12.4, 0.1);
    Histogrammes* h = carte->histogrammes;
    ASSERT_NE(h, nullptr);
    ASSERT_TRUE(harnais::bAttendre([&] { return h->shown(); }));
    EXPECT_EQ((std::array<int, 2>{h->w(), h->h()}), (std::array<int, 2>{200, 106}));
    EXPECT_STREQ(h->titre->label(), "Position  Sud12.500  Est0.000");
    EXPECT_EQ(carte->histogrammeCompteurs[7], 3);
    ASSERT_EQ(graphique()->histogramme->numb, 3);
    EXPECT_EQ(graphique()->heures->numb + graphique()->dates->numb, 6);

    // Within the same cell nothing is rebuilt: a mark added stays.
    graphique()->histogramme->add(1);
    carte->vFdcHistogramme(-12.6, -0.2);
    EXPECT_EQ(graphique()->histogramme->numb, 4);

    // The close box hides the window; the next grid point shows it again.
    harnais::vFermer(h);
    ASSERT_TRUE(harnais::bAttendre([&] { return !h->visible(); }));
    carte->vFdcHistogramme(-13.0, 0.1);
    EXPECT_EQ(carte->histogrammes, h);
    EXPECT_TRUE(harnais::bAttendre([&] { return h->shown() && h->visible(); }));
    EXPECT_EQ(graphique()->histogramme->numb, 3);
    EXPECT_STREQ(h->titre->label(), "Position  Sud13.000  Est0.000");
}

// A grid from 176 E to 184 E, a point at 183 E as the read-out hands it:
// the window opens on the map at its top-left corner, its title shows
// whole, and the pressure chart holds the grid's values at 177 W.
TEST_F(Graphiques, OnTheMapWithItsWholeTitleAcrossTheAntimeridian)
{
    std::vector<ChampEcrit> v = pressions(3);
    for (ChampEcrit& c : v)
        c.ni = 9, c.nj = 7, c.la1 = 48000, c.lo1 = 176000, c.di = c.dj = 1000;
    afficher(sMessagesGrib(v), {2});
    carte->vFdcHistogramme(46.1, 183.2);
    Histogrammes* h = carte->histogrammes;
    ASSERT_NE(h, nullptr);
    ASSERT_TRUE(harnais::bAttendre([&] { return h->shown() && h->damage() == 0; }));
    EXPECT_EQ((std::array<int, 2>{h->x(), h->y()}),
              (std::array<int, 2>{fenetre->x() + X, fenetre->y() + Y}));
    EXPECT_STREQ(h->titre->label(), "Position  Nord46.000  Ouest177.000");
    EXPECT_EQ(h->w(), 200);
    EXPECT_TRUE(harnais::bAttendre([&] {
        fl_font(h->titre->labelfont(), h->titre->labelsize());
        return fl_width(h->titre->label()) + 4 <= h->titre->w();
    })) << "size " << h->titre->labelsize();
    ASSERT_EQ(graphique()->histogramme->numb, 3);
    EXPECT_NEAR(graphique()->histogramme->entries[0].val, 1010, 1e-3);
}

TEST_F(Graphiques, WidthByTheSampleCount)
{
    afficher(sMessagesGrib(pressions(40)), {2});
    carte->vFdcHistogramme(-1, -1);
    ASSERT_NE(carte->histogrammes, nullptr);
    EXPECT_EQ(carte->histogrammes->w(), 800);
    EXPECT_EQ(carte->histogrammes->h(), 106);
}

TEST_F(Graphiques, NoChartsForAVComponentAloneOrAFileThatDoesNotDecode)
{
    afficher(sMessagesGrib({champ(33, 0, 5), champ(34, 0, 5)}), {34});
    carte->vFdcHistogramme(-1, -1);
    EXPECT_EQ(carte->histogrammes, nullptr);
    EXPECT_EQ(carte->histogrammeEtat, 1);

    MessageTest etranger;
    etranger.centre = 7, etranger.parametre = 11, etranger.jour = 6, etranger.heure = 12;
    afficher(sMessagesGrib({champ(2, 0, 101000)}) + etranger.octets(), {2});
    ASSERT_NE(carte->champs, nullptr);
    carte->vFdcHistogramme(-1, -1);
    carte->vFdcHistogramme(-5, -1);
    EXPECT_EQ(carte->histogrammes, nullptr);
    EXPECT_EQ(carte->histogrammeEtat, -1);
    const std::string log = journal.contenu();
    const size_t ligne = log.find("<HISTOGRAMME>");
    ASSERT_NE(ligne, std::string::npos);
    EXPECT_EQ(log.find("<HISTOGRAMME>", ligne + 1), std::string::npos) << "one line";
}

// 10 m/s from the west over three forecast times: a flag whose shaft goes
// left from its station and force 5 in yellow over its halo.
TEST_F(Graphiques, AWindChartAsTheServerGetsIt)
{
    std::vector<ChampEcrit> v;
    for (int k = 0; k < 3; ++k)
        v.push_back(champ(33, k, 10)), v.push_back(champ(34, k, 0));
    afficher(sMessagesGrib(v), {33});
    carte->vFdcHistogramme(-1, -1);
    ASSERT_NE(carte->histogrammes, nullptr);
    Histogrammes* h = carte->histogrammes;
    ASSERT_TRUE(harnais::bAttendre([&] { return h->shown(); }));
    // Wind flags, gusts in knots (both with axes), speed and gusts in km/h.
    EXPECT_EQ((std::array<int, 5>{h->genres[1], h->genres[2], h->genres[3], h->genres[4], h->hauteurTotale}),
              (std::array<int, 5>{1, 20, 10, 11, 16 + 90 + 62 + 90 + 62}));
    Fl_Histogramme* vent = graphique()->histogramme;
    EXPECT_STREQ(vent->entries[0].str, "270");
    h->make_current();
    PiloteEnregistreur p;
    vent->draw();
    const auto cinq = p.textes("5");
    ASSERT_EQ(cinq.size(), 15u);
    EXPECT_EQ(cinq[4].couleur, fl_rgb_color(254, 254, 0));
    EXPECT_EQ(cinq[0].couleur, COLOR_FOND);
    int fleches = 0;
    for (const auto& t : p.traits)
        fleches += t.y0 == t.y1 && t.x0 - t.x1 == 16 && t.couleur == fl_rgb_color(254, 254, 0);
    EXPECT_EQ(fleches, 3) << "one bright shaft per flag, 16 pixels to the left";
}

TEST_F(Graphiques, TheMapDeletesItsWindow)
{
    afficher(sMessagesGrib(pressions(2)), {2});
    carte->vFdcHistogramme(-1, -1);
    Fl_Window* h = carte->histogrammes;
    ASSERT_TRUE(h && harnais::bAttendre([&] { return h->shown(); }));
    delete carte;
    carte = nullptr;
    for (Fl_Window* w = Fl::first_window(); w; w = Fl::next_window(w))
        EXPECT_NE(w, h);
}

TEST(TitresGraphiques, WholeInEveryLanguage)
{
    skins();
    DossierCatalogues catalogues;
    local* ancien = langage;
    for (const char* langue : {"fr", "en", "de", "sp"}) {
        langage = new local(langue);
        Histogrammes h(1, 0, 0, 200, 90);
        for (int genre = 1; genre < HISTOGRAMME_GENRES; ++genre)
            h.pHistogramme(genre, genre % 2);
        h.vDimensionner(3);
        ASSERT_TRUE(harnais::bMontrer(&h));
        EXPECT_EQ(harnais::textesCoupes(&h), std::vector<std::string>()) << langue;
        for (int place = 1; place < HISTOGRAMME_GENRES; ++place) {
            TitreAjuste* t = h.histogrammes[place]->titre;
            EXPECT_GE(t->labelsize(), 9) << langue << " " << t->label();
            EXPECT_EQ(harnais::sEncreCoupee(&h, t, t->x()), "") << langue << " " << t->label();
        }
        delete langage;
    }
    langage = ancien;
}

// A route's window at its narrowest: a title too long even at its floor
// shows its start with the whole text in its tooltip; a short one that
// follows shows whole, without one.
TEST(TitresGraphiques, ARouteTitleTooLongIsWholeInItsTooltip)
{
    skins();
    Histogrammes h(0, 0, 0, 500, 90);
    h.pHistogramme(1, 1);
    h.vDimensionner(3);
    ASSERT_TRUE(harnais::bMontrer(&h));
    ASSERT_EQ(h.w(), 200);
    const std::pair<std::string, bool> cas[] = {
        {"Nom du bateau ou du phénomène : service_vent_europe.grb", true},
        {"Route : vent.grb", false}};
    Fl_Box* t = h.titre;
    for (const auto& [texte, coupe] : cas) {
        h.vTitre(texte.c_str());
        ASSERT_TRUE(harnais::bRedessiner(&h));
        fl_font(t->labelfont(), t->labelsize());
        EXPECT_EQ(fl_width(t->label()) + 8 > t->w(), coupe) << texte;
        EXPECT_EQ(std::string(t->tooltip() ? t->tooltip() : ""), coupe ? texte : "");
        EXPECT_EQ(harnais::textesCoupes(&h), std::vector<std::string>()) << texte;
    }
}

// Chart windows opened from one corner each take the cascade's first free step.
TEST(Cascade, EachChartWindowAtItsOwnPlace)
{
    std::vector<std::unique_ptr<Histogrammes>> h;
    const auto ouvrir = [&] { h.push_back(std::make_unique<Histogrammes>(1, 50, 80, 200, 106)); };
    const auto place = [&](size_t i) { return std::array<int, 2>{h[i]->x(), h[i]->y()}; };
    for (int i = 0; i < 3; ++i)
        ouvrir();
    h.erase(h.begin() + 1);
    ouvrir();
    ouvrir();
    EXPECT_EQ((std::vector<std::array<int, 2>>{place(0), place(1), place(2), place(3)}),
              (std::vector<std::array<int, 2>>{{50, 80}, {98, 128}, {74, 104}, {122, 152}}));
}
