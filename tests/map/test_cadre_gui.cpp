// The request frame on a request map, with a host standing for the request
// page: what it hands to X11 (texts, lines, pictures) through the
// recording driver, its pixels, and the mouse, keys and title-bar inputs
// that change it.
#include "tests/map/carte_fenetre.h"

#include "map/chargement_fonds.h"
#include "tests/map/hote_cadre_test.h"
#include "ui/globales_ui.h"
#include "ui/horloge.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>
#include <algorithm>
#include <cmath>
#include <set>

namespace {

class Cadre : public CarteFenetre {
protected:
    void SetUp() override
    {
        CarteFenetre::SetUp();
        DEMARRAGE = 0;
        carte->initialisation(FDC_VECTEUR, HT, 0);
        carte->chargementAffiche = 0;
    }
    void TearDown() override { DEMARRAGE = 1; }

    // The zone fields hold `c`; the frame is taken from them.
    void montrer(const CadreZone& c)
    {
        hote.champs = c;
        carte->overlay_output(2);
    }
    // What one drawing of the map hands to X11.
    std::unique_ptr<PiloteEnregistreur> dessin()
    {
        fenetre->make_current();
        auto p = std::make_unique<PiloteEnregistreur>();
        carte->draw();
        return p;
    }
    // Window pixels of a point.
    int colonne(double lon) const { return X + carte->iColonne(lon); }
    int ligne(double lat) const { return Y + int(carte->dLigne(lat)); }
    static double maille(double v, double m) { return m * std::rint(v / m); }

    void vChamps(const CadreZone& a, const char* quoi = "")
    {
        EXPECT_DOUBLE_EQ(hote.champs.nord, a.nord) << quoi;
        EXPECT_DOUBLE_EQ(hote.champs.sud, a.sud) << quoi;
        EXPECT_DOUBLE_EQ(hote.champs.ouest, a.ouest) << quoi;
        EXPECT_DOUBLE_EQ(hote.champs.est, a.est) << quoi;
    }

    HoteCadreTest hote{43};  // mesh 0.5
};

std::vector<PiloteEnregistreur::Image> images(const PiloteEnregistreur& p, int l, int h)
{
    std::vector<PiloteEnregistreur::Image> v;
    for (const auto& i : p.images)
        if (i.l == l && i.h == h)
            v.push_back(i);
    return v;
}

}  // namespace

TEST_F(Cadre, BoundsBesideTheFrameInYellowOverBlack)
{
    carte->zoom(0, 0, 180, 0);
    montrer({20, -10, -20, 30});
    auto p = dessin();
    fl_font(DRU_FONT, 12);
    const struct {
        const char* texte;
        int x, y;  // of the yellow text; -1: centred on the middle column
    } attendus[] = {
        {"20.00\u00b0N", -1, ligne(20) - 6},
        {"10.00\u00b0S", -1, ligne(-10) + 14},
        // Longitudes are one character wider.
        {" 20.00\u00b0W", colonne(-20) - int(fl_width(" 20.00\u00b0W")) - 2, ligne(5) + 2},
        {" 30.00\u00b0E", colonne(30), ligne(5) + 2},
    };
    for (const auto& a : attendus) {
        const auto t = p->textes(a.texte);
        ASSERT_EQ(t.size(), 3u) << a.texte;
        const int x = a.x >= 0 ? a.x : colonne(5) - int(fl_width(a.texte)) / 2;
        EXPECT_EQ(t[2].x, x) << a.texte;
        EXPECT_EQ(t[2].y, a.y) << a.texte;
        EXPECT_EQ(t[2].couleur, FL_YELLOW);
        EXPECT_EQ(t[0].couleur, FL_BLACK);
        EXPECT_EQ(t[1].couleur, FL_BLACK);
        EXPECT_EQ(t[0].x, x - 1);
        EXPECT_EQ(t[1].y, a.y + 1);
    }
    // The fields hold the snapped frame; the request its zone line.
    vChamps({20, -10, -20, 30});
    EXPECT_EQ(hote.grib.ligneZone, "Z 5.000 5.000 50.000 30.000");
}

