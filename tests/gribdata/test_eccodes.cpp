// The list and the decoded values against eccodes, on the fixtures made with
// it and on real forecasts, and gribtool run as the benchmarks run it: against
// the texts eccodes printed when the fixtures were made, which are checked
// against eccodes itself when it is installed.
#include "grib_test.h"
#include "tests/outils/outils_test.h"

#include "gribdata/champ_grib.h"
#include "gribdata/fichier_grib.h"
#include "gribdata/projections.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

namespace {

const char* const LISTES[] = {"service.grb", "ecmwf_t2m_85.grb", "ecmwf_t2m.grib1",
                              "ecmwf_fc_storm.grib"};
const char* const CENTRE_85[] = {"service.grb", "ecmwf_t2m_85.grb"};

std::vector<LigneLs> ls(const std::string& nom)
{
    return lireLs(lireFichier(fixtureGrib(nom + ".ls")));
}

long validite(const LigneLs& l)
{
    return l.at("validityDate") * 100 + l.at("validityTime") / 100;
}

// The list's order: validity, then parameter, equal keys in file order.
std::vector<LigneLs> ordreDeLaListe(std::vector<LigneLs> lignes)
{
    std::stable_sort(lignes.begin(), lignes.end(), [](const LigneLs& a, const LigneLs& b) {
        return validite(a) != validite(b) ? validite(a) < validite(b)
                                          : a.at("indicatorOfParameter") < b.at("indicatorOfParameter");
    });
    return lignes;
}

// A record as `gribtool list` prints it, from the list or from the listing.
std::string ligne(const grib* g)
{
    std::ostringstream s;
    for (unsigned v : {unsigned(g->position), unsigned(g->longueur), unsigned(g->centre),
                       unsigned(g->process), unsigned(g->parametre), unsigned(g->typeNiveau),
                       unsigned(File::iGetNiveau(g)), unsigned(g->uniteTemps), unsigned(g->p1),
                       unsigned(g->p2), unsigned(g->indicateur)})
        s << v << ' ';
    s << g->validite << '\n';
    return s.str();
}

std::string ligne(const LigneLs& l)
{
    std::ostringstream s;
    for (const char* cle : {"offset", "totalLength", "centre", "generatingProcessIdentifier",
                            "indicatorOfParameter", "indicatorOfTypeOfLevel", "level",
                            "indicatorOfUnitOfTimeRange", "P1", "P2", "timeRangeIndicator"})
        s << l.at(cle) << ' ';
    s << validite(l) << '\n';
    return s.str();
}

std::string gribtool(const std::string& arguments)
{
    return std::string(GRIBTOOL) + " " + arguments;
}

// Each message's decoded values against grib_get_data's, by file offset.
void memesValeurs(const File& f, const std::vector<LigneLs>& ls,
                  const std::vector<std::vector<Point>>& data, const std::string& source)
{
    ASSERT_EQ(ls.size(), data.size()) << source;
    std::map<uint32_t, const grib*> parPosition;
    for (const grib* g = f.list; g; g = g->suivant)
        parPosition[g->position] = g;
    for (size_t m = 0; m < ls.size(); ++m) {
        const grib* g = parPosition.at(uint32_t(ls[m].at("offset")));
        Grib champ;
        ASSERT_EQ(champ.set(g->message, g->longueur), 0) << source << " #" << m;
        ASSERT_EQ(size_t(champ.ni) * size_t(champ.nj), data[m].size());
        EXPECT_DOUBLE_EQ(champ.la1 / 1000.0, data[m].front().lat);
        EXPECT_DOUBLE_EQ(champ.lo1 / 1000.0, data[m].front().lon);
        for (size_t k = 0; k < data[m].size(); ++k) {
            const Point& p = data[m][k];
            if (p.absent) {
                EXPECT_EQ(champ.valeurs[k], GRIB_ABSENT) << source << " #" << m << " " << k;
            } else {
                EXPECT_LE(ecartUlp(champ.valeurs[k], p.valeur), 1)
                    << source << " #" << m << " point " << k << ": " << champ.valeurs[k]
                    << " against " << p.valeur;
            }
        }
    }
}

}  // namespace

