// The bands, isolines and labels of written and real fields, in every
// refinement mode, seen whole, closer, across 180 degrees and at both
// poles, against digests recorded from the code as it was when they were
// written: a changed pixel, grid value, bound, class count or label shows.
// A deliberate change of the pictures records them again (the failure
// prints each new digest).
#include "outils_isoplages.h"
#include "tests/map/trace_test.h"
#include "tests/outils/outils_test.h"

#include "gribdata/fichier_grib.h"

#include <array>
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

// FNV-1a over the bytes it is given.
class Empreinte {
public:
    void octets(const void* p, size_t n)
    {
        const auto* o = static_cast<const unsigned char*>(p);
        for (size_t i = 0; i < n; ++i)
            h_ = (h_ ^ o[i]) * 1099511628211ULL;
    }
    template <class T>
    void valeur(T v)
    {
        octets(&v, sizeof v);
    }
    template <class V>
    void tableau(const V& v)
    {
        valeur(v.size());
        octets(v.data(), v.size() * sizeof v[0]);
    }
    uint64_t valeur() const { return h_; }

private:
    uint64_t h_ = 14695981039346656037ULL;
};

// What `set` left: the refined grid, its size and steps.
uint64_t empreinteSet(const isoplages& o)
{
    Empreinte e;
    e.tableau(o.grille);
    for (int v : {o.colonnesGrille, o.lignesGrille, o.manquant, o.echelle})
        e.valeur(v);
    for (float v : {o.la1, o.la2, o.lo1, o.lo2, o.pasLatitudeTravail, o.pasLongitudeTravail})
        e.valeur(v);
    return e.valeur();
}

// What `calcul` and `labels` give, over views and the three longitude copies.
uint64_t empreinteCalculs(isoplages& o, const std::vector<VueCarte>& vues)
{
    Empreinte e;
    for (const VueCarte& vue : vues)
        for (double decalage : {-360.0, 0.0, 360.0}) {
            double n, s, w, est;
            o.vue = vue;
            o.calcul(n, s, w, est, decalage);
            for (double v : {n, s, w, est})
                e.valeur(v);
            for (int v : {o.colonnes, o.lignes, o.colonnesLabels, o.lignesLabels, o.nombreChaud,
                          o.nombreFroid, o.etendueChaude, o.etendueFroide, o.autoPas, o.autoReference})
                e.valeur(v);
            e.tableau(o.image);
            e.tableau(o.visible);
            TraceTest trace;
            o.trace = &trace;
            o.labels();
            o.trace = nullptr;
            for (const TraceTest::Texte& t : trace.textes) {
                e.octets(t.texte.data(), t.texte.size());
                for (int v : {t.x, t.y, t.taille, t.rvb[0], t.rvb[1], t.rvb[2]})
                    e.valeur(v);
            }
        }
    return e.valeur();
}

const std::vector<VueCarte>& vues()
{
    static const std::vector<VueCarte> v = {
        vueCentree(0, 0, 180),      vueCentree(45, -20, 10), vueCentree(50, 178, 8),
        vueCentree(84, 30, 14),     vueCentree(-84, -150, 14), vueCentree(10, 60, 60, 700, 500),
    };
    return v;
}

double bosses(double lat, double lon, double base, const std::vector<std::array<double, 4>>& b)
{
    double p = base;
    for (const auto& c : b) {
        const double dx = std::remainder(lon - c[1], 360.0), dy = lat - c[0];
        p += c[2] * std::exp(-(dx * dx + dy * dy) / (c[3] * c[3]));
    }
    return p;
}

// Round islands of absent points, as land in a sea field.
bool ile(double lat, double lon)
{
    for (const auto& c : {std::array{40.0, -30.0, 6.0}, {-20.0, 170.0, 9.0}, {60.0, 10.0, 4.0},
                          {0.0, -179.0, 5.0}, {88.0, 0.0, 3.0}, {-70.0, 50.0, 12.0}}) {
        const double dx = std::remainder(lon - c[1], 360.0), dy = lat - c[0];
        if (dx * dx + dy * dy < c[2] * c[2])
            return true;
    }
    return false;
}