TEST_F(Cadre, AcrossTheAntimeridianOneFrameAndItsEastIsWest)
{
    carte->zoom(0, 180, 180, 0);
    montrer({10, -10, 170, -170});
    // The fields stay in -180..180; the frame goes on east of 180.
    vChamps({10, -10, 170, -170});
    EXPECT_DOUBLE_EQ(carte->cadreOuest, -190);
    EXPECT_DOUBLE_EQ(carte->cadreEst, -170);
    auto p = dessin();
    EXPECT_EQ(p->textes("170.00\u00b0W").size(), 3u);
    EXPECT_EQ(p->textes("170.00\u00b0E").size(), 3u);
    // One fill, from 170 to 190 (the handle is the other picture).
    const auto fonds = images(*p, colonne(190) - colonne(170), ligne(-10) - ligne(10));
    ASSERT_EQ(fonds.size(), 1u);
    EXPECT_EQ(fonds[0].x, colonne(170));
    EXPECT_EQ(fonds[0].profondeur, 4);
}

TEST_F(Cadre, ThreeDecimalsForTiscaOrAnEighthOfADegree)
{
    carte->zoom(45, 2, 6, 0);
    const struct {
        int modele;
        const char* maille;
        const char* nord;
    } cas[] = {
        {86, nullptr, "46.000\u00b0N"},
        {1, "0.125", "46.000\u00b0N"},
        {1, "0.25", "46.00\u00b0N"},
    };
    for (const auto& c : cas) {
        hote.grib.vSetDomaine(c.modele);
        if (c.maille)
            hote.grib.vSetMaille(c.maille);
        montrer({46, 44, 1, 3});
        EXPECT_EQ(dessin()->textes(c.nord).size(), 3u) << c.modele << " " << hote.grib.maille;
    }
}

TEST_F(Cadre, MeshLinesFourPixelsApartAtLeastAcrossButEveryMeshDown)
{
    carte->zoom(0, 0, 180, 0);
    hote.grib.vSetDomaine(51);
    hote.grib.vSetMaille("0.1");
    montrer({60, 20, -30, 40});
    auto p = dessin();
    const int gauche = colonne(-30), droite = colonne(40), haut = ligne(60), bas = ligne(20);
    std::set<int> rangees;
    int verticales = 0;
    for (const auto& t : p->traits) {
        if (t.couleur != FL_BLACK)
            continue;
        if (t.y0 == t.y1 && t.x0 == gauche + 1 && t.x1 == droite - 1 && t.y0 > haut && t.y0 < bas)
            rangees.insert(t.y0);
        if (t.x0 == t.x1 && t.y0 == haut + 1 && t.y1 == bas - 1 && t.x0 >= gauche && t.x0 <= droite)
            ++verticales;
    }
    ASSERT_GT(rangees.size(), size_t((bas - haut) / 4 - 3));
    for (auto a = rangees.begin(), b = std::next(a); b != rangees.end(); ++a, ++b)
        EXPECT_GE(*b - *a, 4);
    EXPECT_EQ(verticales, 699);  // -29.9 to 39.9
}

TEST_F(Cadre, HandleOnTheCornerBoatAtTheCentreNoHandleForAPackage)
{
    carte->zoom(0, 0, 90, 0);
    montrer({20, -10, -20, 30});
    auto p = dessin();
    const auto poignee = images(*p, 26, 26);
    ASSERT_EQ(poignee.size(), 1u);
    EXPECT_EQ(poignee[0].x, colonne(30) - 13);
    EXPECT_EQ(poignee[0].y, ligne(-10) - 13);
    const auto bateau = images(*p, 16, 16);
    ASSERT_EQ(bateau.size(), 1u);
    EXPECT_EQ(bateau[0].profondeur, 0);
    EXPECT_EQ(bateau[0].couleur, FL_WHITE);
    EXPECT_EQ(bateau[0].x, colonne(5) - 8);
    EXPECT_EQ(bateau[0].y, ligne(5) - 8);
    hote.forfait = 1;
    EXPECT_TRUE(images(*dessin(), 26, 26).empty());
    hote.forfait = 0, hote.zoneDefinie = 0;
    EXPECT_TRUE(images(*dessin(), 26, 26).empty());
    // The fill goes with the map whose pixels it shows.
    ASSERT_NE(FDCTR, nullptr);
    fenetre.reset();
    EXPECT_EQ(FDCTR, nullptr);
}

