// The time interpolation: its rules on built files, its failures, the pinned
// input against cdo, and the worker on its own thread.
#include "codes/grib_get.h"
#include "codes/grib_put.h"
#include "codes/ibfile.h"
#include "codes/navigation.h"
#include "gribdata/fichier_grib.h"
#include "gribdata/interpolation.h"
#include "tests/codes/constructeur_grib.h"
#include "tests/outils/outils_test.h"

#include <chrono>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <map>
#include <random>
#include <thread>

namespace {

const float A = CLASS_GRIB_BASE::f_valeur_absente;
const std::string DONNEES = std::string(QUENBREL_SOURCE_DIR) + "/tests/data/interpolation/";

// A 3 x 3 field on a grid `etendue` degrees wide, 15 January 2024 00 UTC.
std::string message(unsigned parametre, unsigned p1, std::vector<float> v, float etendue = 10,
                    unsigned unite = 1)
{
    CLASS_GRIB_PUT e;
    e.ui_stg_parametre = parametre;
    e.ui_stg_type_niveau = parametre == 33 || parametre == 34 ? 105 : 1;
    e.ui_stg_niveau12 = parametre == 33 || parametre == 34 ? 10 : 0;
    e.ui_stg_annee = 24, e.ui_stg_mois = 1, e.ui_stg_jour = 15, e.ui_stg_siecle = 21;
    e.ui_stg_unite_temps = unite, e.ui_stg_p1 = p1;
    e.ui_stg_ll_ni = e.ui_stg_ll_nj = 3;
    e.f_stg_ll_la1 = 50, e.f_stg_ll_la2 = 50 - etendue, e.f_stg_ll_lo2 = etendue;
    e.f_stg_ll_di = e.f_stg_ll_dj = etendue / 2;
    e.ui_stg_nombre_points = 9, e.ui_stg_bits_par_valeur = 16;
    e.pf_stg_valeurs = v.data();
    const unsigned char* m = e.cpucPut();
    return m ? std::string((const char*)m, e.ui_longueur_message) : std::string();
}

struct Champ {
    unsigned parametre, p1, p2, indicateur;
    std::vector<float> valeurs;
};

std::vector<Champ> lire(const std::string& chemin)
{
    std::vector<Champ> champs;
    CLASS_CODES_IBFILE f(chemin.c_str(), 0);
    for (int n = 1; n <= f.i_nombre; ++n) {
        CLASS_GRIB_GET g;
        const unsigned longueur = (unsigned)f.ulGet(n);
        g.vMessage(f.puc_message, longueur);
        if (g.iGet(0) != 0)
            return champs;
        champs.push_back({g.ui_stg_parametre, g.ui_stg_p1, g.ui_stg_p2, g.ui_stg_indicateur,
                          {g.pf_stg_valeurs, g.pf_stg_valeurs + g.ui_stg_nombre_points}});
    }
    return champs;
}

struct Resultat {
    int etat;
    std::string journal, sortie;
    std::vector<std::string> lockdir;  // file names left there
    std::vector<Champ> champs;
};

// Runs the worker on a file `nom` holding `octets` (none: no file) in the
// folder `ou` (by default one of its own); nothing else may be left there.
Resultat lancer(const std::string& nom, const std::string& octets, std::string ou = "")
{
    DossierTemporaire dossier;
    DossierCourant ici(ou.empty() ? dossier.chemin() : ou);
    std::filesystem::create_directory("lockdir");
    if (!octets.empty())
        ecrireFichier(nom, octets);
    Resultat r;
    {
        JournalTemporaire journal("journal.txt");
        snprintf(GRIB_INTERPOLATION_ENTREE, sizeof GRIB_INTERPOLATION_ENTREE, "%s", nom.c_str());
        GRIB_INTERPOLATION_START = 1;
        gintertime(nullptr);
        r.etat = GRIB_INTERPOLATION_START;
        r.journal = journal.contenu();
    }
    r.sortie = GRIB_INTERPOLATION_SORTIE;
    for (const auto& f : std::filesystem::directory_iterator("lockdir"))
        r.lockdir.push_back(f.path().filename().string());
    if (r.lockdir.size() == 1)
        r.champs = lire("lockdir/" + r.lockdir[0]);
    for (const auto& f : std::filesystem::directory_iterator("."))
        EXPECT_TRUE(f.path().filename() == nom || f.path().filename() == "journal.txt" ||
                    f.path().filename() == "lockdir")
            << f.path();
    return r;
}

std::vector<unsigned> p1s(const std::vector<Champ>& champs)
{
    std::vector<unsigned> p;
    for (const Champ& c : champs)
        p.push_back(c.parametre * 1000 + c.p1);
    return p;
}

}  // namespace

