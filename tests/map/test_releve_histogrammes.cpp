// The samples of a map point's charts on written GRIB files: the values
// eccodes reads at the grid point, the rain accumulated and per step, the
// substitutes of a point off the grid, and reads of records whose grids
// differ from the charted one.
#include "map/releve_histogrammes.h"

#include "champs_decodes_test.h"
#include "gribdata/champ_grib.h"
#include "gribdata/fichier_grib.h"
#include "map/fdc.h"
#include "map/lecture_texte.h"
#include "map/lecture_valeurs.h"
#include "tests/map/trace_test.h"
#include "tests/outils/outils_test.h"

#include <cmath>
#include <gtest/gtest.h>
#include <regex>

namespace {

ChampEcrit pluie(int p2, double mm)
{
    ChampEcrit c = uniforme(61, 0, mm);
    c.indicateur = 4, c.p2 = p2;
    return c;
}

class Releve : public ChampsDecodes {
protected:
    std::vector<EchantillonHistogramme> relever(double lat, double lon, int superposition = 0)
    {
        return releverHistogrammes(fichier.list, fichier.list, lat, lon, superposition);
    }
};

std::vector<int> genres(const std::vector<EchantillonHistogramme>& e)
{
    std::vector<int> v;
    for (const auto& x : e)
        v.push_back(x.genre);
    return v;
}

std::vector<double> valeursDe(const std::vector<EchantillonHistogramme>& e, int genre)
{
    std::vector<double> v;
    for (const auto& x : e)
        if (x.genre == genre)
            v.push_back(x.valeur);
    return v;
}

}  // namespace

// Pressure, wind and rain over four forecast times: the samples at the
// grid point nearest to (46.1 N, 5.4 W) are eccodes' values there.
TEST_F(Releve, SamplesAreEccodesValuesAtTheGridPoint)
{
    if (!eccodesPresent())
        GTEST_SKIP() << "eccodes is not installed";
    std::vector<ChampEcrit> champs;
    const double pluies[4] = {1, 3, 2, 5};
    for (int k = 0; k < 4; ++k) {
        const int p1 = 6 * (k + 1);
        champs.push_back(champ(2, p1, [k](double la, double lo) { return 100000 + 40 * la * lo + 300 * k; }));
        champs.push_back(champ(33, p1, [k](double la, double lo) { return la / 5 - lo + k; }));
        champs.push_back(champ(34, p1, [k](double la, double lo) { return lo / 2 - la / 10 - k; }));
        champs.push_back(pluie(p1, pluies[k]));
    }
    ecrire(champs);
    const auto data = lireData(sortie("grib_get_data -m missing " + sh(d / "f.grb")).value_or(""));
    ASSERT_EQ(data.size(), 16u);
    auto eccodes = [&](size_t message) {
        for (const Point& p : data[message])
            if (std::fabs(p.lat - 46.0) < 1e-6 && std::fabs(std::fmod(p.lon + 360, 360) - 354.5) < 1e-6)
                return p.valeur;
        ADD_FAILURE() << "no point at 46 N 5.5 W in message " << message;
        return 0.0;
    };

    PointHistogramme point;
    ASSERT_TRUE(bPointHistogramme(fichier.list, fichier.list, 46.1, -5.4, point));
    EXPECT_EQ((std::array<int, 2>{point.colonne, point.ligne}), (std::array<int, 2>{9, 8}));
    EXPECT_FLOAT_EQ(point.latitude, 46.0f);
    EXPECT_FLOAT_EQ(point.longitude, -5.5f);
    // A longitude given a turn further is the same point.
    const auto e = relever(46.1, -5.4 + 360);
    EXPECT_EQ(genres(e), (std::vector<int>{7, 1, 20, 10, 11, 9, 22, 7, 1, 20, 10, 11, 9, 22,
                                          7, 1, 20, 10, 11, 9, 22, 7, 1, 20, 10, 11, 9, 22}));
    const int heures[4][2] = {{18, 6}, {0, 7}, {6, 7}, {12, 7}};
    for (size_t k = 0; k < 4; ++k) {
        const EchantillonHistogramme* s = &e[7 * k];
        EXPECT_NEAR(s[0].valeur, eccodes(4 * k) / 100, 1e-4) << k;
        const double u = eccodes(4 * k + 1), v = eccodes(4 * k + 2);
        const double ms = std::hypot(u, v);
        EXPECT_NEAR(s[1].valeur, ms * 3600 / 1852, 1e-4) << k;
        EXPECT_NEAR(s[3].valeur, ms, 1e-5) << k;
        EXPECT_EQ(s[1].axes + s[2].axes + s[3].axes + s[4].axes, 2);
        // The direction the wind comes from, in whole degrees.
        const double vers = std::fmod(std::atan2(-u, -v) * 180 / M_PI + 360, 360);
        EXPECT_LE(std::fabs(std::fmod(s[1].second - vers + 540, 360) - 180), 1.0) << k;
        EXPECT_EQ(s[1].second, std::trunc(s[1].second));
        EXPECT_EQ((std::array<int, 2>{s[0].heure, s[0].jour}),
                  (std::array<int, 2>{heures[k][0], heures[k][1]}));
    }
    // Totals as the file gives them, and what fell since the previous one,
    // as the read-out shows them.
    EXPECT_EQ(valeursDe(e, 9), (std::vector<double>{1, 3, 2, 5}));
    EXPECT_EQ(valeursDe(e, 22), (std::vector<double>{1, 2, 0, 3}));

    // West of the grid every sample is missing: 1015 hPa, the others 0.
    for (const auto& s : relever(46, -30))
        EXPECT_EQ(s.valeur, s.genre == 7 ? 1015 : 0) << s.genre;
    // With the fields overlaid the wind feeds its main chart only.
    EXPECT_EQ(genres(relever(46, -5, 1)).size(), 4u * 4);
}

