// Rain at one point of the service's file remade with eccodes into files
// whose six-hour steps follow one another from the run, leave a gap, start
// after the run or lie on two grids: the read-out, the point charts and the
// time interpolation's output, against eccodes' values at the point.
#include "champs_decodes_test.h"
#include "gribdata/champ_grib.h"
#include "gribdata/fichier_grib.h"
#include "map/fdc.h"
#include "map/lecture_texte.h"
#include "map/lecture_valeurs.h"
#include "map/releve_histogrammes.h"
#include "tests/map/trace_test.h"
#include "tests/outils/outils_test.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>

namespace {

const double LAT = 46, LON = -5;

// One rain message as eccodes reads it at the point.
struct PluieLue {
    int p1, p2;
    double lo1, valeur;
};

// The rain messages of a file, in file order.
std::vector<PluieLue> pluiesLues(const std::string& fichier)
{
    std::ostringstream c;
    c << "grib_ls -F %.10g -w indicatorOfParameter=61 -l " << LAT << "," << LON
      << ",1 -p P1,P2,longitudeOfFirstGridPointInDegrees " << sh(fichier);
    std::vector<PluieLue> v;
    std::istringstream lignes(sortie(c.str()).value_or(""));
    std::string ligne;
    while (std::getline(lignes, ligne)) {
        std::istringstream l(ligne);
        PluieLue p;
        if (l >> p.p1 >> p.p2 >> p.lo1 >> p.valeur)
            v.push_back(p);
    }
    return v;
}

// The rain that fell over [debut, fin] on grid lo1, as the steps of `source`
// give it, each at an even rate over its own hours.
double dPluie(const std::vector<PluieLue>& source, double lo1, int debut, int fin)
{
    double mm = 0;
    for (const PluieLue& s : source) {
        const int a = std::max(debut, s.p1), b = std::min(fin, s.p2);
        if (s.lo1 == lo1 && b > a)
            mm += std::max(0.0, s.valeur) * (b - a) / (s.p2 - s.p1);
    }
    return mm;
}

// Each rain record of the list: the hour its step ends, its grid's first
// longitude, whether its total since the run is known.
struct Attendu {
    int p2;
    double lo1;
    bool total;
};

class Pluies : public ChampsDecodes {
protected:
    // The service's file through grib_filter `regles`.
    void fabriquer(const std::string& regles)
    {
        ecrireFichier(d / "regles", regles);
        ASSERT_TRUE(commande("grib_filter -o " + sh(d / "f.grb") + " " + sh(d / "regles") + " " +
                             sh(fixtureGrib("service.grb"))));
        ouvrir();
    }
};

// What the read-out shows of the rain, tags taken out.
std::string sLecture(fdc& carte, const File& f, const grib& r, double lat = LAT,
                     double lon = LON)
{
    BoutonsPresses parametres({61}), validites({long(r.validite)});
    carte.vGrib(f.list, parametres.data(), validites.data(), nullptr, nullptr, nullptr, nullptr);
    char html[LECTURE_TAILLE];
    double longitude = 0;
    EXPECT_EQ(iLectureValeurs(carte.champs, lat, lon, html, longitude), 1);
    return std::regex_replace(html, std::regex("<[^>]*>"), "");
}

}  // namespace

