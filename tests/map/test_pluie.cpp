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

using Pluies = std::vector<std::pair<double, double>>;  // total, step

class PluieAuPoint : public ChampsDecodes {
protected:
    fdc carte{0, 0, 800, 500};
    Fl_Box titre{0, 0, 1, 1}, autres{0, 0, 1, 1};

    // Each rain record of `f` in turn shown alone: the read-out's total and
    // step (to its two decimals) and the charts', against `attendues` in
    // the order of the hours.
    void comparer(const File& f, const Pluies& attendues)
    {
        grib pluie{};
        pluie.parametre = 61;
        const auto courbes = releverHistogrammes(f.list, &pluie, 46, -5, 0);
        ASSERT_EQ(courbes.size(), 2 * attendues.size());
        size_t k = 0;
        for (const grib* r = f.list; r; r = r->suivant) {
            if (r->parametre != 61)
                continue;
            const auto [total, pas] = attendues[k / 2];
            BoutonsPresses parametres({61}), validites({long(r->validite)});
            carte.vGrib(f.list, parametres.data(), validites.data(), &titre, &autres, &autres,
                        &autres);
            char html[LECTURE_TAILLE], lu[128];
            double longitude = 0;
            ASSERT_EQ(iLectureValeurs(carte.champs, 46, -5, html, longitude), 1);
            std::snprintf(lu, sizeof lu, "cumulees: %.2f mm, l/m2partielles: %.2f mm", total, pas);
            EXPECT_NE(std::regex_replace(html, std::regex("<[^>]*>"), "").find(lu),
                      std::string::npos) << html;
            EXPECT_NEAR(courbes[k].valeur, total, 1e-3) << r->p2;
            EXPECT_NEAR(courbes[k + 1].valeur, pas, 1e-3) << r->p2;
            k += 2;
        }
    }
};

}  // namespace

TEST_F(PluieAuPoint, TotalAndStepOfEachFile)
{
    if (!eccodesPresent())
        GTEST_SKIP() << "eccodes is not installed";
    Pluies pas, totaux;
    double total = 0;
    for (double mm : service("", 46, -5, 61))
        pas.push_back({total += mm, mm});
    ASSERT_EQ(pas.size(), 3u);
    comparer(fichier, pas);
    {
        DossierCourant ici(d.chemin());
        JournalTemporaire journal("journal.txt");
        std::filesystem::create_directory("lockdir");
        snprintf(GRIB_INTERPOLATION_ENTREE, sizeof GRIB_INTERPOLATION_ENTREE, "f.grb");
        GRIB_INTERPOLATION_START = 1;
        gintertime(nullptr);
        ASSERT_EQ(GRIB_INTERPOLATION_START, 0) << journal.contenu();
    }
    const std::string horaire = d / "lockdir/interf.grb";
    for (double mm : valeursProches(horaire, 46, -5, 61))
        totaux.push_back({mm, mm - (totaux.empty() ? 0 : totaux.back().first)});
    ASSERT_EQ(totaux.size(), 13u);
    // At the file's own hours (6, 12, 18), its totals, within half the step
    // of 0.25 mm at which 8 bits hold the grid's totals (up to 58 mm).
    for (size_t k = 0; k < pas.size(); ++k)
        EXPECT_NEAR(totaux[6 * k].first, pas[k].first, 0.125) << k;
    File f(horaire.c_str());
    ASSERT_EQ(iDecodeGribAll(f.list), 0);
    comparer(f, totaux);
    service("-w indicatorOfParameter=61 -s timeRangeIndicator=5", 46, -5, 61);
    comparer(fichier, pas);
    // A difference from P1 to P2 is titled with the hour it ends at.
    EXPECT_NE(std::string(titre.label()).find("(+18h)"), std::string::npos) << titre.label();
}
