// The isolines of a smooth pressure field of lows and highs, drawn for the
// whole world at 1024 x 600, against the isobars that GMT traces on the
// same decoded values (tests/map/oracle: the script and its output; the
// script runs again when GMT and eccodes are installed); the labels of the
// isolines crossed carry GMT's levels.
#include "outils_isoplages.h"
#include "tests/map/trace_test.h"
#include "tests/outils/outils_test.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <set>
#include <sstream>
#include <vector>

namespace {

struct Centre {
    double lat, lon, pascals, rayon;
};
const Centre CENTRES[] = {{55, -30, -3500, 14}, {40, 150, -2500, 12}, {-50, 60, -4000, 16},
                          {30, -40, 2500, 18},  {-30, 100, 2000, 20}, {10, 20, 1200, 25}};

double pression(double lat, double lon)
{
    double p = 101300;
    for (const Centre& c : CENTRES) {
        const double dx = std::remainder(lon - c.lon, 360.0), dy = lat - c.lat;
        p += c.pascals * std::exp(-(dx * dx + dy * dy) / (c.rayon * c.rayon));
    }
    return p;
}

// Share of the pixels set in `a` that lie within 2 pixels of one set in `b`
// (masks of w x h pixels).
double partProche(const std::vector<char>& a, const std::vector<char>& b, int w, int h)
{
    int n = 0, proches = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (!a[size_t(y) * w + x])
                continue;
            bool proche = false;
            for (int j = std::max(0, y - 2); j <= std::min(h - 1, y + 2); ++j)
                for (int i = std::max(0, x - 2); i <= std::min(w - 1, x + 2); ++i)
                    proche |= (i - x) * (i - x) + (j - y) * (j - y) <= 4 && b[size_t(j) * w + i];
            ++n, proches += proche;
        }
    return n ? double(proches) / n : 0;
}

// The oracle's lines on the picture, one point per pixel of length.
std::vector<char> lignesOracle(const std::string& texte, const isoplages& iso)
{
    std::vector<char> m(iso.image.size() / 4);
    std::istringstream flux(texte);
    std::string ligne;
    double px = NAN, py = NAN, lon, lat;
    while (std::getline(flux, ligne)) {
        const bool point = std::sscanf(ligne.c_str(), "%lf %lf", &lon, &lat) == 2;
        const double x = (lon - iso.ouest) * iso.colonnes / (iso.est - iso.ouest);
        const double y = (iso.nord - lat) * iso.lignes / (iso.nord - iso.sud);
        const int pas = point && !std::isnan(px) ? int(std::ceil(std::hypot(x - px, y - py))) : 0;
        for (int k = 0; point && k <= pas; ++k) {
            const int i = int(std::lround(pas ? px + (x - px) * k / pas : x));
            const int j = int(std::lround(pas ? py + (y - py) * k / pas : y));
            if (i >= 0 && i < iso.colonnes && j >= 0 && j < iso.lignes)
                m[size_t(j) * iso.colonnes + i] = 1;
        }
        px = point ? x : NAN, py = y;
    }
    return m;
}

// GMT's isobars of `champ` by tests/map/oracle/<script>.sh when GMT and
// eccodes are here, else the committed <script>.txt.
std::string oracleGmt(const std::string& script, const std::string& champ)
{
    const std::string dossier = QUENBREL_SOURCE_DIR "/tests/map/oracle/";
    if (commande("command -v gmt >/dev/null && command -v grib_get_data >/dev/null")) {
        // Each script its own output: the tests of this suite run at once
        // in one working folder.
        const std::string sortie = script + "_gmt.txt";
        EXPECT_TRUE(commande("sh " + sh(dossier + script + ".sh") + " " + champ + " " + sortie));
        return lireFichier(sortie);
    }
    return lireFichier(dossier + script + ".txt");
}

// The picture's isoline pixels (white at the isolines' alpha).
std::vector<char> isolignesDe(const isoplages& iso)
{
    std::vector<char> m(iso.image.size() / 4);
    for (size_t i = 0; i < m.size(); ++i)
        m[i] = iso.image[4 * i + 3] == 128 && iso.image[4 * i] == 255;
    return m;
}

