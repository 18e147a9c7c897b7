// The coastline drawn by a map in a window, with the committed coastline
// levels 0 to 3.

// Google Test first: the X11 headers behind the recording driver define
// macros (None, Bool) that its own headers use as names.
#include <gtest/gtest.h>

#include "ecriture_grib_test.h"
#include "gribdata/fichier_grib.h"
#include "map/chargement_fonds.h"
#include "map/fdc.h"
#include "map/isoplages.h"
#include "map/tdc.h"
#include "tests/map/pilote_enregistreur.h"
#include "tests/map/tdc_test.h"
#include "tests/map/trace_test.h"
#include "tests/ui/harnais_gui.h"
#include "ui/palette.h"

#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>
#include <FL/fl_draw.H>
#include <array>
#include <cmath>
#include <filesystem>
#include <memory>

namespace {

using Pixel = std::array<unsigned char, 3>;

Pixel octets(Fl_Color c)
{
    return {(unsigned char)(c >> 24), (unsigned char)(c >> 16), (unsigned char)(c >> 8)};
}

// The map's plain sea and its coastline alone.
class CarteCouches : public fdc {
public:
    using fdc::fdc;
    void draw() override
    {
        if (entiere)
            return fdc::draw();
        fl_color(FL_MER);
        fl_rectf(x(), y(), w(), h());
        draw_tdc(0, cotes);
    }
    int cotes = 1;  // the mode draw_tdc is called with
    int entiere = 0;  // the map's own drawing, every layer
};

const int X = 10, Y = 10, L = 1024, HT = 600;

class CouchesFenetre : public DossierTdc {
protected:
    void SetUp() override
    {
        skins();
        // Levels 0 to 3 only, whatever the working copy holds besides.
        std::filesystem::remove("img");
        std::filesystem::create_directory("img");
        for (int n = 0; n <= 3; ++n) {
            const std::string nom = "data" + std::to_string(n) + ".dat.gz";
            std::filesystem::create_symlink(QUENBREL_SOURCE_DIR "/data/img/" + nom, "img/" + nom);
        }
        tdc1 = new tdc();
        tdc1->load();
        LOAD_TDC = 1;
        fenetre.reset(new Fl_Double_Window(L + 2 * X, HT + 2 * Y));
        carte = new CarteCouches(X, Y, L, HT);
        fenetre->end();
        carte->initialisation(FDC_VECTEUR, HT, 1);
        carte->chargementAffiche = 0;
        carte->niveauTraitCote = 1;
        ASSERT_TRUE(harnais::bMontrer(fenetre.get()));
    }
    void TearDown() override
    {
        fenetre.reset();
        delete tdc1;
        tdc1 = nullptr;
        LOAD_TDC = 0;
    }
    // Centres the view and waits for it to be drawn.
    void vue(double lat, double lon, double etendue)
    {
        carte->zoom(lat, lon, etendue, 0);
        ASSERT_TRUE(harnais::bRedessiner(fenetre.get()));
    }
    // The window pixel of a geographic position, the longitude taken in
    // whichever turn the view shows it.
    Pixel a(double lat, double lon)
    {
        int x = carte->iColonne(lon);
        for (double tour : {-360.0, 360.0})
            if (x < 0 || x >= L)
                x = carte->iColonne(lon + tour);
        EXPECT_TRUE(x >= 0 && x < L) << lat << " " << lon;
        return harnais::pixel(fenetre.get(), X + x, Y + int(carte->dLigne(lat)));
    }
    std::vector<unsigned char> carteEntiere()
    {
        return harnais::lirePixels(fenetre.get(), X, Y, L, HT);
    }
    int compter(const std::vector<unsigned char>& p, const Pixel& c)
    {
        int n = 0;
        for (size_t i = 0; i + 2 < p.size(); i += 3)
            n += p[i] == c[0] && p[i + 1] == c[1] && p[i + 2] == c[2];
        return n;
    }

    std::unique_ptr<Fl_Double_Window> fenetre;
    CarteCouches* carte = nullptr;
};

}  // namespace