// Totals are claimed only where the steps add up from the run on one grid;
// any other step is shown, charted and written as the step it is.
TEST_F(Pluies, TotalsOnlyWhereTheStepsAddUpFromTheRun)
{
    if (!eccodesPresent())
        GTEST_SKIP() << "eccodes is not installed";
    const std::string sansPas6 = "if (!(indicatorOfParameter == 61 && P1 == 6)) { write; }";
    const std::string sansPas0 = "if (!(indicatorOfParameter == 61 && P1 == 0)) { write; }";
    const std::string deuxGrilles =
        "write; if (indicatorOfParameter == 61) { set longitudeOfFirstGridPointInDegrees = -9;"
        " set longitudeOfLastGridPointInDegrees = -1; write; }";
    const struct {
        const char* nom;
        std::string regles;
        std::vector<Attendu> pluies;
        // The interpolation's rain records, as eccodes reads their ranges,
        // and the state it ends in (3: told that hours are missing).
        std::vector<std::string> ecrites;
        int etat;
    } cas[] = {
        {"suite", "write;", {{6, -8, true}, {12, -8, true}, {18, -8, true}},
         {"0-6", "0-7", "0-8", "0-9", "0-10", "0-11", "0-12", "0-13", "0-14", "0-15", "0-16",
          "0-17", "0-18"}, 0},
        {"trou", sansPas6, {{6, -8, true}, {18, -8, false}}, {"0-6", "12-18"}, 3},
        {"apres le run", sansPas0, {{12, -8, false}, {18, -8, false}},
         {"6-12", "6-13", "6-14", "6-15", "6-16", "6-17", "12-18"}, 0},
        {"deux grilles", deuxGrilles,
         {{6, -8, true}, {6, -9, true}, {12, -8, true}, {12, -9, true}, {18, -8, true},
          {18, -9, true}},
         {"0-6", "0-7", "0-8", "0-9", "0-10", "0-11", "0-6", "0-7", "0-8", "0-9", "0-10", "0-11",
          "0-12", "0-13", "0-14", "0-15", "0-16", "0-17", "0-12", "0-13", "0-14", "0-15", "0-16",
          "0-17", "0-18", "0-18"}, 0},
    };
    fdc carte{0, 0, 800, 500};
    grib pluie{};
    pluie.parametre = 61;
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        fabriquer(c.regles);
        const std::vector<PluieLue> lues = pluiesLues(d / "f.grb");
        const auto courbes = releverHistogrammes(fichier.list, &pluie, LAT, LON, 0);
        ASSERT_EQ(courbes.size(), 2 * c.pluies.size());
        size_t k = 0;
        for (const grib* r = fichier.list; r; r = r->suivant) {
            if (r->parametre != 61)
                continue;
            ASSERT_LT(k, c.pluies.size());
            const Attendu& a = c.pluies[k];
            const auto lue = std::find_if(lues.begin(), lues.end(), [&](const PluieLue& l) {
                return l.p2 == a.p2 && l.lo1 == a.lo1;
            });
            ASSERT_NE(lue, lues.end()) << a.p2 << " " << a.lo1;
            const double total = dPluie(lues, a.lo1, 0, a.p2);
            char texte[160];
            if (a.total)
                std::snprintf(texte, sizeof texte, "cumulees: %.2f mm, l/m2partielles: %.2f mm",
                              total, lue->valeur);
            else
                std::snprintf(texte, sizeof texte, "cumulees: . partielles: %.2f mm", lue->valeur);
            EXPECT_NE(sLecture(carte, fichier, *r).find(texte), std::string::npos)
                << texte << " at " << a.p2;
            const double cumul = courbes[2 * k].valeur, pas = courbes[2 * k + 1].valeur;
            if (a.total)
                EXPECT_NEAR(cumul, total, 1e-3) << a.p2;
            else
                EXPECT_TRUE(std::isnan(cumul)) << cumul << " at " << a.p2;
            EXPECT_NEAR(pas, lue->valeur, 1e-3) << a.p2;
            ++k;
        }
        EXPECT_EQ(k, c.pluies.size());

        // Each hour written is what fell from its range's start, within half
        // the step at which 8 bits hold the values written (up to 58 mm).
        const std::vector<PluieLue> ecrites = pluiesLues(interpoler(c.etat));
        std::vector<std::string> etendues;
        for (const PluieLue& e : ecrites) {
            etendues.push_back(std::to_string(e.p1) + "-" + std::to_string(e.p2));
            EXPECT_NEAR(e.valeur, dPluie(lues, e.lo1, e.p1, e.p2), 0.13)
                << etendues.back() << " " << e.lo1;
        }
        EXPECT_EQ(etendues, c.ecrites);
    }
}

// At 48 N 3 W, where the service's second step packs below 0, the hourly
// totals the interpolation writes dip here and there by their packing: the
// read-out and the charts show the same total and step at every hour.
TEST_F(Pluies, TheReadOutAndTheChartsShowTheSameRain)
{
    if (!eccodesPresent())
        GTEST_SKIP() << "eccodes is not installed";
    fabriquer("write;");
    File f(interpoler().c_str());
    ASSERT_EQ(iDecodeGribAll(f.list), 0);
    fdc carte{0, 0, 800, 500};
    grib pluie{};
    pluie.parametre = 61;
    const auto courbes = releverHistogrammes(f.list, &pluie, 48, -3, 0);
    ASSERT_EQ(courbes.size(), 2u * 13);
    size_t k = 0;
    for (const grib* r = f.list; r; r = r->suivant)
        if (r->parametre == 61) {
            char texte[160];
            std::snprintf(texte, sizeof texte, "cumulees: %.2f mm, l/m2partielles: %.2f mm",
                          courbes[k].valeur, courbes[k + 1].valeur);
            EXPECT_NE(sLecture(carte, f, *r, 48, -3).find(texte), std::string::npos)
                << texte << " at " << int(r->p2);
            k += 2;
        }
}