TEST(IsolignesGmt, LesIsobaresSuiventCellesDeGmt)
{
    ChampEcrit c;
    c.valeur = pression;
    ChampCharge champ(c, 0);
    ecrireFichier("isobares.grb", champ.octets);
    isoplages& iso = champ.iso;
    iso.pressionPas = 50000, iso.pressionReference = 10150000;
    iso.opacite = 129, iso.isolignesActives = 1;
    ASSERT_TRUE(champ.calcul(vueCentree(0, 0, 180)));

    const std::string oracle = oracleGmt("isobares", "isobares.grb");
    const std::vector<char> gmt = lignesOracle(oracle, iso);
    const std::vector<char> isolignes = isolignesDe(iso);
    EXPECT_GE(partProche(isolignes, gmt, iso.colonnes, iso.lignes), 0.95);
    EXPECT_GE(partProche(gmt, isolignes, iso.colonnes, iso.lignes), 0.95);

    std::set<long> niveaux;
    for (size_t i = oracle.find('>'); i != std::string::npos; i = oracle.find('>', i + 1))
        niveaux.insert(std::stol(oracle.substr(i + 1)));
    TraceTest trace;
    iso.trace = &trace;
    iso.labels();
    const auto croisees = trace.blancs(12);
    EXPECT_GE(croisees.size(), 3u);
    for (const auto& t : croisees)
        EXPECT_EQ(niveaux.count(std::lround(std::stod(t.texte) * 100)), 1u) << t.texte;
}

// A low over the Aleutians, centred on 180 degrees.
double aleoutiennes(double lat, double lon)
{
    const double dx = std::remainder(lon - 180, 360.0), dy = lat - 50;
    return 101300 - 3000 * std::exp(-(dx * dx + dy * dy) / 64) + 20 * (lat - 50);
}

// A half-degree world grid from 180 W ends at 179.5 E: its bands and
// isolines go on to 180, where GMT's isobars over the seam cross.
TEST(IsolignesGmt, LesIsobaresTraversent180Degres)
{
    ChampEcrit c;
    c.valeur = aleoutiennes;
    c.ni = 720, c.nj = 361, c.di = c.dj = 500;
    ChampCharge champ(c, 0);
    ecrireFichier("aleoutiennes.grb", champ.octets);
    isoplages& iso = champ.iso;
    iso.pressionPas = 50000, iso.pressionReference = 10150000;
    iso.opacite = 129, iso.isolignesActives = 1;
    // The copy of the field (the map draws each shifted by a turn) that
    // holds the view's centre; its longitudes are then read from 180 W.
    iso.vue = vueCentree(50, 178, 8);
    const double centre = iso.vue.longitude(iso.vue.largeur / 2.0);
    double decalage = 0;
    for (double d : {-360.0, 0.0, 360.0}) {
        double n, s, o, e;
        iso.calcul(n, s, o, e, d);
        if (!iso.image.empty() && o <= centre && centre <= e)
            decalage = d;
    }
    double n, s, o, e;
    iso.calcul(n, s, o, e, decalage);
    ASSERT_FALSE(iso.image.empty());
    iso.ouest -= decalage, iso.est -= decalage;
    EXPECT_GE(iso.est, 180.0);
    // Every row is coloured up to the column of 180 degrees.
    const int x180 = int((180 - iso.ouest) * iso.colonnes / (iso.est - iso.ouest)) - 1;
    int incolores = 0;
    for (int y = 0; y < iso.lignes; ++y)
        incolores += iso.image[4 * (size_t(y) * iso.colonnes + x180) + 3] == 0;
    EXPECT_EQ(incolores, 0);

    const std::vector<char> gmt = lignesOracle(oracleGmt("isobares_180", "aleoutiennes.grb"), iso);
    const std::vector<char> isolignes = isolignesDe(iso);
    // The strip between the grid's last column and 180 degrees alone.
    const int x0 = int((179.5 - iso.ouest) * iso.colonnes / (iso.est - iso.ouest)) + 3;
    std::vector<char> bandeGmt(gmt.size()), bandeIso(gmt.size());
    for (int y = 0; y < iso.lignes; ++y)
        for (int x = x0; x < x180 - 2; ++x) {
            const size_t i = size_t(y) * iso.colonnes + x;
            bandeGmt[i] = gmt[i], bandeIso[i] = isolignes[i];
        }
    EXPECT_GE(std::count(bandeGmt.begin(), bandeGmt.end(), 1), 4);
    EXPECT_GE(partProche(bandeGmt, isolignes, iso.colonnes, iso.lignes), 0.95);
    EXPECT_GE(partProche(bandeIso, gmt, iso.colonnes, iso.lignes), 0.95);
    EXPECT_GE(partProche(gmt, isolignes, iso.colonnes, iso.lignes), 0.95);
}

}  // namespace
