// Rain at 46 N 5 W, the total since the run and the step's, as the map's
// read-out and the charts read it: on the service's file of six-hour
// amounts (as accumulations, then as differences) and on the hourly totals
// the time interpolation writes from it, against eccodes' values there.
#include "map/fdc.h"

#include "gribdata/enregistrement_grib.h"
#include "gribdata/interpolation.h"
#include "map/lecture_texte.h"
#include "map/lecture_valeurs.h"
#include "map/releve_histogrammes.h"
#include "tests/map/champs_decodes_test.h"
#include "tests/map/trace_test.h"

#include <FL/Fl_Box.H>
#include <filesystem>
#include <regex>

namespace {

// eccodes' rain at the point by the hour P2 of each record.
std::map<int, double> eccodes(const std::string& fichier)
{
    std::istringstream lignes(sortie("grib_get -w indicatorOfParameter=61 -F %.10g -l 46,-5,1 "
                                     "-p P2 " + sh(fichier)).value_or(""));
    std::map<int, double> v;
    int heure;
    for (double mm; lignes >> heure >> mm;)
        v[heure] = mm;
    return v;
}

class PluieAuPoint : public ChampsDecodes {
protected:
    fdc carte{0, 0, 800, 500};
    Fl_Box titre{0, 0, 1, 1}, autres{0, 0, 1, 1};

    // Each rain record of the file in turn shown alone: the read-out's
    // total and step (to its two decimals) and the charts', against
    // `attendus` in the order of the hours.
    void comparer(const std::string& nom, const std::map<int, std::pair<double, double>>& attendus)
    {
        File f((d / nom).c_str());
        ASSERT_EQ(iDecodeGribAll(f.list), 0);
        grib pluie{};
        pluie.parametre = 61;
        const auto courbes = releverHistogrammes(f.list, &pluie, 46, -5, 0);
        ASSERT_EQ(courbes.size(), 2 * attendus.size()) << nom;
        size_t k = 0;
        for (const grib* r = f.list; r; r = r->suivant) {
            if (r->parametre != 61)
                continue;
            const auto [total, pas] = attendus.at(r->p2);
            BoutonsPresses parametres({61}), validites({long(r->validite)});
            carte.vGrib(f.list, parametres.data(), validites.data(), &titre, &autres, &autres,
                        &autres);
            char html[LECTURE_TAILLE];
            double longitude = 0;
            ASSERT_EQ(iLectureValeurs(carte.champs, 46, -5, html, longitude), 1);
            char lu[128];
            std::snprintf(lu, sizeof lu, "cumulees: %.2f mm, l/m2partielles: %.2f mm", total, pas);
            EXPECT_NE(std::regex_replace(html, std::regex("<[^>]*>"), "").find(lu),
                      std::string::npos) << nom << " " << html;
            EXPECT_NEAR(courbes[k].valeur, total, 1e-3) << nom << " " << r->p2;
            EXPECT_NEAR(courbes[k + 1].valeur, pas, 1e-3) << nom << " " << r->p2;
            k += 2;
        }
    }
};

}  // namespace

TEST_F(PluieAuPoint, TotalAndStepOfEachFile)
{
    if (!eccodesPresent())
        GTEST_SKIP() << "eccodes is not installed";
    ecrireFichier(d / "pas.grb", lireFichier(fixtureGrib("service.grb")));
    {
        DossierCourant ici(d.chemin());
        JournalTemporaire journal("journal.txt");
        std::filesystem::create_directory("lockdir");
        snprintf(GRIB_INTERPOLATION_ENTREE, sizeof GRIB_INTERPOLATION_ENTREE, "pas.grb");
        GRIB_INTERPOLATION_START = 1;
        gintertime(nullptr);
        ASSERT_EQ(GRIB_INTERPOLATION_START, 0) << journal.contenu();
    }
    ASSERT_TRUE(commande("mv " + sh(d / "lockdir/interpas.grb") + " " + sh(d / "totaux.grb") +
                         " && grib_set -w indicatorOfParameter=61 -s timeRangeIndicator=5 " +
                         sh(d / "pas.grb") + " " + sh(d / "differences.grb")));
    // Every rain record written is a total since the run, on 8 bits as
    // the viewer takes them.
    EXPECT_EQ(sortie("grib_get -w indicatorOfParameter=61 -p P1,timeRangeIndicator,bitsPerValue " +
                     sh(d / "totaux.grb") + " | sort -u"), "0 4 8\n");
    std::map<int, std::pair<double, double>> pas, totaux;
    double total = 0, avant = 0;
    for (const auto& [heure, mm] : eccodes(d / "pas.grb"))
        pas[heure] = {total += mm, mm};
    for (const auto& [heure, mm] : eccodes(d / "totaux.grb")) {
        totaux[heure] = {mm, mm - avant};
        avant = mm;
    }
    ASSERT_EQ(pas.size(), 3u);
    ASSERT_EQ(totaux.size(), 13u);
    EXPECT_NEAR(pas[12].first, 9.83, 0.005);
    EXPECT_NEAR(pas[12].second, 4.23, 0.005);
    // At the file's own hours, its totals, within half the step of 0.25 mm
    // at which 8 bits hold the grid's totals (up to 58 mm).
    for (const auto& [heure, v] : pas)
        EXPECT_NEAR(totaux[heure].first, v.first, 0.125) << heure;
    comparer("pas.grb", pas);
    comparer("differences.grb", pas);
    // A difference from P1 to P2 is titled with the hour it ends at.
    EXPECT_NE(std::string(titre.label()).find("(+18h)"), std::string::npos) << titre.label();
    comparer("totaux.grb", totaux);
}