double pression(double lat, double lon)
{
    return bosses(lat, lon, 101300,
                  {{55, -30, -3500, 14}, {40, 150, -2500, 12}, {-50, 60, -4000, 16}, {30, -40, 2500, 18},
                   {-30, 100, 2000, 20}, {10, 20, 1200, 25}, {75, 175, -1800, 10}});
}

double temperature(double lat, double lon)
{
    return 288 + 25 * std::cos(lat * M_PI / 90) + bosses(lat, lon, 0, {{20, 5, 8, 10}, {-10, -60, -6, 15}});
}

double vitesse(double lat, double lon)  // m/s
{
    return std::fabs(bosses(lat, lon, 6 + 5 * std::sin(lat * M_PI / 30),
                            {{45, -40, 25, 8}, {-45, 120, 30, 12}, {15, -60, 20, 5}}));
}

double vagues(double lat, double lon)
{
    return std::fabs(bosses(lat, lon, 1.5, {{50, -20, 10, 10}, {-50, 80, 12, 14}, {30, 160, 5, 6}}));
}

ChampEcrit champ(int parametre, double (*f)(double, double), bool iles, int pas = 1000,
                 int lignes = 0, int colonnes = 0)
{
    ChampEcrit c;
    c.parametre = parametre;
    c.di = c.dj = pas;
    c.ni = colonnes ? colonnes : 360000 / pas;
    c.nj = lignes ? lignes : 180000 / pas + 1;
    if (lignes)
        c.la1 = 60000, c.lo1 = -40000;
    c.valeur = [f, iles](double la, double lo) { return iles && ile(la, lo) ? NAN : f(la, lo); };
    return c;
}

// A decoded field: its speed array filled as the map fills it (knots)
// for the parameters whose bands read it.
struct Decode {
    std::string octets;
    Grib g;
    explicit Decode(std::string m) : octets(std::move(m))
    {
        EXPECT_EQ(g.set(reinterpret_cast<const unsigned char*>(octets.data()), unsigned(octets.size())), 0);
        const int n = g.ni * g.nj;
        if (g.valeurs && (g.parametre == 34 || g.parametre == 50 || g.parametre == 61)) {
            g.valeurs2 = new float[size_t(n)];
            for (int i = 0; i < n; ++i)
                g.valeurs2[i] = g.valeurs[i] == GRIB_ABSENT ? GRIB_ABSENT : g.valeurs[i] * 3600.0f / 1852.0f;
        }
    }
};

using Reglage = std::function<void(isoplages&)>;

struct Cas {
    std::string nom;
    int optimisation, modeSet;
    uint64_t set, calculs;
};

// Loads the field in each case's mode and compares both digests.
void verifier(const std::string& message, const Reglage& reglage, const std::vector<Cas>& cas)
{
    Decode d(message);
    for (const Cas& c : cas) {
        OPTIMISATION = c.optimisation;
        auto o = std::make_unique<isoplages>();
        o->set(&d.g, c.modeSet);
        o->opacite = 129, o->isolignesActives = 1;
        if (reglage)
            reglage(*o);
        const uint64_t set = empreinteSet(*o), calculs = empreinteCalculs(*o, vues());
        char t[128];
        std::snprintf(t, sizeof t, "{\"%s\", %d, %d, 0x%016" PRIx64 "ULL, 0x%016" PRIx64 "ULL},",
                      c.nom.c_str(), c.optimisation, c.modeSet, set, calculs);
        EXPECT_EQ(set, c.set) << t;
        EXPECT_EQ(calculs, c.calculs) << t;
    }
}

void isobares(isoplages& o)
{
    o.pressionPas = 50000, o.pressionReference = 10150000;
}

TEST(IsoplagesEmpreintes, PressionUnDegre)
{
    verifier(sMessageGrib(champ(2, pression, false)), isobares,
             {{"pression", 0, 0, 0x45e28129101355bfULL, 0x10dad4613356b48cULL},
              {"pression", 1, 0, 0x431c00c083e6f21aULL, 0x1049822b21a8c1fbULL},
              {"pression", 2, 0, 0x116a1aaf37ae8adcULL, 0xbb58d252aa7350cfULL}});
    verifier(sMessageGrib(champ(2, pression, true)),
             [](isoplages& o) { isobares(o), o.opacite = 20; },
             {{"pression iles", 0, 0, 0xe91c8beef8228eb9ULL, 0xbbda174bd75cafe2ULL},
              {"pression iles", 1, 0, 0x8c063fbbf83fa593ULL, 0x3790ebc77345b0a7ULL},
              {"pression iles", 2, 0, 0xcfcb3ef52788b544ULL, 0x741559a0a3ce3be8ULL}});
}