TEST(Interpolation, HoursBetweenStepsWithTheirWeights)
{
    const std::vector<float> v0 = {0, 3, 6, 9, 12, 15, 18, 21, 24};
    const std::vector<float> v3 = {3, A, 9, 12, 15, 18, 21, 24, 300};
    const Resultat r = lancer("f.grb", message(11, 0, v0) + message(11, 3, v3) +
                                           message(11, 6, v0));
    ASSERT_EQ(r.etat, 0) << r.journal;
    EXPECT_EQ(r.sortie, "lockdir/interf.grb");
    ASSERT_EQ(p1s(r.champs),
              (std::vector<unsigned>{11000, 11001, 11002, 11003, 11004, 11005, 11006}));
    for (size_t k = 0; k < 9; ++k)
        if (k == 1)
            EXPECT_EQ(r.champs[1].valeurs[k], A);
        else
            EXPECT_NEAR(r.champs[1].valeurs[k], 2.0f / 3 * v0[k] + 1.0f / 3 * v3[k], 0.005) << k;
    EXPECT_NE(r.journal.find("Lus: 3 - Ecrits: 7 sur lockdir/interf.grb"), std::string::npos);
}

TEST(Interpolation, DirectionsOnTheCircle)
{
    float u[2], v[2];
    vDFUV(350, 10, u[0], v[0]);
    vDFUV(10, 10, u[1], v[1]);
    std::string f;
    for (unsigned h : {0u, 1u})
        f += message(33, 2 * h, std::vector<float>(9, u[h])) +
             message(34, 2 * h, std::vector<float>(9, v[h])) +
             message(200, 2 * h, std::vector<float>(9, h ? 10 : 350));
    const Resultat r = lancer("f.grb", f);
    ASSERT_EQ(r.etat, 0) << r.journal;
    ASSERT_EQ(p1s(r.champs), (std::vector<unsigned>{33000, 34000, 33001, 34001, 200000, 200001,
                                                    33002, 34002, 200002}));
    float direction, force;
    vUVDF(r.champs[2].valeurs[4], r.champs[3].valeurs[4], direction, force);
    EXPECT_NEAR(std::fmod(direction + 180, 360) - 180, 0, 0.5);
    EXPECT_NEAR(std::fmod(r.champs[5].valeurs[4] + 180, 360) - 180, 0, 0.5);
}

// The means against the way they were worked out, one point at a time,
// with fmod wherever a direction left 0 .. 360: the same bits, and the
// same ends unwrapped in place.
TEST(Interpolation, MeansAsOnePointAtATime)
{
    const auto reference = [](float* a, float* b, float* out, float wa, float wb, int n,
                              int angles) {
        for (int i = 0; i < n; ++i) {
            if (a[i] == A || b[i] == A) {
                out[i] = A;
                continue;
            }
            if (angles && std::fabs(a[i] - b[i]) > 180) {
                if (a[i] < 180)
                    a[i] += 360;
                else
                    b[i] += 360;
            }
            const float v = wa * a[i] + wb * b[i];
            out[i] = !angles || (v >= 0 && v < 360) ? v : std::fmod(v, 360.0f);
        }
    };
    const auto memes = [](const std::vector<float>& x, const std::vector<float>& y) {
        return x.size() == y.size() &&
               (x.empty() || std::memcmp(x.data(), y.data(), x.size() * sizeof(float)) == 0);
    };
    // Directions with absent points, and values that leave the circle far
    // (beyond 720, below 0, not a number) or land on 360 and 720.
    const float horsCercle[] = {800, -30, std::nanf(""), 720, 360, 1000, 539.5f};
    std::mt19937 alea(11);
    std::uniform_real_distribution<float> degres(0, 360);
    for (int n : {0, 1, 3, 8, 33, 1001})
        for (int angles : {0, 1})
            for (float wn : {1.0f / 3, 2.0f / 3, 0.5f}) {
                const size_t taille = size_t(n);
                std::vector<float> a(taille), b(taille);
                for (size_t i = 0; i < taille; ++i) {
                    a[i] = alea() % 11 == 0 ? A : degres(alea);
                    b[i] = alea() % 13 == 0 ? A : degres(alea);
                    if (alea() % 17 == 0)
                        b[i] = horsCercle[alea() % 7];
                }
                std::vector<float> a2 = a, b2 = b, out(taille), out2(taille);
                vGribInterpolation(a.data(), b.data(), out.data(), 1 - wn, wn, n, angles);
                reference(a2.data(), b2.data(), out2.data(), 1 - wn, wn, n, angles);
                EXPECT_TRUE(memes(out, out2)) << n << " " << angles << " " << wn;
                EXPECT_TRUE(memes(a, a2) && memes(b, b2)) << n << " " << angles << " " << wn;
            }
}