TEST_F(Cadre, AMovingZoneDrawsItsFramesAndTrackFromTheLatestRun)
{
    heurecourante = 6;  // model 43's latest run is 6 hours old
    carte->zoom(0, 0, 30, 0);
    hote.mobile = 1;
    hote.zone.cap = 90, hote.zone.vitesse = 10, hote.zone.validites = 1;
    hote.zone.temps = {{1, 12, 0}, {0, 18, 0}, {1, 24, 0}};
    montrer({5, -5, -10, -6});
    // The models are checked against the envelope: 180 miles east.
    ASSERT_FALSE(hote.cadresModele.empty());
    EXPECT_NEAR(hote.cadresModele.back().est, -5, 1e-6);
    auto p = dessin();
    std::vector<PiloteEnregistreur::Trait> rouges;
    for (const auto& t : p->traits)
        if (t.couleur == FL_RED)
            rouges.push_back(t);
    ASSERT_EQ(rouges.size(), 2u);
    EXPECT_EQ(rouges[0].x0, colonne(-8));
    EXPECT_EQ(rouges[0].x1, colonne(-7));
    EXPECT_EQ(rouges[1].x1, colonne(-5));
    EXPECT_EQ(rouges[1].y1, ligne(0));
    // A copy of the frame at each pressed time, none fixed.
    const int l = colonne(-6) - colonne(-10), h = ligne(-5) - ligne(5);
    EXPECT_EQ(images(*p, l, h).size(), 2u);
    // Forecast times count by their label; a time 0 draws the fixed frame
    // too.
    hote.zone.validites = 0;
    hote.zone.temps = {{1, 99, 0}, {1, 99, 24}};
    EXPECT_EQ(images(*dessin(), l, h).size(), 3u);
    heurecourante = 0;
}

TEST_F(Cadre, BlendedBlueInsideARedHandleOnTheCorner)
{
    ASSERT_TRUE(harnais::bMontrer(fenetre.get()));
    carte->zoom(0, 0, 10, 0);
    montrer({2, -2, -3, 3});
    ASSERT_TRUE(harnais::bRedessiner(fenetre.get()));
    const auto fond = harnais::pixel(fenetre.get(), X + 20, Y + 20);
    const auto dedans = harnais::pixel(fenetre.get(), colonne(1.25), ligne(1.25));
    const int bleu[3] = {0, 39, 239};
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(dedans[i], fond[i] + (bleu[i] - fond[i]) * 96 / 255, 4) << i;
    // The handle's outer quarter, beyond the fill.
    const auto poignee = harnais::pixel(fenetre.get(), colonne(3) + 6, ligne(-2) + 6);
    const int rouge[3] = {255, 0, 0};
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(poignee[i], fond[i] + (rouge[i] - fond[i]) * 164 / 255, 4) << i;
}

