// The list and the decoded values against eccodes, on fixtures made with it
// and on real forecasts: against the texts eccodes printed when the fixtures
// were made, and against eccodes itself when it is installed.
#include "grib_test.h"
#include "tests/outils/outils_test.h"

#include "gribdata/champ_grib.h"
#include "gribdata/fichier_grib.h"

#include <gtest/gtest.h>
#include <map>

namespace {

const char* const CLES =
    "offset,totalLength,centre:i,generatingProcessIdentifier,indicatorOfParameter,"
    "indicatorOfTypeOfLevel:i,level,indicatorOfUnitOfTimeRange,P1,P2,timeRangeIndicator,"
    "validityDate,validityTime";

const char* const TOUS[] = {"service.grb", "ecmwf_t2m_85.grb", "ecmwf_t2m.grib1",
                            "ecmwf_fc_storm.grib"};
const char* const CENTRE_85[] = {"service.grb", "ecmwf_t2m_85.grb"};

LigneLs ligne(const grib* g)
{
    return {g->position, g->longueur,   g->centre,     g->process,
            g->parametre, g->typeNiveau, uint32_t(File::iGetNiveau(g)),
            g->uniteTemps, g->p1,        g->p2,        g->indicateur,
            g->validite};
}

void memeListe(const File& f, const std::vector<LigneLs>& ls, const std::string& source)
{
    const std::vector<LigneLs> attendu = ordreDeLaListe(ls);
    ASSERT_EQ(size_t(f.count), attendu.size()) << source;
    size_t k = 0;
    for (const grib* g = f.list; g; g = g->suivant, ++k)
        EXPECT_EQ(ligneGribtool(ligne(g)), ligneGribtool(attendu[k])) << source << " #" << k;
}

// Decoded values of each message, by file offset.
void memesValeurs(const File& f, const std::vector<LigneLs>& ls,
                  const std::vector<std::vector<Point>>& data, const std::string& source)
{
    ASSERT_EQ(ls.size(), data.size()) << source;
    std::map<uint32_t, const grib*> parPosition;
    for (const grib* g = f.list; g; g = g->suivant)
        parPosition[g->position] = g;
    for (size_t m = 0; m < ls.size(); ++m) {
        const grib* g = parPosition.at(ls[m].offset);
        Grib champ;
        ASSERT_EQ(champ.set(g->message, g->longueur), 0) << source << " #" << m;
        ASSERT_EQ(size_t(champ.ni) * size_t(champ.nj), data[m].size());
        EXPECT_DOUBLE_EQ(champ.la1 / 1000.0, data[m].front().lat);
        EXPECT_DOUBLE_EQ(champ.lo1 / 1000.0, data[m].front().lon);
        for (size_t k = 0; k < data[m].size(); ++k) {
            const Point& p = data[m][k];
            if (p.absent) {
                EXPECT_EQ(champ.valeurs[k], GRIB_ABSENT) << source << " #" << m << " " << k;
                continue;
            }
            EXPECT_LE(ecartUlp(champ.valeurs[k], p.valeur), 1)
                << source << " #" << m << " point " << k << ": " << champ.valeurs[k]
                << " against " << p.valeur;
        }
    }
}

std::string lsEnregistre(const std::string& nom)
{
    return lireFichier(donneesGrib(nom + ".ls"));
}

std::optional<std::string> lsDirect(const std::string& nom)
{
    return sortie(std::string("grib_ls -p ") + CLES + " " + sh(donneesGrib(nom)));
}

}  // namespace

TEST(Eccodes, TheListMatchesWhatGribLsPrinted)
{
    for (const char* nom : TOUS) {
        File f(donneesGrib(nom).c_str());
        const std::vector<LigneLs> ls = lireLs(lsEnregistre(nom));
        ASSERT_FALSE(ls.empty()) << nom;
        memeListe(f, ls, nom);
    }
}

TEST(Eccodes, TheListMatchesGribLsRunNow)
{
    if (!eccodesPresent())
        GTEST_SKIP() << "eccodes is not installed";
    for (const char* nom : TOUS) {
        const std::optional<std::string> texte = lsDirect(nom);
        ASSERT_TRUE(texte) << nom;
        File f(donneesGrib(nom).c_str());
        memeListe(f, lireLs(*texte), std::string(nom) + " (live)");
    }
}

TEST(Eccodes, ValuesMatchWhatGribGetDataPrinted)
{
    for (const char* nom : CENTRE_85) {
        File f(donneesGrib(nom).c_str());
        memesValeurs(f, lireLs(lsEnregistre(nom)),
                     lireData(lireFichier(donneesGrib(std::string(nom) + ".data"))), nom);
    }
}

TEST(Eccodes, ValuesMatchGribGetDataRunNow)
{
    if (!eccodesPresent())
        GTEST_SKIP() << "eccodes is not installed";
    for (const char* nom : CENTRE_85) {
        const std::optional<std::string> data =
            sortie("grib_get_data -m missing " + sh(donneesGrib(nom)));
        ASSERT_TRUE(data) << nom;
        File f(donneesGrib(nom).c_str());
        memesValeurs(f, lireLs(*lsDirect(nom)), lireData(*data), std::string(nom) + " (live)");
    }
}

TEST(Eccodes, TheFixturesHoldWhatTheTestsNeed)
{
    File f(donneesGrib("service.grb").c_str());
    std::map<int, int> parParametre;
    int avecCarte = 0, pluies = 0;
    for (const grib* g = f.list; g; g = g->suivant) {
        ++parParametre[g->parametre];
        avecCarte += g->bms;
        pluies += g->parametre == 61 && g->indicateur == 4;
    }
    for (int p : {2, 11, 33, 34, 61, 100, 200, 201})
        EXPECT_GT(parParametre[p], 0) << p;
    EXPECT_GE(avecCarte, 3);
    EXPECT_EQ(pluies, 3);
}

TEST(Eccodes, RealForecastsFromOtherCentresAreRefusedWithCode3)
{
    for (const char* nom : {"ecmwf_t2m.grib1", "ecmwf_fc_storm.grib"}) {
        File f(donneesGrib(nom).c_str());
        ASSERT_GT(f.count, 0) << nom;
        EXPECT_EQ(iDecodeGribAll(f.list), 1) << nom;
        for (const grib* g = f.list; g; g = g->suivant) {
            Grib champ;
            EXPECT_EQ(champ.set(g->message, g->longueur), GRIB_ORIGINE) << nom;
        }
    }
    // The 100 bytes after its only message are not a second one.
    File t2m(donneesGrib("ecmwf_t2m.grib1").c_str());
    EXPECT_EQ(t2m.count, 1);
    EXPECT_EQ(t2m.length, t2m.list->longueur + 100);
}
