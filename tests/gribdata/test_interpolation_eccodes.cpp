// The time interpolation of files made by eccodes, read back by eccodes at
// 48 N 4 W: rain over dry, constant or instant records, and files of two
// models or two grids.
#include "gribdata/interpolation.h"
#include "tests/outils/outils_test.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <sstream>

namespace {

// grib_filter settings over the defaults of sFiltre, and the value at
// column i and row j.
struct Entree {
    std::string cles;
    std::function<double(int, int)> valeur;
};

std::string cle(const std::string& nom, double v)
{
    std::ostringstream s;
    s << " set " << nom << "=" << v << ";";
    return s.str();
}

Entree pluie(int p1, int p2, std::function<double(int, int)> v, int indicateur = 4)
{
    return {cle("timeRangeIndicator", indicateur) + cle("P1", p1) + cle("P2", p2), std::move(v)};
}

// Rain of the service's kind (centre 85, process 78, 8 bits) on 11 x 11
// points of 1 degree from 50 N 8 W; eccodes packs a constant on 0 bits.
std::string sFiltre(const std::vector<Entree>& entrees)
{
    std::string f;
    for (const Entree& e : entrees) {
        f += "set centre=85; set generatingProcessIdentifier=78; set indicatorOfParameter=61;"
             " set indicatorOfTypeOfLevel=1; set dataDate=20240115; set Ni=11; set Nj=11;"
             " set latitudeOfFirstGridPointInDegrees=50; set longitudeOfFirstGridPointInDegrees=-8;"
             " set latitudeOfLastGridPointInDegrees=40; set longitudeOfLastGridPointInDegrees=2;"
             " set iDirectionIncrementInDegrees=1; set jDirectionIncrementInDegrees=1;"
             " set bitsPerValue=8;" + e.cles + " set values={";
        for (int k = 0; k < 121; ++k)
            f += (k ? "," : "") + std::to_string(e.valeur(k % 11, k / 11));
        f += "}; write;\n";
    }
    return f;
}

struct Lu {
    int parametre, process, lo1, p1, p2;
    std::string type;
    double valeur;
};

std::vector<Lu> lire(const std::string& fichier)
{
    std::istringstream lignes(
        sortie("grib_get -F %.6g -l 48,-4,1 -p indicatorOfParameter,generatingProcessIdentifier,"
               "longitudeOfFirstGridPointInDegrees,P1,endStep,stepType " + sh(fichier))
            .value_or(""));
    std::vector<Lu> lus;
    Lu u;
    for (std::string ligne; std::getline(lignes, ligne);)
        if (std::istringstream(ligne) >> u.parametre >> u.process >> u.lo1 >> u.p1 >> u.p2 >>
            u.type >> u.valeur)
            lus.push_back(u);
    return lus;
}

struct Interpolation {
    int etat;
    std::string journal;
    std::vector<Lu> entree, sortie;
};

Interpolation interpoler(const std::vector<Entree>& entrees)
{
    DossierTemporaire dossier;
    DossierCourant ici(dossier.chemin());
    std::filesystem::create_directory("lockdir");
    ecrireFichier("f.filter", sFiltre(entrees));
    EXPECT_TRUE(commande("grib_filter -o f.grb f.filter /usr/share/eccodes/samples/GRIB1.tmpl"));
    Interpolation r;
    r.entree = lire("f.grb");
    JournalTemporaire journal("journal.txt");
    snprintf(GRIB_INTERPOLATION_ENTREE, sizeof GRIB_INTERPOLATION_ENTREE, "f.grb");
    GRIB_INTERPOLATION_START = 1;
    gintertime(nullptr);
    r.etat = GRIB_INTERPOLATION_START;
    r.journal = journal.contenu();
    r.sortie = lire("lockdir/interf.grb");
    return r;
}

}  // namespace

