// Rain at one point, the total since the run and the step's, as the map
// and its read-out and the charts read it: on the service's file, whose
// records each hold their own six hours (as accumulations or differences),
// and on the hourly totals the time interpolation writes from it. eccodes
// gives the values at the point.
#include "map/fdc.h"

#include "gribdata/champ_grib.h"
#include "gribdata/enregistrement_grib.h"
#include "gribdata/fichier_grib.h"
#include "gribdata/interpolation.h"
#include "map/lecture_texte.h"
#include "map/lecture_valeurs.h"
#include "map/releve_histogrammes.h"
#include "tests/map/champs_decodes_test.h"
#include "tests/map/trace_test.h"

#include <FL/Fl_Box.H>

#include <cmath>
#include <filesystem>
#include <regex>

namespace {

const double LATITUDE = 46, LONGITUDE = -5;

struct Pluie {
    double total, pas;
};

// eccodes' rain at the point, by the hour P2 of each record.
std::map<int, double> eccodes(const std::string& fichier)
{
    std::map<int, double> v;
    std::istringstream lignes(sortie("grib_get -w indicatorOfParameter=61 -F %.10g -l " +
                                     std::to_string(LATITUDE) + "," + std::to_string(LONGITUDE) +
                                     ",1 -p P2 " + sh(fichier))
                                  .value_or(""));
    int heure;
    double valeur;
    while (lignes >> heure >> valeur)
        v[heure] = valeur;
    return v;
}

struct Ligne {
    const char* fichier;
    int heure;
    Pluie attendue;
};

class PluieAuPoint : public ChampsDecodes {
protected:
    fdc carte{0, 0, 800, 500};
    Fl_Box titre{0, 0, 1, 1}, second{0, 0, 1, 1}, droite{0, 0, 1, 1}, gauche{0, 0, 1, 1};

    // The read-out's two lines of the map showing rain at r's validity.
    Pluie lecture(const File& f, const grib& r)
    {
        BoutonsPresses parametres({61}), validites({long(r.validite)});
        carte.vGrib(f.list, parametres.data(), validites.data(), &titre, &second, &droite,
                    &gauche);
        char html[LECTURE_TAILLE];
        double longitude = 0;
        EXPECT_EQ(iLectureValeurs(carte.champs, LATITUDE, LONGITUDE, html, longitude), 1);
        const std::string texte = std::regex_replace(html, std::regex("<[^>]*>"), "");
        std::smatch m;
        const std::regex lignes("cumulees: ([0-9.]+) .*partielles: ([0-9.]+) ");
        if (!std::regex_search(texte, m, lignes)) {
            ADD_FAILURE() << texte;
            return {NAN, NAN};
        }
        return {std::stod(m[1]), std::stod(m[2])};
    }

    // The file's rain records, read by the read-out and the charts, against
    // the expected values of its rows.
    void comparer(const std::vector<Ligne>& table, const char* nom, double tolerance)
    {
        File f((d / nom).c_str());
        ASSERT_EQ(iDecodeGribAll(f.list), 0);
        grib affiche{};
        affiche.parametre = 61;
        std::vector<EchantillonHistogramme> courbes =
            releverHistogrammes(f.list, &affiche, LATITUDE, LONGITUDE, 0);
        std::vector<Pluie> histogrammes;
        for (size_t k = 0; k + 1 < courbes.size(); k += 2)
            histogrammes.push_back({courbes[k].valeur, courbes[k + 1].valeur});
        size_t rang = 0;
        for (const Ligne& l : table) {
            if (std::string(l.fichier) != nom)
                continue;
            const grib* r = f.list;
            while (r && !(r->parametre == 61 && r->p2 == l.heure))
                r = r->suivant;
            ASSERT_TRUE(r) << nom << " " << l.heure;
            const Pluie p = lecture(f, *r);
            ASSERT_LT(rang, histogrammes.size());
            const Pluie h = histogrammes[rang++];
            EXPECT_NEAR(p.total, l.attendue.total, tolerance + 0.005) << nom << " " << l.heure;
            EXPECT_NEAR(p.pas, l.attendue.pas, tolerance + 0.005) << nom << " " << l.heure;
            EXPECT_NEAR(h.total, l.attendue.total, tolerance) << nom << " " << l.heure;
            EXPECT_NEAR(h.pas, l.attendue.pas, tolerance) << nom << " " << l.heure;
            // A difference from P1 to P2 is titled with the hour it ends at.
            const std::string echeance = "(+" + std::to_string(l.heure) + "h)";
            if (r->indicateur == 5) {
                EXPECT_NE(std::string(titre.label()).find(echeance), std::string::npos)
                    << titre.label();
            }
        }
        EXPECT_EQ(rang, histogrammes.size()) << nom;
    }
};

}  // namespace