// Only the displayed parameters are charted, a parameter the charts cannot
// show is not, and a wind without its v record ends the walk.
TEST_F(Releve, DisplayedParametersAndAWindWithoutItsPair)
{
    ecrire({uniforme(2, 0, 101000), uniforme(33, 0, 5), uniforme(2, 6, 102000),
            uniforme(52, 6, 80)});
    PointHistogramme p;
    EXPECT_FALSE(bPointHistogramme(fichier.list, nullptr, 46, -5, p));
    EXPECT_FALSE(bReleve(fichier.list, 52));
    EXPECT_TRUE(bReleve(fichier.list, 0));
    // 2 at 0 h, then 33 followed by 2 at 6 h: the walk stops at the wind.
    EXPECT_EQ(genres(relever(46, -5)), (std::vector<int>{7}));
    // Off the grid the wind is missing and does not look for its pair.
    EXPECT_EQ(genres(relever(46, 20)), (std::vector<int>{7, 1, 20, 10, 11, 7}));
}

// Each read is checked against its own record's grid: a v record or a
// wave direction on a smaller grid gives missing values, never a read
// past its field.
TEST_F(Releve, RecordsOnOtherGridsAreReadOnTheirOwn)
{
    ChampEcrit v = uniforme(34, 0, -10), direction = uniforme(200, 0, 90),
               periode = uniforme(201, 0, 9);
    v.ni = 4, v.nj = 3;
    direction.ni = 4, direction.nj = 3;
    ecrire({uniforme(33, 0, 0), v, uniforme(100, 0, 2.5), direction, periode});
    // Column 2, row 2: inside the small grids.
    auto e = relever(49, -9);
    ASSERT_EQ(genres(e), (std::vector<int>{1, 20, 10, 11, 2, 21, 12, 15}));
    EXPECT_NEAR(e[2].valeur, 10, 1e-4);
    EXPECT_EQ(e[0].second, 360);
    EXPECT_EQ((std::array<double, 3>{e[4].valeur, e[4].second, e[7].valeur}),
              (std::array<double, 3>{2.5, 90, 9}));
    // Column 10, row 8: outside them.
    e = relever(46, -5);
    ASSERT_EQ(genres(e), (std::vector<int>{1, 20, 10, 11, 2, 21, 12, 15}));
    EXPECT_EQ((std::array<double, 3>{e[0].valeur, e[0].second, e[2].valeur}),
              (std::array<double, 3>{0, 0, 0}));
    EXPECT_EQ((std::array<double, 3>{e[4].valeur, e[4].second, e[7].valeur}),
              (std::array<double, 3>{2.5, 0, 9}));
}