// Every hour is written, as what fell from the run to it: a step packed on
// 0 bits (dry or constant) takes the totals' bits, and an instant or an
// analysis at the run starts accumulations.
TEST(InterpolationEccodes, RainHoursOverDryConstantOrInstantRecords)
{
    if (!eccodesPresent())
        GTEST_SKIP() << "eccodes absent";
    const auto est = [](int i, int) { return 1 + 0.1 * i; };
    const auto sud = [](int, int j) { return 0.5 + 0.2 * j; };
    const auto sec = [](int, int) { return 0.0; };
    const struct {
        const char* nom;
        std::vector<Entree> entrees;
        int premiere, derniere;  // hours written
    } cas[] = {
        {"pas sec au milieu", {pluie(0, 6, est), pluie(6, 12, sec), pluie(12, 18, sud)}, 6, 18},
        {"dernier pas constant",
         {pluie(0, 6, est), pluie(6, 12, sud), pluie(12, 18, [](int, int) { return 1.8; })}, 6,
         18},
        {"premier pas sec", {pluie(0, 6, sec), pluie(6, 12, est), pluie(12, 18, sec)}, 6, 18},
        {"instant au run", {pluie(0, 0, sec, 0), pluie(0, 6, est)}, 0, 6},
        {"analyse au run", {pluie(0, 0, sec, 1), pluie(0, 6, est)}, 0, 6},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        const Interpolation r = interpoler(c.entrees);
        EXPECT_EQ(r.etat, 0) << r.journal;
        EXPECT_EQ(r.sortie.size(), size_t(c.derniere - c.premiere + 1));
        for (int h = c.premiere; h <= c.derniere && size_t(h - c.premiere) < r.sortie.size(); ++h) {
            const Lu& s = r.sortie[size_t(h - c.premiere)];
            // The input's steps, each at an even rate over its hours.
            double mm = 0;
            for (const Lu& e : r.entree)
                mm += e.p2 > e.p1 ? e.valeur * std::clamp(h - e.p1, 0, e.p2 - e.p1) / (e.p2 - e.p1)
                                  : 0;
            EXPECT_EQ(std::make_tuple(s.p1, s.p2, s.type),
                      std::make_tuple(0, h, std::string(h ? "accum" : "instant")));
            EXPECT_NEAR(s.valeur, mm, 0.03) << h;
        }
    }
}

// Each model and each grid gets the hours between its own fields, a wind's
// U with its own model's V.
TEST(InterpolationEccodes, EachModelAndGridGetsItsOwnHours)
{
    if (!eccodesPresent())
        GTEST_SKIP() << "eccodes absent";
    const auto champ = [](int parametre, int process, int lo1, int p1, double base) {
        return Entree{cle("indicatorOfParameter", parametre) + cle("timeRangeIndicator", 0) +
                          cle("indicatorOfTypeOfLevel", 102) +
                          cle("generatingProcessIdentifier", process) +
                          cle("longitudeOfFirstGridPointInDegrees", lo1) +
                          cle("longitudeOfLastGridPointInDegrees", lo1 + 10) + cle("P1", p1),
                      [base](int i, int j) { return base * (1 + 0.001 * i + 0.002 * j); }};
    };
    // Winds of one direction throughout: components linear in time.
    const std::vector<Entree> vents = {champ(33, 78, -8, 0, 15), champ(34, 78, -8, 0, 20),
                                       champ(33, 8, -8, 0, 3),   champ(34, 8, -8, 0, 4),
                                       champ(33, 78, -8, 6, 33), champ(34, 78, -8, 6, 44),
                                       champ(33, 8, -8, 6, 6),   champ(34, 8, -8, 6, 8)};
    const struct {
        const char* nom;
        std::vector<Entree> entrees;
    } cas[] = {
        {"deux modeles",
         {champ(2, 78, -8, 0, 1e5), champ(2, 8, -8, 0, 9e4), champ(2, 78, -8, 6, 1.01e5),
          champ(2, 8, -8, 6, 9.5e4)}},
        {"deux grilles",
         {champ(2, 78, -8, 0, 1e5), champ(2, 78, -9, 0, 9e4), champ(2, 78, -8, 6, 1.01e5),
          champ(2, 78, -9, 6, 9.5e4)}},
        {"vents de deux modeles", vents},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        const Interpolation r = interpoler(c.entrees);
        EXPECT_EQ(r.etat, 0) << r.journal;
        // Each series by parameter, model and grid: its values by hour.
        std::map<std::tuple<int, int, int>, std::map<int, double>> entree, sortie;
        for (const Lu& e : r.entree)
            entree[{e.parametre, e.process, e.lo1}][e.p1] = e.valeur;
        for (const Lu& s : r.sortie)
            sortie[{s.parametre, s.process, s.lo1}][s.p1] = s.valeur;
        EXPECT_EQ(sortie.size(), entree.size());
        for (auto& [serie, v] : entree) {
            const std::map<int, double>& heures = sortie[serie];
            EXPECT_EQ(heures.size(), 7u) << std::get<0>(serie) << " " << std::get<1>(serie);
            for (const auto& [h, lu] : heures)
                EXPECT_NEAR(lu, v[0] + (v[6] - v[0]) * h / 6, 5e-4 * std::fabs(lu) + 0.01)
                    << std::get<0>(serie) << " " << std::get<1>(serie) << " at " << h;
        }
    }
}
