// A viewer map given a written GRIB file, pressed parameters and a pressed
// validity: the fields it decodes with their companions, the values it
// derives, the labels it writes, the glyphs it draws, and the isoline
// reference a middle click sets.
#include "map/fdc.h"

#include "ecriture_grib_test.h"
#include "gribdata/champ_grib.h"
#include "gribdata/fichier_grib.h"
#include "gribdata/globales.h"
#include "tests/map/trace_test.h"
#include "tests/outils/outils_test.h"

#include <FL/Fl.H>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>
#include <regex>
#include <tuple>

namespace {

// Validities of December 2026 (YYYYMMDDHH) from the 12 UTC run.
const long H6 = 2026120618, H11 = 2026120623, H12 = 2026120700, H18 = 2026120706;

ChampEcrit pluie(int p2, double mm)
{
    ChampEcrit c = champUniforme(61, mm);
    c.indicateur = 4, c.p2 = p2;
    return c;
}

class Affichage : public ::testing::Test {
protected:
    DossierTemporaire d;
    JournalTemporaire journal{d / "log.txt"};
    File fichier;
    fdc carte{0, 0, 1024, 600};
    Fl_Box titre{0, 0, 1, 1}, second{0, 0, 1, 1}, droite{0, 0, 1, 1}, gauche{0, 0, 1, 1};
    std::unique_ptr<BoutonsPresses> parametres, validites;
    TraceTest trace;

    void SetUp() override
    {
        carte.load_image(nullptr, nullptr);
        carte.traceGlyphes = &trace;
    }
    void TearDown() override { decalage = 0; }
    void ecrire(const std::vector<ChampEcrit>& champs)
    {
        ecrireFichier(d / "f.grb", sMessagesGrib(champs));
        fichier.set((d / "f.grb").c_str());
    }
    // The parameters of the displayed records; nothing drawn yet.
    std::vector<int> afficher(const std::vector<long>& p, long validite)
    {
        trace.appels.clear(), trace.textes.clear(), trace.images.clear();
        parametres.reset(new BoutonsPresses(p));
        validites.reset(new BoutonsPresses({validite}));
        carte.vGrib(fichier.list, parametres->data(), validites->data(), &titre, &second, &droite,
                    &gauche);
        std::vector<int> v;
        for (const grib* r = carte.champs; r; r = r->suivant)
            v.push_back(r->parametre);
        return v;
    }
    const Grib& champ(int rang = 0) { return *(rang ? carte.champs->suivant : carte.champs)->champ; }
};

using Liste = std::vector<int>;

}  // namespace

TEST_F(Affichage, CompanionsAndDerivedValues)
{
    ChampEcrit v = champUniforme(34, 0, 18);
    v.ni = 359;
    ecrire({champUniforme(104, 90, 6), champUniforme(105, 2, 6), champUniforme(106, 9, 6),
            champUniforme(104, 90, 12), champUniforme(105, 2, 12), champUniforme(33, 10, 6),
            champUniforme(34, 0, 6), champUniforme(33, 10, 18), v, pluie(6, 1), pluie(12, 3),
            pluie(18, 2), pluie(24, 5)});
    EXPECT_EQ(afficher({104}, H6), (Liste{104, 105, 106}));
    EXPECT_EQ(afficher({104}, H12), (Liste{104, 105}));
    ASSERT_EQ(afficher({33}, H6), (Liste{33, 34}));
    EXPECT_FLOAT_EQ(champ(0).valeurs2[0], 270);
    EXPECT_NEAR(champ(1).valeurs2[0], 19.438, 0.001);
    // Grids of different sizes derive nothing (nothing written past u).
    ASSERT_EQ(afficher({33}, H18), (Liste{33, 34}));
    EXPECT_FALSE(champ(0).valeurs2 || champ(1).valeurs2);
    // Rain of 1, 3, 2, 5 mm: what fell since the previous record.
    for (auto [validite, mm] : {std::pair{H6, 1.0f}, {H12, 2.0f}, {H18, 0.0f}, {2026120712L, 3.0f}}) {
        ASSERT_EQ(afficher({61}, validite), Liste{61});
        EXPECT_FLOAT_EQ(champ().valeurs2[0], mm) << validite;
    }
    // A previous record that cannot be decoded: the amounts themselves.
    ChampEcrit refuse = pluie(6, 1);
    refuse.process = 99;
    ecrire({refuse, pluie(12, 3)});
    afficher({61}, H12);
    EXPECT_FLOAT_EQ(champ().valeurs2[0], 3);
}