// The service's file moved onto a grid from 176 E to 184 E: a point at
// 177 W, or at 183 E as the read-out hands it, is charted at the grid's
// column of 183 E with eccodes' values there, never with the stand-ins.
TEST_F(Releve, AGridAcrossTheAntimeridianIsReadAtItsPoints)
{
    if (!eccodesPresent())
        GTEST_SKIP() << "eccodes is not installed";
    const std::vector<double> pa = service(
        "-s longitudeOfFirstGridPointInDegrees=176,longitudeOfLastGridPointInDegrees=184", 46,
        -177, 2);
    ASSERT_EQ(pa.size(), 2u);
    for (double lon : {-177.0, 183.0, -176.8, 182.7}) {
        PointHistogramme point;
        ASSERT_TRUE(bPointHistogramme(fichier.list, fichier.list, 46.2, lon, point));
        EXPECT_EQ((std::array<int, 2>{point.colonne, point.ligne}), (std::array<int, 2>{7, 2}))
            << lon;
        EXPECT_FLOAT_EQ(point.longitude, -177.0f) << lon;
        const std::vector<double> hpa = valeursDe(relever(46.2, lon), 7);
        ASSERT_EQ(hpa.size(), 2u) << lon;
        for (size_t k = 0; k < 2; ++k)
            EXPECT_NEAR(hpa[k], pa[k] / 100, 1e-3) << lon << " " << k;
    }
}

// The service's rain, each record the amount of its own six hours: at
// 46 N 5 W the step's chart shows eccodes' amounts, the total's their sum.
TEST_F(Releve, RainPerStepAddsUp)
{
    if (!eccodesPresent())
        GTEST_SKIP() << "eccodes is not installed";
    const std::vector<double> pas = service("", 46, -5, 61);
    ASSERT_EQ(pas.size(), 3u);
    const auto e = relever(46, -5);
    const std::vector<double> obtenus = valeursDe(e, 22), cumuls = valeursDe(e, 9);
    ASSERT_EQ(obtenus.size(), 3u);
    ASSERT_EQ(cumuls.size(), 3u);
    for (size_t k = 0; k < 3; ++k) {
        EXPECT_NEAR(obtenus[k], pas[k], 1e-3) << k;
        EXPECT_NEAR(cumuls[k], (k ? cumuls[k - 1] : 0) + pas[k], 1e-3) << k;
    }
}

// Rain at 46 N 5 W on the service's file of six-hour amounts (as
// accumulations, then as differences) and on the hourly totals the time
// interpolation writes from it.
TEST_F(Releve, RainOfTheReadOutAndChartsOnStepsAndOnInterpolatedTotals)
{
    if (!eccodesPresent())
        GTEST_SKIP() << "eccodes is not installed";
    using Pluies = std::vector<std::array<double, 2>>;  // total, step
    fdc carte{0, 0, 800, 500};
    // Each rain record of `f` shown alone: the read-out's total and step (to
    // its two decimals) and the charts', against `attendues` by hour.
    const auto comparer = [&carte](const File& f, const Pluies& attendues) {
        grib pluie{};
        pluie.parametre = 61;
        const auto courbes = releverHistogrammes(f.list, &pluie, 46, -5, 0);
        ASSERT_EQ(courbes.size(), 2 * attendues.size());
        size_t k = 0;
        for (const grib* r = f.list; r; r = r->suivant)
            if (r->parametre == 61) {
                const auto [total, pas] = attendues[k / 2];
                BoutonsPresses parametres({61}), validites({long(r->validite)});
                carte.vGrib(f.list, parametres.data(), validites.data(), nullptr, nullptr,
                            nullptr, nullptr);
                char html[LECTURE_TAILLE], lu[128];
                double longitude = 0;
                ASSERT_EQ(iLectureValeurs(carte.champs, 46, -5, html, longitude), 1);
                std::snprintf(lu, sizeof lu, "cumulees: %.2f mm, l/m2partielles: %.2f mm", total,
                              pas);
                EXPECT_NE(std::regex_replace(html, std::regex("<[^>]*>"), "").find(lu),
                          std::string::npos) << html;
                EXPECT_NEAR(courbes[k].valeur, total, 1e-3) << r->p2;
                EXPECT_NEAR(courbes[k + 1].valeur, pas, 1e-3) << r->p2;
                k += 2;
            }
    };
    Pluies pas, totaux;
    for (double mm : service("", 46, -5, 61))
        pas.push_back({(pas.empty() ? 0 : pas.back()[0]) + mm, mm});
    ASSERT_EQ(pas.size(), 3u);
    comparer(fichier, pas);
    const std::string horaire = interpoler();
    for (double mm : valeursProches(horaire, 46, -5, 61))
        totaux.push_back({mm, mm - (totaux.empty() ? 0 : totaux.back()[0])});
    ASSERT_EQ(totaux.size(), 13u);
    // At the file's own hours, its totals, within half the step of 0.25 mm
    // at which 8 bits hold the grid's totals (up to 58 mm).
    for (size_t k = 0; k < pas.size(); ++k)
        EXPECT_NEAR(totaux[6 * k][0], pas[k][0], 0.125) << k;
    File f(horaire.c_str());
    ASSERT_EQ(iDecodeGribAll(f.list), 0);
    comparer(f, totaux);
    service("-w indicatorOfParameter=61 -s timeRangeIndicator=5", 46, -5, 61);
    comparer(fichier, pas);
}