TEST(Eccodes, TheCommittedTextsAreWhatEccodesPrintsNow)
{
    if (!eccodesPresent())
        GTEST_SKIP() << "eccodes is not installed";
    for (const char* nom : {"cas.grb", "service.grb", "ecmwf_t2m_85.grb", "ecmwf_t2m.grib1",
                            "ecmwf_fc_storm.grib"}) {
        const std::optional<std::string> direct = lsDirect(nom);
        ASSERT_TRUE(direct) << nom;
        EXPECT_EQ(lireLs(*direct), ls(nom)) << nom;
    }
    for (const char* nom : CENTRE_85) {
        const auto data = sortie("grib_get_data -m missing " + sh(fixtureGrib(nom)));
        ASSERT_TRUE(data) << nom;
        EXPECT_EQ(*data, lireFichier(fixtureGrib(std::string(nom) + ".data"))) << nom;
    }
}

TEST(Eccodes, TheListAndGribtoolsListingMatchGribLs)
{
    for (const char* nom : LISTES) {
        File f(fixtureGrib(nom).c_str());
        std::string attendu, obtenu;
        for (const LigneLs& l : ordreDeLaListe(ls(nom)))
            attendu += ligne(l);
        for (const grib* g = f.list; g; g = g->suivant)
            obtenu += ligne(g);
        EXPECT_EQ(obtenu, attendu) << nom;
        EXPECT_EQ(sortie(gribtool("list " + sh(fixtureGrib(nom)))), attendu) << nom;
    }
}

TEST(Eccodes, ValuesMatchGribGetDataAtEveryDecimalScale)
{
    std::map<long, int> echelles;
    for (const LigneLs& l : ls("service.grb"))
        ++echelles[l.at("decimalScaleFactor")];
    EXPECT_EQ(echelles.size(), 4u) << "D = -1, 0, 1 and 2";
    for (const char* nom : CENTRE_85) {
        File f(fixtureGrib(nom).c_str());
        memesValeurs(f, ls(nom), lireData(lireFichier(fixtureGrib(std::string(nom) + ".data"))),
                     nom);
    }
}

TEST(Eccodes, RealForecastsFromOtherCentresAreRefusedWithCode3)
{
    for (const char* nom : {"ecmwf_t2m.grib1", "ecmwf_fc_storm.grib"}) {
        File f(fixtureGrib(nom).c_str());
        ASSERT_GT(f.count, 0) << nom;
        EXPECT_EQ(iDecodeGribAll(f.list), 1) << nom;
        for (const grib* g = f.list; g; g = g->suivant) {
            Grib champ;
            EXPECT_EQ(champ.set(g->message, g->longueur), GRIB_ORIGINE) << nom;
        }
    }
    // The 100 bytes after its only message are not a second one.
    File t2m(fixtureGrib("ecmwf_t2m.grib1").c_str());
    EXPECT_EQ(t2m.count, 1);
    EXPECT_EQ(t2m.length, t2m.list->longueur + 100);
}

// The service's file with a rain record at +0 h packed as eccodes packs a
// constant field, 0 bits a value (as the time interpolation writes it back
// too): each is its reference value everywhere, whatever its decimal scale,
// and absent off its bit map, as grib_get_data reads it; the whole file
// decodes, so its point charts stay on.
TEST(Eccodes, ZeroBitFieldsAreTheirReferenceValueEverywhere)
{
    if (!eccodesPresent())
        GTEST_SKIP() << "eccodes is not installed";
    std::string troue = "set missingValue = 9999; set bitmapPresent = 1; set values = {9999";
    for (int k = 1; k < 63; ++k)
        troue += k % 10 ? ", -1.25" : ", 9999";
    troue += "};";
    const std::pair<const char*, std::string> cas[] = {
        {"0 mm", "set values = {0};"},
        {"2.5 mm, D = 1", "set values = {2.5};"},
        {"-1.25 mm, D = 2", "set decimalScaleFactor = 2; set values = {-1.25};"},
        {"bit map", "set decimalScaleFactor = 2; " + troue},
    };
    DossierTemporaire d;
    for (const auto& [nom, regle] : cas) {
        const std::string f = d / "f.grb";
        ecrireFichier(d / "regles", "write; if (indicatorOfParameter == 61 && P1 == 0) "
                                    "{ set P2 = 0; " + regle + " write; }");
        ASSERT_TRUE(commande("grib_filter -o " + sh(f) + " " + sh(d / "regles") + " " +
                             sh(fixtureGrib("service.grb"))))
            << nom;
        const auto ls = lireLs(sortie("grib_ls -p offset,bitsPerValue " + sh(f)).value_or(""));
        ASSERT_EQ(ls.size(), 19u) << nom;
        EXPECT_EQ(ls[10].at("bitsPerValue"), 0) << nom;
        File fichier(f.c_str());
        memesValeurs(fichier, ls, lireData(sortie("grib_get_data -m missing " + sh(f)).value_or("")),
                     nom);
        EXPECT_EQ(iDecodeGribAll(fichier.list), 0) << nom;
    }
}