// At 46 N 5 W the service's steps are 5.6, 4.23 and 5.3 mm: totals 5.6,
// 9.83 and 15.13. The interpolated file holds those totals at 18, 00 and
// 06 UTC, and the hours between on the line from one to the next.
TEST_F(PluieAuPoint, TotalAndStepOfEachFile)
{
    if (!eccodesPresent())
        GTEST_SKIP() << "eccodes is not installed";
    ecrireFichier(d / "pas.grb", lireFichier(fixtureGrib("service.grb")));
    const std::map<int, double> pas = eccodes(d / "pas.grb");
    ASSERT_EQ(pas.size(), 3u);
    {
        DossierCourant ici(d.chemin());
        JournalTemporaire journal("journal.txt");
        std::filesystem::create_directory("lockdir");
        snprintf(GRIB_INTERPOLATION_ENTREE, sizeof GRIB_INTERPOLATION_ENTREE, "pas.grb");
        GRIB_INTERPOLATION_START = 1;
        gintertime(nullptr);
        ASSERT_EQ(GRIB_INTERPOLATION_START, 0) << journal.contenu();
    }
    std::filesystem::rename(d / "lockdir/interpas.grb", d / "totaux.grb");
    const std::map<int, double> totaux = eccodes(d / "totaux.grb");
    ASSERT_EQ(totaux.size(), 13u);
    EXPECT_EQ(sortie("grib_get -w indicatorOfParameter=61 -p P1,indicatorOfTypeOfLevel,"
                     "timeRangeIndicator " + sh(d / "totaux.grb") + " | sort -u"),
              "0 sfc 4\n");

    // The written totals at the file's own hours are its totals, within
    // half the step they are packed at (8 bits, as the viewer takes them).
    double ecriture = 0;
    std::istringstream echelles(sortie("grib_get -w indicatorOfParameter=61 -p bitsPerValue,"
                                       "binaryScaleFactor,decimalScaleFactor " +
                                       sh(d / "totaux.grb")).value_or(""));
    for (int bits, e, dd; echelles >> bits >> e >> dd;) {
        EXPECT_EQ(bits, 8);
        ecriture = std::max(ecriture, std::ldexp(1.0, e) / std::pow(10.0, dd));
    }
    std::vector<Ligne> table;
    double total = 0;
    for (const auto& [heure, mm] : pas) {
        total += mm;
        table.push_back({"pas.grb", heure, {total, mm}});
        table.push_back({"differences.grb", heure, {total, mm}});
        EXPECT_NEAR(totaux.at(heure), total, ecriture / 2 + 1e-6) << heure;
    }
    double avant = 0;
    for (const auto& [heure, mm] : totaux) {
        table.push_back({"totaux.grb", heure, {mm, mm - avant}});
        avant = mm;
    }
    EXPECT_NEAR(table[2].attendue.total, 9.83, 0.005);
    EXPECT_NEAR(table[2].attendue.pas, 4.23, 0.005);
    // The same steps given as differences (time range 5).
    ASSERT_TRUE(commande("grib_set -w indicatorOfParameter=61 -s timeRangeIndicator=5 " +
                         sh(d / "pas.grb") + " " + sh(d / "differences.grb")));
    comparer(table, "pas.grb", 1e-3);
    comparer(table, "differences.grb", 1e-3);
    comparer(table, "totaux.grb", 1e-3);
}