TEST_F(CouchesFenetre, PlainSeaWorldShowsLandAndSea)
{
    vue(0, 0, 180);
    EXPECT_EQ(ZOOMTDC, 1);
    EXPECT_EQ(a(48.85, 2.35), octets(FL_TERRE));
    EXPECT_EQ(a(45, -30), octets(FL_MER));
    EXPECT_EQ(a(-80, 100), octets(FL_TERRE));
    EXPECT_EQ(a(47.7, -87.5), octets(FL_LAC));
    // Across the dateline the land shows on both sides.
    vue(65, 180, 30);
    EXPECT_EQ(a(66, 175), octets(FL_TERRE));
    EXPECT_EQ(a(66, 185), octets(FL_TERRE));
}

TEST_F(CouchesFenetre, TheLevelFollowsTheZoomUpToTheLastLoaded)
{
    // Zoomed in, Brest's roadstead is sea and the land around it land.
    vue(48.35, -4.45, 0.5);
    EXPECT_EQ(ZOOMTDC, 3);
    EXPECT_EQ(a(48.33, -4.45), octets(FL_MER));
    EXPECT_EQ(a(48.45, -4.25), octets(FL_TERRE));
}

// At the deepest zoom the coast's points lie hundreds of thousands of
// pixels away: unclipped, X11 would wrap them into strokes across the map.
TEST_F(CouchesFenetre, TheDeepestZoomDrawsNoStrayStroke)
{
    const struct {
        double lat, lon;
        Fl_Color attendue;
    } lieux[] = {{48.2, -5.3, FL_MER}, {48.2, -3.0, FL_TERRE}};
    for (const auto& l : lieux) {
        for (int mode : {1, -1}) {
            carte->cotes = mode;
            vue(l.lat, l.lon, 0.0001);
            const auto p = carteEntiere();
            EXPECT_EQ(compter(p, octets(mode == -1 ? FL_MER : l.attendue)), L * HT)
                << l.lat << " " << l.lon << " mode " << mode;
        }
    }
    // On the shore both show, and every point handed to X11 lies within a
    // few pixels of the map.
    carte->cotes = 1;
    vue(48.33, -4.77, 0.0001);
    const auto p = carteEntiere();
    EXPECT_GT(compter(p, octets(FL_TERRE)), 1000);
    EXPECT_GT(compter(p, octets(FL_MER)), 1000);
    for (int mode : {1, -1}) {
        fenetre->make_current();
        PiloteEnregistreur pilote;
        carte->draw_tdc(0, mode);
        EXPECT_FALSE(pilote.sommets.empty());
        for (const auto& s : pilote.sommets) {
            ASSERT_GE(s.x, X - 5);
            ASSERT_LE(s.x, X + L + 5);
            ASSERT_GE(s.y, Y - 5);
            ASSERT_LE(s.y, Y + HT + 5);
        }
    }
}

// Without level 1 the store's finer chains are level 0's, in hundredths
// of a degree: the world is still drawn in its place.
TEST_F(CouchesFenetre, Level0AloneIsDrawnInPlace)
{
    delete tdc1;
    for (int n = 1; n <= 3; ++n)
        std::filesystem::remove("img/data" + std::to_string(n) + ".dat.gz");
    tdc1 = new tdc();
    tdc1->load();
    EXPECT_EQ(tdc1->chaines[1], tdc1->chaines[0]);
    vue(20, 0, 180);
    EXPECT_EQ(ZOOMTDC, 1);
    EXPECT_EQ(a(48.85, 2.35), octets(FL_TERRE));
    EXPECT_EQ(a(-25, 135), octets(FL_TERRE));
    EXPECT_EQ(a(45, -30), octets(FL_MER));
    vue(48, 2, 5);
    EXPECT_EQ(a(48.85, 2.35), octets(FL_TERRE));
}

TEST_F(CouchesFenetre, OutlinesOverOpaqueBands)
{
    carte->cotes = -1;
    vue(48, -4, 8);
    const auto p = carteEntiere();
    const int trait = compter(p, {64, 64, 64});
    EXPECT_GT(trait, 500);
    EXPECT_EQ(compter(p, octets(FL_TERRE)), 0);
    EXPECT_EQ(trait + compter(p, octets(FL_MER)), L * HT);
}