// gribtool data prints what the decoder gives (compared above); its max,
// in list order, against grib_get -p max.
TEST(Gribtool, MaxDecodesEveryRecordAsEccodesDoes)
{
    const std::vector<LigneLs> fichier = ls("service.grb");
    std::istringstream maxima(lireFichier(fixtureGrib("service.grb.max")));
    std::vector<double> maximum;
    for (double v; maxima >> v;)
        maximum.push_back(v);
    const std::optional<std::string> max = sortie(gribtool("max " + sh(fixtureGrib("service.grb"))));
    ASSERT_TRUE(max);
    std::istringstream obtenus(*max);
    for (const LigneLs& l : ordreDeLaListe(fichier)) {
        float plusGrand = 0;
        ASSERT_TRUE(obtenus >> plusGrand);
        const size_t m = size_t(std::find(fichier.begin(), fichier.end(), l) - fichier.begin());
        EXPECT_LE(ecartUlp(plusGrand, maximum[m]), 1) << m;
    }
    const auto texte = sortie(gribtool("data " + sh(fixtureGrib("service.grb")) + " 1"));
    ASSERT_TRUE(texte);
    EXPECT_EQ(lireData(*texte).at(0).size(), 63u);
}

// gribtool data's text, line for line, as printf writes it from the
// decoded record: "%.3f" degrees and "%.9g" values, or "missing".
TEST(Gribtool, DataPrintsWhatPrintfWould)
{
    for (const auto& [nom, n] : {std::pair<const char*, int>{"service.grb", 2},
                                 {"service.grb", 5}, {"ecmwf_t2m_85.grb", 1}}) {
        File f(fixtureGrib(nom).c_str());
        const grib* g = f.list;
        for (int k = 1; g && k < n; ++k)
            g = g->suivant;
        ASSERT_TRUE(g) << nom;
        Grib champ;
        ASSERT_EQ(iDecoderEnregistrement(champ, *g), 0) << nom;
        const auto degres = [](int premier, int dernier, int points, int k) {
            return points > 1 ? (premier + double(dernier - premier) * k / (points - 1)) / 1000.0
                              : premier / 1000.0;
        };
        std::string attendu;
        char ligne[128];
        for (int j = 0; j < champ.nj; ++j)
            for (int i = 0; i < champ.ni; ++i) {
                const double lat = degres(champ.la1, champ.la2, champ.nj, j);
                const double lon = degres(champ.lo1, champ.lo2, champ.ni, i);
                const float v = champ.valeurs[size_t(j) * size_t(champ.ni) + size_t(i)];
                if (v == GRIB_ABSENT)
                    std::snprintf(ligne, sizeof ligne, "%.3f %.3f missing\n", lat, lon);
                else
                    std::snprintf(ligne, sizeof ligne, "%.3f %.3f %.9g\n", lat, lon, double(v));
                attendu += ligne;
            }
        EXPECT_TRUE(memesOctets(sortie(gribtool("data " + sh(fixtureGrib(nom)) + " " +
                                                std::to_string(n))),
                                attendu))
            << nom << " " << n;
    }
}

TEST(Gribtool, RefusalsAndErrorsExitNonZero)
{
    auto tout = [](const std::string& arguments) {
        return sortie(gribtool(arguments) + " 2>&1; echo \"exit $?\"").value_or("");
    };
    const std::string storm = sh(fixtureGrib("ecmwf_fc_storm.grib"));
    EXPECT_EQ(tout("data " + storm + " 1"), "gribtool: record 1 refused, code 3\nexit 3\n");
    EXPECT_EQ(tout("max " + storm), "refused 3\nrefused 3\nrefused 3\nrefused 3\nexit 3\n");
    for (const char* numero : {"0", "19", "x"})
        EXPECT_NE(tout("data " + sh(fixtureGrib("service.grb")) + " " + numero).find("holds no record"),
                  std::string::npos) << numero;
    EXPECT_EQ(tout("list /nonexistent/f.grb"), "gribtool: cannot read /nonexistent/f.grb\nexit 1\n");
    EXPECT_NE(tout("").find("exit 2"), std::string::npos);
}