// The benchmarks' size: a quarter of a degree, 1440 x 721.
TEST(IsoplagesEmpreintes, PressionQuartDeDegre)
{
    verifier(sMessageGrib(champ(2, pression, true, 250)), isobares,
             {{"pression 0.25 iles", 0, 0, 0x05ddc1f5ac427302ULL, 0x507b804ab2b3c697ULL},
              {"pression 0.25 iles", 2, 0, 0xa6c19e9d9ec730ceULL, 0xa362564e40916c23ULL}});
    verifier(sMessageGrib(champ(2, pression, false, 250)), isobares,
             {{"pression 0.25", 2, 0, 0xbc3d8772a7ae9575ULL, 0xec8236c905ab0d83ULL}});
}

// 50 rows of half a degree: four doublings in mode 1, smoothed on the way.
TEST(IsoplagesEmpreintes, TemperatureRegionale)
{
    const Reglage reglage = [](isoplages& o) { o.temperaturePas = 10000, o.opacite = 31; };
    verifier(sMessageGrib(champ(11, temperature, false, 500, 50, 60)), reglage,
             {{"temperature", 1, 0, 0xa2087f9f4ff17789ULL, 0x8ef68e4e256f6489ULL},
              {"temperature", 2, 0, 0xbe5d04bc6ea1dc08ULL, 0x4c4699e3ad4e1aa2ULL}});
    verifier(sMessageGrib(champ(11, temperature, true, 500, 50, 60)), reglage,
             {{"temperature iles", 1, 0, 0x99394c68926f0911ULL, 0xfdda762d910d887bULL},
              {"temperature iles", 2, 0, 0x793758826ced4efaULL, 0x4784f126a15b8626ULL}});
}

TEST(IsoplagesEmpreintes, VentEtVagues)
{
    const std::string vent = sMessageGrib(champ(34, vitesse, false));
    verifier(vent, [](isoplages& o) { o.ventPas = ISOPLAGES_CLASSES; },
             {{"vent beaufort", 0, 0, 0xeb8ba64ad1e5eb59ULL, 0x700782fd7b0d89d5ULL},
              {"vent beaufort", 2, 0, 0x276259563168e1a7ULL, 0xf8f93dfe33a4b87dULL}});
    verifier(vent, nullptr, {{"vent", 1, 0, 0x0300491e33b065acULL, 0x4adc36c2096330f3ULL}});
    const std::string mer = sMessageGrib(champ(100, vagues, true, 500, 120, 200));
    verifier(mer, [](isoplages& o) { o.vaguePas = ISOPLAGES_CLASSES; },
             {{"vagues classes", 0, 0, 0xd1cba7dceecf38b3ULL, 0xc5e042fc9ab99e4bULL},
              {"vagues classes", 1, 0, 0xe93c2cc73e1b8839ULL, 0x311bdfb639ed7011ULL}});
    verifier(mer, [](isoplages& o) { o.opacite = 0; },
             {{"vagues", 2, 0, 0x0f4d719c20114625ULL, 0xe924b5dc21cc9b00ULL}});
    // Rain in both modes of `set`, and a field of the automatic scale.
    verifier(sMessageGrib(champ(61, vagues, false, 500, 120, 200)), nullptr,
             {{"pluie", 1, 0, 0x8ae9c9be4697ca72ULL, 0x7127f2c8fcd38a21ULL},
              {"pluie cumul", 1, 1, 0xfe8d0d0d1c7c2fe1ULL, 0x93faa45064c04ebeULL}});
    verifier(sMessageGrib(champ(99, temperature, true)), nullptr,
             {{"automatique", 2, 0, 0xcef23f07d4a18863ULL, 0xcebed3eaab5364f9ULL}});
}