TEST_F(Cadre, TheCornerResizesToTheSnappedPointerAndTheInsideMoves)
{
    ASSERT_TRUE(harnais::bMontrer(fenetre.get()));
    carte->zoom(0, 0, 60, 0);
    montrer({10, -10, -20, 20});
    // Resize: from the corner to a point, snapped.
    const int x1 = colonne(27.3), y1 = ligne(-17.6);
    harnais::vGlisser(fenetre.get(), colonne(20), ligne(-10), x1, y1);
    vChamps({10, maille(carte->dLatitude(y1), 0.5), -20, maille(carte->dLongitude(x1), 0.5)},
            "resize");
    // Move: the extents kept, the north-west corner snapped.
    montrer({10, -10, -20, 20});
    const int gauche = colonne(-20), haut = ligne(10);
    harnais::vGlisser(fenetre.get(), colonne(3), ligne(3), colonne(3) + 47, ligne(3) + 33);
    const double n = maille(carte->dLatitude(haut + 33), 0.5);
    const double w = maille(carte->dLongitude(gauche + 47), 0.5);
    vChamps({n, n - 20, w, w + 40}, "move");
    // Within 14 pixels of the view's edge nothing changes.
    montrer({10, -10, -20, 20});
    harnais::vGlisser(fenetre.get(), colonne(20), ligne(-10), X + L - 10, Y + HT - 10, 1);
    vChamps({10, -10, -20, 20}, "edge");
    // Outside the frame the view pans under it.
    const double centre = carte->centreLongitude;
    harnais::vGlisser(fenetre.get(), X + 100, Y + 300, X + 200, Y + 300);
    EXPECT_LT(carte->centreLongitude, centre - 1);
    vChamps({10, -10, -20, 20}, "pan");
    EXPECT_DOUBLE_EQ(carte->cadreOuest, -20);
}

TEST_F(Cadre, APackageFrameMovesByItsCorner)
{
    ASSERT_TRUE(harnais::bMontrer(fenetre.get()));
    carte->zoom(0, 0, 60, 0);
    hote.forfait = 1;
    montrer({10, -10, -20, 20});
    harnais::vGlisser(fenetre.get(), colonne(20) - 3, ligne(-10) - 3, colonne(20) + 30,
                      ligne(-10) + 30);
    EXPECT_DOUBLE_EQ(hote.champs.nord - hote.champs.sud, 20);
    EXPECT_DOUBLE_EQ(hote.champs.est - hote.champs.ouest, 40);
    EXPECT_LT(hote.champs.nord, 10);
}

TEST_F(Cadre, ARightClickNearThePoleKeepsTheFrameOnTheGlobe)
{
    ASSERT_TRUE(harnais::bMontrer(fenetre.get()));
    carte->zoom(60, 0, 60, 0);
    montrer({10, -10, -20, 20});
    harnais::vCliquer(fenetre.get(), colonne(5), ligne(85), 3);
    EXPECT_DOUBLE_EQ(hote.champs.nord, 90);
    EXPECT_DOUBLE_EQ(hote.champs.sud, 70);
    EXPECT_DOUBLE_EQ(hote.champs.est - hote.champs.ouest, 40);
    EXPECT_DOUBLE_EQ(carte->cadreNord, 90);
}

TEST_F(Cadre, ArrowsMoveOneMeshPageUpGrowsATypedLatitudeMovesViewAndFrame)
{
    ASSERT_TRUE(harnais::bMontrer(fenetre.get()));
    carte->zoom(0, 0, 60, 0);
    montrer({10, -10, -20, 20});
    harnais::vSurvoler(fenetre.get(), X + 50, Y + 50);
    harnais::vTouche(fenetre.get(), FL_Left);
    vChamps({10, -10, -20.5, 19.5}, "left");
    harnais::vTouche(fenetre.get(), FL_Up);
    vChamps({10.5, -9.5, -20.5, 19.5}, "up");
    harnais::vTouche(fenetre.get(), FL_Page_Up);
    vChamps({11, -10, -21, 20}, "page up");
    EXPECT_DOUBLE_EQ(carte->cadreNord, 11);
    carte->inputCallback(1, 30.0f);
    EXPECT_DOUBLE_EQ(carte->centreLatitude, 30);
    vChamps({40.5, 19.5, -20.5, 20.5}, "latitude typed");
    // Typed near the pole, the frame keeps its height below 90 N.
    carte->inputCallback(1, 85.0f);
    vChamps({90, 69, -20.5, 20.5}, "latitude near the pole");
    // Locked, neither the view nor the frame moves.
    carte->verrou = 1;
    const double longitude = carte->centreLongitude;
    carte->inputCallback(0, 50.0f);
    EXPECT_DOUBLE_EQ(carte->centreLongitude, longitude);
    vChamps({90, 69, -20.5, 20.5}, "locked");
    carte->verrou = 0;
}