TEST_F(Affichage, DecodedValuesAreEccodesOnes)
{
    if (!eccodesPresent())
        GTEST_SKIP() << "eccodes is not installed";
    ChampEcrit p;
    p.valeur = [](double lat, double lon) {
        return lat == 10 && lon == 20 ? NAN : 101300 + 1500 * std::sin(lat / 20) * std::cos(lon / 30);
    };
    ecrire({p, champUniforme(33, 3), champUniforme(34, 4)});
    const auto data = lireData(sortie("grib_get_data -m missing " + sh(d / "f.grb")).value_or(""));
    ASSERT_EQ(afficher({2}, 2026120612), Liste{2});
    ASSERT_EQ(data.at(0).size(), 360u * 181u);
    for (size_t k = 0; k < data[0].size(); ++k)
        EXPECT_LE(data[0][k].absent ? champ().valeurs[k] != GRIB_ABSENT
                                    : ecartUlp(champ().valeurs[k], data[0][k].valeur),
                  1) << k;
}

TEST_F(Affichage, Labels)
{
    decalage = 7200;
    ChampEcrit inconnu = champUniforme(2, 101000, 18), annee = champUniforme(2, 101000, 11);
    inconnu.process = 91;
    annee.jour = 31;
    ecrire({champUniforme(2, 101000, 11), pluie(6, 1), pluie(12, 3), inconnu, annee,
            champUniforme(2, 101000), champUniforme(33, 3), champUniforme(34, 4), champUniforme(200, 90),
            champUniforme(100, 2), champUniforme(201, 8)});
    afficher({2}, H11);
    EXPECT_STREQ(titre.label(), "Dimanche 6 Decembre 2026 - 23h UTC / J+1, 01h Loc (+11h)");
    EXPECT_STREQ(droite.label(), "Modele: Vostel tropiques");
    EXPECT_STREQ(gauche.label(), "Reseau de reference: Dimanche 6 Decembre 2026 - 12h UTC");
    afficher({2}, 2026123123);
    EXPECT_STREQ(titre.label(), "Jeudi 31 Decembre 2026 - 23h UTC / J+1, 01h Loc (+11h)");
    afficher({2}, H18);
    EXPECT_STREQ(droite.label(), "Modèle inconnu (91)");
    carte.isotaches = 1;
    afficher({61}, H12);
    EXPECT_STREQ(titre.label(), "Lundi 7 Decembre 2026 - 00h UTC / 02h Loc (6h >-< 12h)");
    afficher({61}, H6);
    EXPECT_STREQ(titre.label(), "Dimanche 6 Decembre 2026 - 18h UTC / 20h Loc (0h >-< 6h)");
    carte.isotaches = 0;
    // The parameter line: superposed labels, whatever their number; the
    // sea state.
    carte.superposition = 1;
    afficher({2, 33}, 2026120612);
    EXPECT_STREQ(second.label(), "/ Pmer / Vent /");
    afficher(std::vector<long>(40, 2), 2026120612);
    EXPECT_EQ(std::string(second.label()).size(), 6u + 39u * 7u + 2u);
    carte.superposition = 0;
    afficher({200}, 2026120612);
    EXPECT_STREQ(second.label(), "/ Direction mer totale / Hauteur (etat de la mer) / ");
    // Nothing matches, also after a relabel.
    afficher({2}, 1999010100);
    carte.vGrib(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    EXPECT_STREQ(titre.label(), "parametre et echeance non concordants");
    EXPECT_STREQ(droite.label(), " ");
    // A first record that cannot be decoded: nothing drawn.
    ChampEcrit refuse = champUniforme(2, 101000);
    refuse.process = 99;
    ecrire({refuse, champUniforme(33, 3), champUniforme(34, 4)});
    EXPECT_EQ(afficher({2, 33}, 2026120612), (Liste{2, 33, 34}));
    EXPECT_STREQ(titre.label(), "ERREUR: fichier Grib incompatible...");
    EXPECT_EQ(titre.labelcolor(), FL_RED);
    EXPECT_NE(journal.contenu().find("<FDCGRIB> grib BAD file\n"), std::string::npos);
    carte.drawgrib(0);
    EXPECT_TRUE(trace.appels.empty());
}

// A field of the list that cannot be drawn while the first one is, and a
// file cut inside its last message: the parameters' line says why after
// itself, and again in the running language when it is relabelled.
TEST_F(Affichage, WhatIsNotDrawnIsSaidAfterTheParameters)
{
    ChampEcrit v = champUniforme(34, 0, 6), refuse = champUniforme(34, 0, 6);
    v.ni = 359, refuse.process = 99;
    const std::string sansV = "vent ou courant sans sa composante V a cette echeance";
    const struct {
        std::vector<ChampEcrit> champs;
        long parametre;
        std::string raison;
    } cas[] = {
        {{champUniforme(2, 101000, 6), champUniforme(33, 10, 6)}, 33,
         " - " + sansV + " (parametre 33)"},
        {{champUniforme(2, 101000, 6), champUniforme(49, 1, 6)}, 49,
         " - " + sansV + " (parametre 49)"},
        {{champUniforme(2, 101000, 6), champUniforme(33, 10, 6), v}, 33,
         " - composantes U et V sur des grilles differentes (parametre 33)"},
        {{champUniforme(2, 101000, 6), champUniforme(33, 10, 6), refuse}, 33,
         " - produit d'un autre centre ou modele que ceux du service (centre 85, modele 99, "
         "table 1)"},
        {{champUniforme(2, 101000, 6), champUniforme(33, 10, 6), champUniforme(34, 0, 6)}, 33,
         ""},
    };
    for (const auto& c : cas) {
        ecrire(c.champs);
        afficher({2, c.parametre}, H6);
        const std::string ligne = second.label();
        // The reason alone after the parameters, and nothing without one.
        EXPECT_EQ(ligne.find(" - "), c.raison.empty() ? std::string::npos
                                                      : ligne.size() - c.raison.size())
            << ligne;
        EXPECT_TRUE(ligne.size() >= c.raison.size() &&
                    ligne.substr(ligne.size() - c.raison.size()) == c.raison)
            << ligne;
        EXPECT_STREQ(titre.label(), "Dimanche 6 Decembre 2026 - 18h UTC / 18h Loc (+6h)");
    }
    // The file's own lack, set by the page with the file, comes first.
    const std::string entier =
        sMessagesGrib({champUniforme(2, 101000, 6), champUniforme(33, 10, 6)});
    ecrireFichier(d / "f.grb", entier + entier.substr(0, 60));
    fichier.set((d / "f.grb").c_str());
    carte.lacuneFichier = lacuneFichier(fichier);
    afficher({2, 33}, H6);
    carte.vGrib(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    const std::string ligne = second.label();
    EXPECT_EQ(ligne.substr(ligne.find(" - ")),
              " - fichier tronque : son dernier message est incomplet - " + sansV +
                  " (parametre 33)");
}

TEST_F(Affichage, GlyphsNeedTheirCompanion)
{
    ChampEcrit v = champUniforme(34, 0, 18), courant = champUniforme(50, 1, 6);
    ChampEcrit u0 = champUniforme(33, 10, 12), v0 = champUniforme(34, 0, 12);
    v.ni = courant.ni = 359, u0.di = v0.di = 0;
    ecrire({champUniforme(33, 6.2, 0), champUniforme(34, 0, 0), champUniforme(2, 101000, 6),
            champUniforme(33, 10, 6), champUniforme(33, 10, 18), v, champUniforme(49, 1, 6),
            courant, champUniforme(104, 90, 6), champUniforme(105, 2, 6), u0, v0});
    // A whole-world view of a 1-degree field (2.38 pixels a step): a flag
    // every 10th point, 18 rows of 43 across the dateline, 10 strokes each.
    afficher({33}, 2026120612);
    carte.drawgrib(0);
    EXPECT_EQ(trace.nombre('t'), 18 * 43 * 10);
    afficher({104}, H6);
    carte.drawgrib(0);
    EXPECT_EQ(trace.nombre('t'), 18 * 43 * 6);
    // No 34; a current or wind companion of another size; a zero step.
    for (auto [p, validite] : {std::pair{33L, H6}, {49L, H6}, {33L, H18}, {33L, H12}}) {
        afficher({p, 2}, validite);
        carte.drawgrib(0);
        EXPECT_TRUE(trace.appels.empty()) << p << " " << validite;
    }
    EXPECT_NE(journal.contenu().find("<FDCGRIB> <draw-vent> ?????????? ERROR 34 not found \n"),
              std::string::npos);
    EXPECT_NE(journal.contenu().find("<FDCGRIB> pas de grille nul : 0 1000\n"), std::string::npos);
}

// A middle click at the centre of the map, the field drawn first; then a
// missing value and a point outside the grid, which change nothing. Views
// under two grid rows of a 1/12-degree field stop the zoom.
TEST_F(Affichage, MiddleClickAndZoomFloor)
{
    ChampEcrit absent = champUniforme(52, NAN), loin = champUniforme(61, 3), fin = champUniforme(67, 9);
    loin.ni = loin.nj = 11, loin.la1 = 60000, loin.lo1 = 0;
    fin.ni = fin.nj = 13, fin.di = fin.dj = 83, fin.la1 = 48000, fin.lo1 = -5000;
    ecrire({champUniforme(2, 101730), champUniforme(11, 262.15), champUniforme(33, 30 * 1852 / 3600.0),
            champUniforme(34, 0), absent, loin, fin});
    for (auto [p, isotaches] : {std::pair{2L, 0}, {11L, 0}, {33L, 1}, {52L, 1}, {61L, 1}}) {
        carte.isotaches = isotaches;
        afficher({p}, 2026120612);
        carte.drawgrib(0);
        Fl::e_x = 512, Fl::e_y = 300;
        carte.change_reference();
    }
    EXPECT_EQ(carte.isobareReference, 1015);
    EXPECT_DOUBLE_EQ(carte.isothermeReference, -10.0);
    EXPECT_EQ(carte.ventClasse, 7);
    EXPECT_EQ(carte.humiditeReference, 70);
    EXPECT_EQ(carte.pluieReference, 5.0);
    afficher({67}, 2026120612);
    for (auto [etendue, plancher] : {std::pair{0.15, true}, {0.2, false}}) {
        carte.zoom(47.5, -4.5, etendue, 0);
        carte.drawgrib(0);
        EXPECT_EQ(carte.echelleGribMin, plancher ? carte.echelleCourante : 0.0) << etendue;
    }
}

// Labels of fields rising from west to east, over the whole world (those
// of the copy that shows widest): the extremes with one decimal, the
// isolines met with the decimals of their interval, force numbers alone in
// Beaufort classes.
TEST_F(Affichage, IsolineLabels)
{
    auto est = [](int parametre, double ouest, double est) {
        ChampEcrit c = champUniforme(parametre, 0);
        c.valeur = [=](double, double lon) { return ouest + (est - ouest) * (lon + 180) / 359; };
        return c;
    };
    ecrire({est(2, 100300, 102200), est(11, 283.15, 293.15), est(49, 0, 3 * 1852 / 3600.0),
            champUniforme(50, 0), est(33, 0, 60 * 1852 / 3600.0), champUniforme(34, 0)});
    const std::tuple<long, double, const char*> cas[] = {
        {2, 5, "^10(05|1[05]|20)$"},  {11, 0.5, "^1[0-9]\\.[05]$"}, {11, 2, "^1[0-9]$"},
        {49, 0.25, "^[0-2]\\.[0-9][05]$"}, {49, 0.5, "^[0-2]\\.[05]$"}, {49, 1, "^[0-2]$"},
        {33, 1.0e-37f, "^([1-9]|1[01])$"}};
    for (const auto& [parametre, intervalle, motif] : cas) {
        carte.isothermeIntervalle = carte.courantIntervalle = intervalle;
        carte.isotaches = parametre != 2 && parametre != 11;
        afficher({parametre}, 2026120612);
        carte.drawgrib(0), carte.drawgrib(1);
        const auto isolignes = trace.blancs(12), extremes = trace.blancs(14);
        EXPECT_EQ(trace.textes.size(), 9 * (isolignes.size() + extremes.size()));
        EXPECT_GE(isolignes.size(), 3u) << parametre;
        for (const auto& t : isolignes)
            EXPECT_TRUE(std::regex_match(t.texte, std::regex(motif))) << t.texte;
        EXPECT_EQ(extremes.size(), parametre == 33 ? 0u : 2u);
        if (parametre == 2) {
            EXPECT_EQ(std::tuple(extremes[0].texte, extremes[1].texte, isolignes.size()),
                      std::tuple("1003.0", "1022.0", 4u));
        }
    }
}

// Intervals that truncate to nothing or overflow the stored range: no
// trap; a step of 0 draws no bands and no labels, with one log line.
TEST_F(Affichage, ZeroAndAbsurdIntervals)
{
    ecrire({champUniforme(2, 101000), champUniforme(11, 290)});
    const std::tuple<long, void (*)(fdc&), bool> cas[] = {
        {2, [](fdc& c) { c.isobareIntervalle = 0; }, false},
        {11, [](fdc& c) { c.isothermeIntervalle = 1e-5; }, false},
        {11, [](fdc& c) { c.isothermeIntervalle = 1e30, c.isothermeReference = -1e30; }, true}};
    for (const auto& [parametre, reglage, attendu] : cas) {
        reglage(carte);
        afficher({parametre}, 2026120612);
        carte.drawgrib(0), carte.drawgrib(1);
        EXPECT_EQ(trace.images.empty(), !attendu) << parametre;
        EXPECT_EQ(trace.textes.empty(), !attendu);
    }
    const std::string texte = journal.contenu();
    EXPECT_EQ(std::count(texte.begin(), texte.end(), '\n'), 2) << texte;
}

// Zoomed in, the picture is cut to the map by its offsets.
TEST_F(Affichage, BandPicturesClippedToTheMap)
{
    ecrire({champUniforme(2, 101000)});
    afficher({2}, 2026120612);
    carte.zoom(45, -20, 30, 0);
    carte.drawgrib(0);
    ASSERT_EQ(trace.images.size(), 1u);
    const auto [li, hi, x, y, l, h, cx, cy] = trace.images[0];
    EXPECT_EQ(std::tuple(x, y, l, h), std::tuple(0, 0, 1024, 600));
    EXPECT_TRUE(cx > 0 && cy > 0 && cx + l <= li && cy + h <= hi) << cx << " " << cy << " " << li << " " << hi;
}

// Fields of one row or one column, at the centre of the view: no bands,
// no flags, no labels, no reference from a middle click; each logged.
TEST_F(Affichage, FieldsOfOneRowOrColumnAreSkipped)
{
    const std::tuple<long, int, int> cas[] = {
        {2, 360, 1}, {2, 1, 181}, {33, 360, 1}, {33, 1, 181}};
    for (const auto& [parametre, ni, nj] : cas) {
        std::vector<ChampEcrit> champs{champUniforme(int(parametre), parametre == 2 ? 101730 : 15),
                                       champUniforme(34, 0)};
        for (ChampEcrit& c : champs)
            c.ni = ni, c.nj = nj, c.la1 = nj == 1 ? 0 : c.la1, c.lo1 = ni == 1 ? 0 : c.lo1;
        ecrire(champs);
        carte.isotaches = 1, carte.isobareReference = 1000, carte.ventClasse = 0;
        ASSERT_EQ(afficher({parametre}, 2026120612), parametre == 2 ? Liste{2} : (Liste{33, 34}));
        carte.drawgrib(0), carte.drawgrib(1);
        Fl::e_x = 512, Fl::e_y = 300;
        carte.change_reference();
        EXPECT_TRUE(trace.appels.empty() && trace.images.empty() && trace.textes.empty()) << ni;
        EXPECT_EQ(std::tuple(carte.isobareReference, carte.ventClasse), std::tuple(1000, 0));
        const std::string ligne = "<FDCGRIB> grille non utilisable : " + std::to_string(nj) + " " +
                                  std::to_string(ni) + "\n";
        EXPECT_NE(journal.contenu().find(ligne), std::string::npos) << journal.contenu();
    }
}