// Real forecasts: ECMWF's 2 m temperature on its 2-degree grid, and the
// service's small fields of every kind, with and without bit maps.
TEST(IsoplagesEmpreintes, ChampsReels)
{
    const std::string t2m = lireFichier(fixtureGrib("ecmwf_t2m_85.grb"));
    verifier(t2m, nullptr, {{"t2m", 0, 0, 0xb8d88eb979a7fd37ULL, 0x408be5da63856f78ULL},
                            {"t2m", 1, 0, 0x80059527b6fdb0a1ULL, 0x6528955cca04e6a9ULL},
                            {"t2m", 2, 0, 0xebf50285c4485364ULL, 0x7042d68b76ee39e0ULL}});
    // Modes 1 and 2 of each message in the file's order: set, calculs.
    const uint64_t service[][4] = {
        {0xc74e7dcc5bab11a3ULL, 0x6e350e2b6c1f4556ULL, 0x5921fe88da4e9fc2ULL, 0x632a43ccc64b47feULL},
        {0xe99f01d3d203cdf1ULL, 0x6cb268f92f07cc27ULL, 0xd3e229132833c469ULL, 0x13ca941cc882f081ULL},
        {0x87f8bab82aa39158ULL, 0xa6dae5991ec7b1ddULL, 0x801ac7329f7ab67eULL, 0xedff9841a8631fa8ULL},
        {0x2754b1cd61a3525fULL, 0xa186fbb590a62ab2ULL, 0xc3bbed72d7a9f179ULL, 0x89d7022840039b76ULL},
        {0x5b5409b4fb820074ULL, 0x3996d45362dacc90ULL, 0x00dfa4913818bb21ULL, 0x188fa0533434b1bcULL},
        {0x1b23231f882e58d4ULL, 0x99e160937bf3567cULL, 0x38227858cf37a67cULL, 0x3a79b64e7e7b9374ULL},
        {0xdae032e6bd65e3a1ULL, 0x33f85392775da487ULL, 0xba760cefa0f65ccdULL, 0x38fb4f52e33e15f6ULL},
        {0x1967086d87325b3fULL, 0x9fc6026c1d6223beULL, 0xf793acef47b98a1cULL, 0x921bb94cf599c0ffULL},
        {0x09806ee42e4836fdULL, 0x45f7aa6cdbd4199cULL, 0x83a09369f4d636aeULL, 0xc97b652dacd2f121ULL},
        {0x80c080d690159181ULL, 0xd117fb3d696a0c2dULL, 0xe6f3f107be802acdULL, 0x57a102f9c7d05fa7ULL},
        {0x2355606c5e930db0ULL, 0x3f3b07d0fa22380aULL, 0x1f30c71155782a1eULL, 0xb1105f812c571673ULL},
        {0xd1d45a38afd99af8ULL, 0xaa39acbca2003a64ULL, 0x9ca6a4221122384bULL, 0xc08a60ed327ad47dULL},
        {0xe24d63774099ba17ULL, 0x589b67f862459b45ULL, 0x34e974f939f9617dULL, 0xd2ce18e4427cbd41ULL},
        {0x48139d59ec57da04ULL, 0x73286800d68f761bULL, 0xb0ee2a0ac1d42d81ULL, 0xf4c3e1bd38e3ad18ULL},
        {0x0790e40880dc121dULL, 0xe5c91c5eb52d5177ULL, 0xa0b60a6dfedd6eb9ULL, 0x81bf4097eb8013aeULL},
        {0x5ab1e2f3264e93e0ULL, 0x488469eb295ae9ecULL, 0x093cfb47347ea89eULL, 0x3161c0e7718de51eULL},
        {0xb975b5e370ed72a3ULL, 0xa95a5a848c9bcb76ULL, 0xbc3225725c295179ULL, 0xf7fd66f79fbf3fa4ULL},
        {0xe08026dfff87c73dULL, 0x2bbb117eb51426d8ULL, 0x51416b9e35aa38efULL, 0xb8d5dd6afc040d37ULL},
    };
    File f(fixtureGrib("service.grb").c_str());
    size_t numero = 0;
    for (const grib* g = f.list; g && numero < std::size(service); g = g->suivant, ++numero) {
        const std::string message(reinterpret_cast<const char*>(g->message), g->longueur);
        const std::string nom = "service " + std::to_string(numero);
        const uint64_t* e = service[numero];
        verifier(message, nullptr, {{nom, 1, 0, e[0], e[1]}, {nom, 2, 0, e[2], e[3]}});
    }
    EXPECT_EQ(numero, std::size(service));
}

}  // namespace