// Wind flags through the toolkit; the coastline again over nearly opaque
// bands only.
TEST_F(CouchesFenetre, FieldsDrawnWithTheCoastOverOpaqueBands)
{
    const std::string octets = sMessagesGrib(
        {champUniforme(2, 101000), champUniforme(33, 10), champUniforme(34, 0)});
    File f;
    f.set(reinterpret_cast<const unsigned char*>(octets.data()), unsigned(octets.size()));
    BoutonsPresses parametres({2, 33}), validites({2026120612});
    carte->vGrib(f.list, parametres.data(), validites.data(), nullptr, nullptr, nullptr, nullptr);
    for (int opacite : {216, 217}) {
        carte->opacite = (unsigned char)opacite;
        fenetre->make_current();
        PiloteEnregistreur pilote;
        carte->drawgrib(0);
        // 19.4 knots: force 5, yellow.
        EXPECT_GT(std::count_if(pilote.traits.begin(), pilote.traits.end(),
                                [](const auto& t) { return t.couleur == fl_rgb_color(254, 254, 0); }),
                  100);
        EXPECT_EQ(pilote.sommets.empty(), opacite == 216) << opacite;
    }
    carte->vGribFree(1);
}

// Pressure rising linearly from 995 hPa at the south pole to 1035 at the
// north pole, in the map's own drawing: the white isolines of 1000 ... 1030
// hPa lie at 67.5 S ... 67.5 N (within a pixel and the pressure quantum of
// 8-bit packing, 16 Pa, 2.4 pixels here; the poles' rows, on the levels 995
// and 1035, are left out). Down a column between meridians every other
// pixel is the band's colour blended at the opacity, 129, over the same map
// drawn without the field, but for the graticule's dots, drawn over the bands.
TEST_F(CouchesFenetre, LinearPressureBandsAndIsolines)
{
    ChampEcrit c = champUniforme(2, 0);
    c.valeur = [](double lat, double) { return 101500 + lat * 2000 / 90; };
    const std::string octets = sMessageGrib(c);
    File f;
    f.set(reinterpret_cast<const unsigned char*>(octets.data()), unsigned(octets.size()));
    carte->entiere = 1;
    vue(0, 0, 180);
    const auto fond = carteEntiere();
    BoutonsPresses parametres({2}), validites({2026120612});
    carte->vGrib(f.list, parametres.data(), validites.data(), nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(harnais::bRedessiner(fenetre.get()));
    const auto p = carteEntiere();
    const isoplages& iso = *carte->champs->isoplagesChamp;
    const int x = carte->iColonne(10), haut = int(carte->dLigne(iso.nord));
    const unsigned char* bande = &iso.image[size_t(x - carte->iColonne(iso.ouest)) * 4];
    auto melange = [](int dessus, int alpha, int dessous) {
        return (alpha * dessus + (255 - alpha) * dessous) / 255;
    };
    std::vector<int> lignes;
    for (int y = haut; y < haut + iso.lignes; ++y, bande += iso.colonnes * 4) {
        const size_t i = (size_t(y) * L + x) * 3;
        const bool point = fond[i] == 127 && fond[i + 1] == 127 && fond[i + 2] == 127;
        const bool blanc = bande[3] == 128;
        if (blanc && y > haut + 2 && y < haut + iso.lignes - 3 && (lignes.empty() || y > lignes.back() + 1))
            lignes.push_back(y);
        for (int k = 0; k < 3; ++k)
            EXPECT_NEAR(p[i + k],
                        point ? 128 : melange(blanc ? 255 : bande[k], blanc ? 128 : 129, fond[i + k]), 2)
                << "row " << y << (point ? " dot" : "");
    }
    ASSERT_EQ(lignes.size(), 7u);
    for (int i = 0; i < 7; ++i)
        EXPECT_NEAR(lignes[i], carte->dLigne(67.5 - 22.5 * i), 3.4) << i;
}