TEST(Interpolation, IntervalsLeftAsTheyAre)
{
    const std::vector<float> v(9, 1);
    const struct {
        std::string entree, journal;
        int etat;
        size_t messages;
    } cas[] = {
        {message(11, 0, v) + message(11, 1, v), "Pas d'interpolation : ", 0, 2},
        {message(11, 0, v, 10, 2) + message(11, 1, v, 10, 2), "autre unite que l'heure", 3, 2},
        {message(11, 0, v, 3) + message(11, 6, v, 3), "ERROR Pas d'interpolation : 6 3.0", 2, 0},
        {message(11, 0, v) + message(11, 12, v), "ERROR Pas d'interpolation : 12 10.0", 2, 0},
        {message(34, 0, v) + message(11, 0, v), "copie tel quel : composante V sans U", 3, 2},
        {message(33, 0, v) + message(11, 0, v), "composante U sans V", 3, 2},
    };
    for (const auto& c : cas) {
        const Resultat r = lancer("f.grb", c.entree);
        EXPECT_EQ(r.etat, c.etat) << r.journal;
        EXPECT_NE(r.journal.find(c.journal), std::string::npos) << r.journal;
        EXPECT_EQ(r.champs.size(), c.messages);
        EXPECT_EQ(r.lockdir.size(), c.etat == 2 ? 0u : 1u);
    }
}

// Totals from the run (indicator 4) between 0-6 h and 0-12 h: each hour
// between is a total from the run too, as eccodes reads the ranges.
TEST(Interpolation, TotalsKeepTheirStart)
{
    auto total = [](unsigned p2, float v) {
        std::string m = message(61, 0, std::vector<float>(9, v));
        m[8 + 19] = char(p2);  // P2
        m[8 + 20] = 4;         // time-range indicator: accumulation
        return m;
    };
    const Resultat r = lancer("f.grb", total(6, 3) + total(12, 9));
    ASSERT_EQ(r.etat, 0) << r.journal;
    ASSERT_EQ(r.champs.size(), 7u);
    for (unsigned k = 0; k < 7; ++k) {
        EXPECT_EQ(r.champs[k].p1, 0u) << k;
        EXPECT_EQ(r.champs[k].p2, 6 + k) << k;
        EXPECT_EQ(r.champs[k].indicateur, 4u) << k;
    }
    if (!eccodesPresent())
        GTEST_SKIP() << "eccodes absent";
    DossierTemporaire dossier;
    DossierCourant ici(dossier.chemin());
    std::filesystem::create_directory("lockdir");
    ecrireFichier("f.grb", total(6, 3) + total(12, 9));
    snprintf(GRIB_INTERPOLATION_ENTREE, sizeof GRIB_INTERPOLATION_ENTREE, "%s", "f.grb");
    GRIB_INTERPOLATION_START = 1;
    {
        JournalTemporaire journal("journal.txt");
        gintertime(nullptr);
    }
    EXPECT_EQ(sortie("grib_get -p stepRange lockdir/interf.grb"),
              "0-6\n0-7\n0-8\n0-9\n0-10\n0-11\n0-12\n");
}

// A second-order field whose groups are wider than its first-order values:
// re-encoded and interpolated at its own step (1), not at the first-order
// width of 2 bits.
TEST(Interpolation, SecondOrderKeepsItsPrecision)
{
    MessageGrib so{1, 3, 2, {}, 0,
                   s4SecondOrdre(2, {0, 1}, {16, 11}, {{40040, 18, 63}, {5, 900, 3}})};
    std::string a = so.octets(), b = a;
    b[8 + 18] = 9;  // P1 9 after 6
    const Resultat r = lancer("f.grb", a + b);
    ASSERT_EQ(r.etat, 0) << r.journal;
    ASSERT_EQ(r.champs.size(), 4u);
    for (const Champ& c : r.champs)
        EXPECT_EQ(c.valeurs, (std::vector<float>{40140, 118, 163, 106, 1001, 104})) << c.p1;
}

