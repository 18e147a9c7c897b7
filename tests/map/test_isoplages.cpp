// Colour bands without a display: refinement and smoothing, colours, and
// the fields and settings that must draw nothing rather than trap.
#include "outils_isoplages.h"
#include "tests/outils/outils_test.h"

#include "gribdata/enregistrement_grib.h"
#include "map/classes_bandes.h"
#include "map/etiquette_carte.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <functional>
#include <gtest/gtest.h>
#include <tuple>
#include <vector>

namespace {

const int A = ISOPLAGES_ABSENT;

ChampEcrit champ(int parametre, int nj, std::function<double(double, double)> f, int ni = 21)
{
    ChampEcrit c;
    c.parametre = parametre, c.ni = ni, c.nj = nj, c.la1 = 50000, c.lo1 = -20000;
    c.valeur = f;
    return c;
}

double lineaire(double la, double lo)
{
    return 100000 + 100 * la + 10 * lo;
}

std::vector<int> rvb(const unsigned char* p)
{
    return {p[0], p[1], p[2]};
}

TEST(Isoplages, PlanDAffinage)
{
    using P = std::vector<PasseAffinage>;
    EXPECT_EQ(planAffinage(60, 50, 1, false), (P{{99, 0}, {197, 1}, {393, 2}, {785, 3}}));
    EXPECT_EQ(planAffinage(60, 200, 2, true), (P{{399, 2}, {797, 3}, {1593, 4}}));
    EXPECT_EQ(planAffinage(60, 401, 1, false), P{});
    EXPECT_EQ(planAffinage(60, 50, 0, false), P{});
    EXPECT_EQ(planAffinage(60, 1, 1, false), P{});             // never grows
    EXPECT_EQ(planAffinage(100000, 2, 1, false).size(), 4u);  // cell cap
}

TEST(Isoplages, LePremierChampDecideDuMode)
{
    for (auto [lignes, mode] : {std::pair{100, 1}, {101, 0}}) {
        ChampCharge c(champ(2, lignes, lineaire, 3), 9);
        EXPECT_EQ(OPTIMISATION, mode) << lignes;
    }
    ChampCharge c(champ(2, 50, lineaire, 3), 1);
    EXPECT_EQ(std::tie(c.iso.lignesGrille, c.iso.colonnesGrille), std::tuple(785, 33));
    EXPECT_FLOAT_EQ(c.iso.pasLatitudeTravail, 1.0f / 16);
}

TEST(Isoplages, DoublementEtLissage)
{
    std::vector<int> g;
    vDoublerGrille({0, 10, 20, 30, A, 50, 60, 70, 80}, 3, 3, g, true);
    EXPECT_EQ(g, (std::vector<int>{0,  5, 10, 15, 20, 15, A, A, A, 35, 30, A, A,
                                   A,  50, 45, A, A, A,  65, 60, 65, 70, 75, 80}));
    std::vector<int> pic{1, 2, 3, 4, 9, 6, 7, 8, 5}, pente{0, 0, 0, 0, 5, 9, 0, 0, 0};
    vLisserGrille(pic, 3, 3, 1);
    vLisserGrille(pente, 3, 3, 1);
    EXPECT_EQ(std::pair(pic[4], pente[4]), std::pair(9, 1));  // kept; (5 + 9) / 9
}

// The doubling as its rule says, means in 64 bits: the same grids from
// grids of every width around the blocks it works by, values of both
// signs up to the stored range, absent points among them.
TEST(Isoplages, DoublementCommeLaRegle)
{
    unsigned graine = 11;
    auto alea = [&graine] { return graine = graine * 1103515245u + 12345u, int(graine >> 4); };
    const int valeurs[] = {ISOPLAGES_MAXIMUM, -ISOPLAGES_MAXIMUM, -1, 1, 0, -3, 3, A};
    for (int m : {1, 2, 31, 32, 33, 34, 65, 97})
        for (bool absents : {false, true}) {
            const int n = 2 + m % 5;
            std::vector<int> g(size_t(m) * n), attendu, obtenu;
            for (int& v : g)
                v = alea() % 4 ? (alea() % 2000001) - 1000000 : valeurs[alea() % (absents ? 8 : 7)];
            auto moyenne = [absents](std::initializer_list<int> l) {
                int64_t s = 0;
                for (int v : l) {
                    if (absents && v == A)
                        return A;
                    s += v;
                }
                return int(s / int64_t(l.size()));
            };
            const int M = 2 * m - 1;
            attendu.resize(size_t(M) * (2 * n - 1));
            for (int y = 0; y < 2 * n - 1; ++y)
                for (int x = 0; x < M; ++x) {
                    const int* a = &g[size_t(y / 2) * m + x / 2];
                    const int dx = x % 2, dy = y % 2 ? m : 0;
                    attendu[size_t(y) * M + x] = dx && dy ? moyenne({a[0], a[1], a[dy], a[dy + 1]})
                                                 : dx     ? moyenne({a[0], a[1]})
                                                 : dy     ? moyenne({a[0], a[dy]})
                                                          : a[0];
                }
            vDoublerGrille(g, m, n, obtenu, absents);
            EXPECT_EQ(obtenu, attendu) << m << " " << absents;
        }
}

// The smoothing point by point as its rule says (the window scanned whole
// at each point, in place, row by row): the sliding sums give the same grid.
void vLisserUnParUn(std::vector<int>& g, int m, int n, int r)
{
    for (int y = r; y < n - r; ++y)
        for (int x = r; x < m - r; ++x) {
            const int centre = g[size_t(y) * m + x];
            if (centre == A)
                continue;
            int64_t somme = centre;
            int compte = 0, dessous = 0, dessus = 0;
            for (int j = y - r; j <= y + r; ++j)
                for (int i = x - r; i <= x + r; ++i) {
                    const int v = g[size_t(j) * m + i];
                    if ((i == x && j == y) || v == A)
                        continue;
                    ++compte, somme += v, dessous += v < centre, dessus += v > centre;
                }
            if (dessous != compte && dessus != compte)
                g[size_t(y) * m + x] = int(somme / (compte + 1));
        }
}

TEST(Isoplages, LissageCommeLaRegle)
{
    unsigned graine = 7;
    auto alea = [&graine] { return graine = graine * 1103515245u + 12345u, int(graine >> 8); };
    for (int r = 1; r <= 4; ++r)
        for (int essai = 0; essai < 6; ++essai) {
            const int m = 9 + alea() % 40, n = 9 + alea() % 30;
            std::vector<int> g(size_t(m) * n);
            for (size_t k = 0; k < g.size(); ++k) {
                const int x = int(k) % m, y = int(k) / m;
                g[k] = alea() % 7 == 0 && essai % 2 ? A
                       : essai < 4           ? 1000 * x - 700 * y + alea() % 500
                                             : (alea() % 2000000) - 1000000;
            }
            std::vector<int> attendu = g;
            vLisserUnParUn(attendu, m, n, r);
            vLisserGrille(g, m, n, r);
            EXPECT_EQ(g, attendu) << r << " " << essai;
        }
}

TEST(Isoplages, Couleurs)
{
    const std::tuple<int, int, isoplages::Formule, std::vector<int>> cas[] = {
        {1, 128, isoplages::FROIDE, {35, 69, 137}},  {10, 128, isoplages::FROIDE, {62, 123, 245}},
        {1, 164, isoplages::CHAUDE, {105, 28, 15}},  {10, 164, isoplages::CHAUDE, {249, 7, 4}},
        {1, 128, isoplages::HUMIDE, {1, 69, 137}},
    };
    for (const auto& [n, etendue, formule, attendu] : cas) {
        unsigned char p[3];
        isoplages::vCouleurClasse(p, n, etendue, 10, formule);
        EXPECT_EQ(rvb(p), attendu) << n << " " << etendue;
    }
    EXPECT_EQ(rvb(pucBandeBeaufort(iForceBeaufort(0.99f))), (std::vector<int>{1, 254, 1}));
    EXPECT_EQ(rvb(pucBandeBeaufort(iForceBeaufort(64.0f))), (std::vector<int>{230, 32, 32}));
}

// A field at exactly its reference: pressure takes the cold side, a
// temperature the warm one (one class on each side, span 164).
TEST(Isoplages, CoteDeLaReference)
{
    for (auto [parametre, valeur, attendu] : {std::tuple{2, 101500.0, std::vector<int>{64, 127, 253}},
                                              std::tuple{11, 288.25, std::vector<int>{253, 65, 33}}}) {
        ChampCharge c(champ(parametre, 11, [v = valeur](double, double) { return v; }), 0);
        c.iso.pressionPas = 50000, c.iso.pressionReference = 10150000;
        c.iso.temperaturePas = 20000, c.iso.temperatureReference = 2882500;
        ASSERT_TRUE(c.calcul(vueCentree(45, -15, 20)));
        EXPECT_EQ(rvb(c.iso.image.data()), attendu);
    }
}

// Land in a sea field: its pixels are (0, 0, 0, 128) whatever the opacity,
// every other pixel has the opacity as alpha.
TEST(Isoplages, OpaciteEtPointsAbsents)
{
    ChampCharge c(champ(2, 21, [](double la, double lo) { return lo > -5 ? NAN : lineaire(la, lo); }), 0);
    c.iso.pressionPas = 20000, c.iso.pressionReference = 10150000;
    for (int opacite : {0, 31, 129, 254}) {
        c.iso.opacite = opacite;
        ASSERT_TRUE(c.calcul(vueCentree(40, -10, 30)));
        int absents = 0, colores = 0;
        for (size_t i = 0; i < c.iso.image.size(); i += 4) {
            const unsigned char* p = &c.iso.image[i];
            absents += p[3] == 128 && !p[0] && !p[1] && !p[2];
            colores += p[3] == opacite;
        }
        EXPECT_TRUE(absents > 0 && colores > 0);
        EXPECT_EQ(absents + colores, int(c.iso.image.size() / 4)) << opacite;
    }
}

// Steps that would divide by zero and values out of any range: no trap, no
// bands and one log line for the step; clamped values still draw.
TEST(Isoplages, PasNulsEtValeursAbsurdes)
{
    auto constant = [](double, double) { return 50.0; };
    const std::tuple<int, std::function<double(double, double)>, void (*)(float*, int),
                     void (*)(isoplages&), bool, int>
        cas[] = {
            {67, constant, nullptr, [](isoplages& i) { i.couchePas = 25 * i.echelle; }, false, 1},
            {176, constant, nullptr, nullptr, false, 1},
            {176, lineaire, nullptr, nullptr, false, 1},  // range under 2,000,000
            {99, constant, [](float* v, int n) { std::fill_n(v, n, 1e30f); }, nullptr, false, 1},
            {2, lineaire, [](float* v, int) { v[3] = 1e30f, v[4] = -1e30f; }, nullptr, true, 0},
            {2, lineaire, [](float* v, int n) { std::fill_n(v, n, NAN), v[1] = INFINITY; },
             nullptr, false, 0},
        };
    for (const auto& [parametre, f, retouche, reglage, bandes, lignesJournal] : cas) {
        DossierTemporaire d;
        JournalTemporaire journal(d / "log.txt");
        ChampCharge c(champ(parametre, 21, f), 0, retouche);
        if (reglage)
            reglage(c.iso);
        EXPECT_EQ(c.calcul(vueCentree(40, -10, 30)), bandes) << parametre;
        c.calcul(vueCentree(40, -10, 30));
        EXPECT_EQ(c.iso.visible.empty(), !bandes);
        const std::string texte = journal.contenu();
        EXPECT_EQ(std::count(texte.begin(), texte.end(), '\n'), lignesJournal) << texte;
    }
}

// Views that leave a single row or column of the field, or none, or that
// no conversion can use: nothing read or written outside the buffers.
TEST(Isoplages, DecoupesExtremes)
{
    ChampCharge c(champ(2, 21, [](double la, double lo) { return la < 35 ? NAN : lineaire(la, lo); }), 0);
    c.iso.isolignesActives = 1;
    for (const VueCarte& v : {vueCentree(40, -10, 30), vueCentree(40, -10, 0.05), vueCentree(40, 120, 30),
                              vueCentree(-60, -10, 10), vueCentree(40, -10, 30, 1, 1),
                              vueCentree(40, -10, 1e-6), vueCentree(40, -10, 0)}) {
        c.calcul(v);
        EXPECT_EQ(c.iso.image.size(), size_t(c.iso.colonnes) * c.iso.lignes * 4);
        EXPECT_EQ(c.iso.visible.size(), size_t(c.iso.colonnesLabels) * c.iso.lignesLabels);
    }
}

// The extremes of grids of every size around the search's blocks, with
// absent points, ties and the extreme values of the int range, against a
// plain search: the first of equal values wins, absent points never do.
TEST(Isoplages, Extremes)
{
    const int M = ISOPLAGES_MAXIMUM;
    struct Cas {
        size_t taille;
        std::vector<std::pair<size_t, int>> poses;  // over values i % 97 - 40
    };
    const std::vector<Cas> cas = {
        {1, {}}, {1, {{0, A}}}, {3, {{0, A}, {1, A}, {2, A}}}, {255, {{254, -M}}},
        {256, {{0, A}, {255, M}}}, {257, {{256, -500}, {100, -500}, {3, A}}},
        {1000, {{999, 700}, {513, 700}, {300, -M}, {700, -M}, {5, A}}},
        {1000, {{10, M}, {600, M}, {256, A}, {512, A}}},
    };
    for (const Cas& k : cas) {
        isoplages o;
        o.visible.resize(k.taille);
        for (size_t i = 0; i < k.taille; ++i)
            o.visible[i] = int(i % 97) - 40;
        for (auto [i, v] : k.poses)
            o.visible[i] = v;
        size_t iMin = 0, iMax = 0, attenduMin = 0, attenduMax = 0;
        bool valeur = false;
        for (size_t i = 0; i < k.taille; ++i) {
            const int v = o.visible[i];
            if (v == A)
                continue;
            if (!valeur || v < o.visible[attenduMin])
                attenduMin = i;
            if (!valeur || v > o.visible[attenduMax])
                attenduMax = i;
            valeur = true;
        }
        ASSERT_EQ(o.extremes(iMin, iMax), valeur) << k.taille;
        if (valeur) {
            EXPECT_EQ(std::pair(iMin, iMax), std::pair(attenduMin, attenduMax)) << k.taille;
        }
    }
}

// A cut-out of whole rows is the grid's own rows, not a copy; a cell
// written, or the object copied, gives cells of their own and leaves the
// grid as it was.
TEST(Isoplages, LesRangeesEntieresNeSontPasCopiees)
{
    ChampCharge c(champ(2, 21, lineaire), 0);
    c.iso.pressionPas = 20000, c.iso.pressionReference = 10150000;
    ASSERT_TRUE(c.calcul(vueCentree(40, -10, 60, 100, 20)));  // fewer pixels than rows
    ASSERT_EQ(c.iso.colonnesLabels, c.iso.colonnesGrille);
    EXPECT_EQ(c.iso.visible.data(), c.iso.grille.data());
    const std::vector<int> grille(c.iso.grille.begin(), c.iso.grille.end());
    isoplages copie = c.iso;
    EXPECT_NE(copie.visible.data(), c.iso.visible.data());
    EXPECT_TRUE(std::equal(grille.begin(), grille.end(), copie.visible.data()));
    c.iso.visible[0] = 7;
    EXPECT_EQ(c.iso.visible[0], 7);
    EXPECT_TRUE(std::equal(grille.begin(), grille.end(), c.iso.grille.begin()));
}

// A label 40 pixels wide on a 1024 x 600 map keeps clear of the edges.
TEST(Isoplages, PlacementDesEtiquettes)
{
    for (auto [x, y, xPlace, yPlace] :
         {std::array{10, 5, 40, 22}, {-60, 300, -60, 300}, {500, 577, 500, 577}, {1000, 590, 964, 578}}) {
        vPlacerEtiquette(x, y, 40, 1024, 600);
        EXPECT_EQ(std::pair(x, y), std::pair(xPlace, yPlace));
    }
}

// The record frees its contouring caches through the function the map
// installs (LeakSanitizer watches).
TEST(Isoplages, LesCachesPartentAvecLeRecord)
{
    vInstallerLiberationIsoplages();
    grib* r = new grib{};
    r->isoplagesChamp = new isoplages, r->isoplagesPluie = new isoplages;
    vLibererListeGrib(r);
    EXPECT_EQ(r, nullptr);
}

}  // namespace
