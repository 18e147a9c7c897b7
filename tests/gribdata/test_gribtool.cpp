// gribtool, run as the benchmarks run it, against what eccodes printed.
#include "grib_test.h"
#include "tests/outils/outils_test.h"

#include <cmath>
#include <gtest/gtest.h>
#include <sstream>

namespace {

std::string gribtool(const std::string& arguments)
{
    return std::string(GRIBTOOL) + " " + arguments;
}

// Standard output and error together, then the exit status.
std::string tout(const std::string& arguments)
{
    return sortie(gribtool(arguments) + " 2>&1; echo \"exit $?\"").value_or("");
}

std::string listeAttendue(const std::string& nom)
{
    std::string texte;
    for (const LigneLs& l : ordreDeLaListe(lireLs(lireFichier(donneesGrib(nom + ".ls")))))
        texte += ligneGribtool(l);
    return texte;
}

}  // namespace

TEST(Gribtool, ListPrintsOneLinePerRecordInListOrder)
{
    for (const char* nom :
         {"service.grb", "ecmwf_t2m_85.grb", "ecmwf_t2m.grib1", "ecmwf_fc_storm.grib"}) {
        const std::optional<std::string> liste = sortie(gribtool("list " + sh(donneesGrib(nom))));
        ASSERT_TRUE(liste) << nom;
        EXPECT_EQ(*liste, listeAttendue(nom)) << nom;
    }
}

TEST(Gribtool, PlainGzipAndBzip2FilesListAlike)
{
    DossierTemporaire dossier;
    const std::string f = dossier / "f.grb";
    ASSERT_TRUE(commande("cp " + sh(donneesGrib("service.grb")) + " " + sh(f)));
    ASSERT_TRUE(commande("gzip -k " + sh(f) + " && bzip2 -k " + sh(f)));
    const std::optional<std::string> brut = sortie(gribtool("list " + sh(f)));
    ASSERT_TRUE(brut);
    EXPECT_EQ(brut->size() > 0, true);
    EXPECT_EQ(sortie(gribtool("list " + sh(f + ".gz"))), brut);
    EXPECT_EQ(sortie(gribtool("list " + sh(f + ".bz2"))), brut);
}

TEST(Gribtool, DataPrintsEveryPointAsGribGetDataDoes)
{
    const std::vector<LigneLs> ls = lireLs(lireFichier(donneesGrib("service.grb.ls")));
    const std::vector<std::vector<Point>> data =
        lireData(lireFichier(donneesGrib("service.grb.data")));
    const std::vector<LigneLs> liste = ordreDeLaListe(ls);
    for (size_t n = 0; n < liste.size(); ++n) {
        size_t m = 0;
        while (ls[m].offset != liste[n].offset)
            ++m;
        const std::optional<std::string> texte =
            sortie(gribtool("data " + sh(donneesGrib("service.grb")) + " " +
                            std::to_string(n + 1)));
        ASSERT_TRUE(texte) << n;
        const std::vector<Point> points = lirePoints(*texte);
        ASSERT_EQ(points.size(), data[m].size()) << n;
        for (size_t k = 0; k < points.size(); ++k) {
            const Point &p = points[k], &q = data[m][k];
            EXPECT_NEAR(p.lat, q.lat, 5e-4) << n << " " << k;
            EXPECT_NEAR(p.lon, q.lon, 5e-4) << n << " " << k;
            EXPECT_EQ(p.absent, q.absent) << n << " " << k;
            if (!p.absent) {
                EXPECT_LE(ecartUlp(float(p.valeur), q.valeur), 1) << n << " " << k;
            }
        }
    }
}

TEST(Gribtool, MaxDecodesEveryRecord)
{
    for (const char* nom : {"service.grb", "ecmwf_t2m_85.grb"}) {
        const std::vector<LigneLs> ls = lireLs(lireFichier(donneesGrib(std::string(nom) + ".ls")));
        std::istringstream maxima(lireFichier(donneesGrib(std::string(nom) + ".max")));
        std::vector<double> parMessage;
        for (double v; maxima >> v;)
            parMessage.push_back(v);
        ASSERT_EQ(parMessage.size(), ls.size());
        const std::optional<std::string> texte = sortie(gribtool("max " + sh(donneesGrib(nom))));
        ASSERT_TRUE(texte) << nom;
        std::istringstream obtenus(*texte);
        for (const LigneLs& l : ordreDeLaListe(ls)) {
            size_t m = 0;
            while (ls[m].offset != l.offset)
                ++m;
            float obtenu = 0;
            ASSERT_TRUE(obtenus >> obtenu) << nom;
            EXPECT_LE(ecartUlp(obtenu, parMessage[m]), 1) << nom << " " << obtenu;
        }
    }
}

TEST(Gribtool, RefusalsAndErrorsExitNonZero)
{
    const std::string storm = sh(donneesGrib("ecmwf_fc_storm.grib"));
    EXPECT_EQ(tout("data " + storm + " 1"), "gribtool: record 1 refused, code 3\nexit 3\n");
    EXPECT_EQ(tout("max " + storm), "refused 3\nrefused 3\nrefused 3\nrefused 3\nexit 3\n");
    const std::string service = sh(donneesGrib("service.grb"));
    for (const char* numero : {"0", "19", "x", "2x"})
        EXPECT_NE(tout("data " + service + " " + numero).find("holds no record"),
                  std::string::npos)
            << numero;
    EXPECT_EQ(tout("list /nonexistent/f.grb"),
              "gribtool: cannot read /nonexistent/f.grb\nexit 1\n");
    EXPECT_NE(tout("data /nonexistent/f.grb 1").find("exit 1"), std::string::npos);
    EXPECT_NE(tout("frobnicate").find("usage"), std::string::npos);
    EXPECT_NE(tout("").find("exit 2"), std::string::npos);
}