// Two constant fields of 36 million points each (84 octets, made by
// eccodes): the hours between are constant fields too, made without
// expanding a single point, as eccodes reads them.
TEST(Interpolation, ConstantFieldsStayConstant)
{
    if (!eccodesPresent())
        GTEST_SKIP() << "eccodes absent";
    DossierTemporaire dossier;
    DossierCourant ici(dossier.chemin());
    std::string fichier;
    for (auto [p1, v] : {std::pair{0, "5"}, {3, "11"}}) {
        std::string filtre = "set centre=85; set Ni=4; set Nj=2; set P1=" + std::to_string(p1) +
                             "; set latitudeOfFirstGridPointInDegrees=50;"
                             " set latitudeOfLastGridPointInDegrees=49;"
                             " set longitudeOfLastGridPointInDegrees=3;"
                             " set iDirectionIncrementInDegrees=1;"
                             " set jDirectionIncrementInDegrees=1; set values={";
        for (int k = 0; k < 8; ++k)
            filtre += std::string(k ? "," : "") + v;
        ecrireFichier("c.filter", filtre + "}; write;");
        ASSERT_TRUE(commande("grib_filter -o c.grb c.filter /usr/share/eccodes/samples/GRIB1.tmpl"));
        ASSERT_TRUE(commande("grib_set -s Ni=6000,Nj=6000,latitudeOfLastGridPointInDegrees=-10,"
                             "longitudeOfLastGridPointInDegrees=59.99,"
                             "iDirectionIncrementInDegrees=0.01,jDirectionIncrementInDegrees=0.01 "
                             "c.grb c6000.grb"));
        fichier += lireFichier("c6000.grb");
    }
    std::filesystem::create_directory("lockdir");
    ecrireFichier("f.grb", fichier);
    snprintf(GRIB_INTERPOLATION_ENTREE, sizeof GRIB_INTERPOLATION_ENTREE, "%s", "f.grb");
    GRIB_INTERPOLATION_START = 1;
    std::string journal;
    {
        JournalTemporaire j("journal.txt");
        gintertime(nullptr);
        journal = j.contenu();
    }
    ASSERT_EQ(GRIB_INTERPOLATION_START, 0) << journal;
    EXPECT_EQ(sortie("grib_get -p P1,referenceValue,bitsPerValue,numberOfPoints,totalLength "
                     "lockdir/interf.grb"),
              "0 5 0 36000000 84\n1 7 0 36000000 84\n2 9 0 36000000 84\n3 11 0 36000000 84\n");

    // gribtool repack writes them as they stand.
    ASSERT_TRUE(commande(std::string(GRIBTOOL) + " repack f.grb r.grb >/dev/null"));
    EXPECT_EQ(lireFichier("r.grb"), fichier);
}

TEST(Interpolation, RangesBeyondOneOctet)
{
    CLASS_GRIB_PUT e;
    e.ui_stg_p1 = 254;
    EXPECT_EQ(iGribSetEcheance(1, e), 0);
    EXPECT_EQ(e.ui_stg_p1, 255u);
    EXPECT_EQ(iGribSetEcheance(2, e), 0);
    EXPECT_EQ(std::vector<unsigned>({e.ui_stg_indicateur, e.ui_stg_p1, e.ui_stg_p2}),
              std::vector<unsigned>({10, 1, 1}));
    e.ui_stg_indicateur = 1;
    EXPECT_EQ(iGribSetEcheance(5, e), 0);
    EXPECT_EQ(std::vector<unsigned>({e.ui_stg_indicateur, e.ui_stg_p1, e.ui_stg_p2}),
              std::vector<unsigned>({10, 0, 5}));
}