// Wind at 10 m and at 100 m in one file, which lists both u records before
// both v records: each u goes with the v of its own level in the map's list
// of fields (whose order the wind flags and the read-out follow) and in the
// charts of a point, each level named, at eccodes' speed.
TEST_F(Releve, WindAtTwoLevelsPairsEachUWithTheVOfItsLevel)
{
    if (!eccodesPresent())
        GTEST_SKIP() << "eccodes is not installed";
    std::string cat = "cat";
    for (const int niveau : {10, 100}) {
        ChampEcrit u = uniforme(33, 0, niveau / 20.0), v = uniforme(34, 0, -niveau / 40.0);
        u.typeNiveau = v.typeNiveau = 105;
        const std::string brut = d / "brut.grb", f = d / (std::to_string(niveau) + ".grb");
        ecrireFichier(brut, sMessagesGrib({u, v}));
        ASSERT_TRUE(commande("grib_set -s level=" + std::to_string(niveau) + " " + sh(brut) +
                             " " + sh(f)));
        cat += " " + sh(f);
    }
    ASSERT_TRUE(commande(cat + " > " + sh(d / "f.grb")));
    ouvrir();
    const auto us = valeursParNiveau(d / "f.grb", 33, 46, -5);
    const auto vs = valeursParNiveau(d / "f.grb", 34, 46, -5);
    ASSERT_EQ(us.size(), 2u);
    ASSERT_EQ(vs.size(), 2u);
    fdc carte{0, 0, 800, 500};
    BoutonsPresses vent({33}), validite({long(fichier.list->validite)});
    carte.vGrib(fichier.list, vent.data(), validite.data(), nullptr, nullptr, nullptr, nullptr);
    std::vector<std::string> obtenus, attendus = {"champ 33 10", "champ 34 10", "champ 33 100",
                                                  "champ 34 100"};
    for (const grib* r = carte.champs; r; r = r->suivant)
        obtenus.push_back("champ " + std::to_string(r->parametre) + " " +
                          std::to_string(File::iGetNiveau(r)));
    for (const EchantillonHistogramme& e : relever(46, -5))
        if (e.genre == 1)
            obtenus.push_back("graphique " + e.nomNiveau + " " +
                              std::to_string(std::lround(10 * e.valeur)));
    for (size_t k = 0; k < 2; ++k) {
        const long noeuds = std::lround(std::hypot(us[k].valeur, vs[k].valeur) * 36000 / 1852);
        attendus.push_back("graphique " + std::to_string(us[k].niveau) + " m " +
                           std::to_string(noeuds));
    }
    EXPECT_EQ(obtenus, attendus);
}