// An hour of 122 or a month of 101 is no date: the encoder refuses the
// record instead of writing the next day at 22 h or January of the next
// year, and the worker copies the message as it stands.
TEST(Interpolation, DatesOutOfRangeAreCopiedAsTheyAre)
{
    const std::vector<float> v(9, 1);
    for (auto [octet, valeur] : {std::pair{15, 122}, {13, 101}, {14, 0}, {12, 200}}) {
        std::string m = message(11, 0, v);
        m[size_t(8 + octet)] = char(valeur);
        std::vector<unsigned char> octets(m.begin(), m.end());
        CLASS_GRIB_GET g;
        g.vMessage(octets.data(), unsigned(octets.size()));
        ASSERT_EQ(g.iGet(0), 0) << octet;
        CLASS_GRIB_PUT e;
        e.vCopie(g);
        EXPECT_EQ(e.cpucPut(), nullptr) << octet;

        const Resultat r = lancer("f.grb", m);
        EXPECT_EQ(r.etat, 3) << r.journal;
        EXPECT_NE(r.journal.find("copie tel quel"), std::string::npos) << octet;
        EXPECT_EQ(r.champs.size(), 1u);
    }
}

TEST(Interpolation, FailuresLeaveNothing)
{
    const std::vector<float> v(9, 1);
    std::string indecodable = message(11, 3, v);
    indecodable[indecodable.size() - 1] = '6';  // no "7777"
    // One point present, then its bit cleared: a field without any point.
    std::string vide = message(2, 3, {7, A, A, A, A, A, A, A, A});
    vide[8 + 28 + 32 + 6] = 0;
    const struct {
        std::string nom, entree, journal;
    } cas[] = {
        {"absent.grb", "", "Entree refusee absent.grb"},
        {"f.grb", message(11, 0, v) + indecodable + message(11, 6, v), "message indecodable"},
        {"f.grb", message(11, 0, v) + message(11, 3, v).substr(0, 60), "Entree tronquee"},
        {"f.grb", "GRIB, mais rien de plus: ce n'est pas un message", "Entree illisible"},
        {std::string(120, 'x'), message(11, 0, v), "nom incorrect"},
    };
    for (const auto& c : cas) {
        const Resultat r = lancer(c.nom, c.entree);
        EXPECT_EQ(r.etat, 2) << c.journal;
        EXPECT_NE(r.journal.find(c.journal), std::string::npos) << r.journal;
        EXPECT_TRUE(r.lockdir.empty());
    }
    // A field with no point at all cannot be encoded: it is copied as it is.
    const Resultat r = lancer("f.grb", message(2, 0, v) + vide + message(2, 6, v));
    ASSERT_EQ(r.etat, 3) << r.journal;
    EXPECT_EQ(p1s(r.champs), (std::vector<unsigned>{2000, 2003, 2006}));
}

TEST(Interpolation, CompressedInputGetsAGribName)
{
    DossierTemporaire d;
    ecrireFichier(d / "foo", message(11, 0, std::vector<float>(9, 1)));
    ASSERT_TRUE(commande("bzip2 " + sh(d / "foo")));
    const Resultat r = lancer("foo.BZ2", lireFichier(d / "foo.bz2"));
    EXPECT_EQ(r.etat, 0) << r.journal;
    EXPECT_EQ(r.lockdir, std::vector<std::string>{"interfoo.grb"});
}

namespace {

struct Cle {
    unsigned parametre, type, niveau;
    long validite;
    bool operator<(const Cle& o) const
    {
        return std::tie(parametre, type, niveau, validite) <
               std::tie(o.parametre, o.type, o.niveau, o.validite);
    }
};

struct Valeurs {
    std::vector<float> v;
    double pas;
};

// Every field of a file by (parameter, level, validity), with its step.
std::map<Cle, Valeurs> champsDatés(const std::string& chemin)
{
    std::map<Cle, Valeurs> m;
    // Read from a copy: the reader writes its index beside the file, and
    // other tests read the same fixture at the same time.
    DossierTemporaire dossier;
    ecrireFichier(dossier / "champs.grb", lireFichier(chemin));
    CLASS_CODES_IBFILE f((dossier / "champs.grb").c_str(), 0);
    for (int n = 1; n <= f.i_nombre; ++n) {
        CLASS_GRIB_GET g;
        const unsigned longueur = (unsigned)f.ulGet(n);
        g.vMessage(f.puc_message, longueur);
        EXPECT_EQ(g.iGet(0), 0) << chemin << n;
        m[{g.ui_stg_parametre, g.ui_stg_type_niveau, g.ui_stg_niveau12,
           (long)g.timetDateDeValidite(0)}] = {
            {g.pf_stg_valeurs, g.pf_stg_valeurs + g.ui_stg_nombre_points},
            std::ldexp(1.0, g.i_stg_e)};
    }
    return m;
}

// Ours against cdo's for parameters 2, 11 and 100: the same fields (but the
// hours of the 12-hour step, which are refused), the same missing points,
// values within the input's step plus the output's.
void comparerCdo(const std::map<Cle, Valeurs>& nous, const std::string& cdo,
                 const std::map<Cle, Valeurs>& entree)
{
    std::map<unsigned, double> pasEntree;
    for (const auto& [cle, v] : entree)
        pasEntree[cle.parametre] = std::max(pasEntree[cle.parametre], v.pas);
    const long debut = nous.begin()->first.validite;
    std::map<Cle, Valeurs> attendus;
    for (auto& [cle, v] : champsDatés(cdo))
        if ((cle.validite - debut) / 3600 <= 60 || (cle.validite - debut) / 3600 == 72)
            attendus[cle] = v;
    size_t compares = 0;
    for (const auto& [cle, v] : nous) {
        if (cle.parametre != 2 && cle.parametre != 11 && cle.parametre != 100)
            continue;
        ASSERT_EQ(attendus.count(cle), 1u) << cle.parametre << " " << cle.validite;
        const Valeurs& c = attendus[cle];
        for (size_t k = 0; k < v.v.size(); ++k) {
            ASSERT_EQ(v.v[k] == A, c.v[k] == A) << cle.parametre << " " << k;
            EXPECT_NEAR(v.v[k], c.v[k], pasEntree[cle.parametre] + v.pas) << cle.parametre;
        }
        ++compares;
    }
    EXPECT_EQ(compares, attendus.size());
}

}  // namespace

TEST(Interpolation, PinnedInputAgainstCdoAndEccodes)
{
    DossierTemporaire d;
    const Resultat r = lancer("entree.grb", lireFichier(DONNEES + "entree.grb"), d.chemin());
    ASSERT_EQ(r.etat, 0) << r.journal;
    EXPECT_NE(r.journal.find("ERROR Pas d'interpolation : 12 "), std::string::npos);
    const auto entree = champsDatés(DONNEES + "entree.grb");
    const std::string sortie = d / "lockdir/interentree.grb";
    const auto nous = champsDatés(sortie);
    ASSERT_EQ(nous.size(), 434u);
    for (const auto& [cle, v] : entree)
        EXPECT_EQ(nous.count(cle), 1u) << cle.parametre << " " << cle.validite;
    comparerCdo(nous, DONNEES + "cdo_inttime.grb", entree);
    if (commande("command -v cdo > /dev/null") &&
        commande("cdo -s inttime,2024-01-15,00:00:00,1hour -selcode,2,11,100 " +
                 sh(DONNEES + "entree.grb") + " " + sh(d / "cdo.grb")))
        comparerCdo(nous, d / "cdo.grb", entree);
    // The viewer's list of the output is eccodes' (validity and parameter).
    File f(sortie.c_str());
    std::string liste;
    for (const grib* g = f.list; g; g = g->suivant)
        liste += std::to_string(g->validite) + " " + std::to_string(g->parametre) + "\n";
    ASSERT_TRUE(commande("grib_get -p validityDate,validityTime,indicatorOfParameter " +
                         sh(sortie) + " | awk '{ printf \"%s%02d %s\\n\", $1, $2 / 100, $3 }'" +
                         " | sort -s -n -k1,1 -k2,2 > " + sh(d / "ls.txt")));
    EXPECT_TRUE(memesOctets(liste, lireFichier(d / "ls.txt")));
}

TEST(Interpolation, WorkerThreadPolledWhileTheCallerLogs)
{
    DossierTemporaire dossier;
    DossierCourant ici(dossier.chemin());
    std::filesystem::create_directory("lockdir");
    ecrireFichier("e.grb", lireFichier(DONNEES + "entree.grb"));
    JournalTemporaire journal("journal.txt");
    snprintf(GRIB_INTERPOLATION_ENTREE, sizeof GRIB_INTERPOLATION_ENTREE, "e.grb");
    GRIB_INTERPOLATION_START = 1;
    std::thread travailleur([] { gintertime(nullptr); });
    CLASS_CODES_LOGERR contexte("test");
    while (GRIB_INTERPOLATION_START == 1) {
        CLASS_CODES_LOGERR::iErr(0, "attente du travailleur");
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    travailleur.join();
    EXPECT_EQ(GRIB_INTERPOLATION_START, 0) << journal.contenu();
    EXPECT_TRUE(std::filesystem::exists(GRIB_INTERPOLATION_SORTIE));
}
