// The encoder: fixtures of every kind it writes decoded, encoded and decoded
// again, read back by eccodes; its choices and its refusals.
#include "codec_test.h"
#include "codes/grib_put.h"
#include "constructeur_grib.h"
#include "journal_capture.h"

#include <cmath>

namespace {

std::string encoder(CLASS_GRIB_PUT& e)
{
    const unsigned char* m = e.cpucPut();
    return m ? std::string((const char*)m, e.ui_longueur_message) : std::string();
}

std::string reencoder(const CLASS_GRIB_GET& g)
{
    CLASS_GRIB_PUT e;
    e.vCopie(g);
    return encoder(e);
}

// g2, decoded from what the encoder made of g1: the same grid and bits, the
// values within half the output's step.
void comparer(CLASS_GRIB_GET& g1, CLASS_GRIB_GET& g2, const std::string& ou)
{
    ASSERT_EQ(g2.ui_stg_bits_par_valeur, g1.ui_stg_bits_par_valeur) << ou;
    ASSERT_EQ(g2.ui_nombre_points, g1.ui_nombre_points) << ou;
    // Section 2 from the representation type to the scanning mode.
    const std::string s1((const char*)g1.puc_debut + g1.ui_s2_position / 8 + 5, 23);
    EXPECT_EQ(std::string((const char*)g2.puc_debut + g2.ui_s2_position / 8 + 5, 23), s1) << ou;
    const double demiPas = std::ldexp(1.0, g2.i_stg_e) / 2;
    const size_t n = g1.ppf_stg_matrices ? g1.ui_stg_nr * g1.ui_stg_nc : 1;
    for (size_t k = 0; k < g1.ui_nombre_points * n; ++k) {
        float* const* m1 = g1.ppf_stg_matrices;
        const float a = m1 ? (m1[k / n] ? m1[k / n][k % n] : NAN) : g1.pf_stg_valeurs[k];
        const float b = m1 ? (g2.ppf_stg_matrices[k / n] ? g2.ppf_stg_matrices[k / n][k % n] : NAN)
                           : g2.pf_stg_valeurs[k];
        if (std::isnan(a) || a == CLASS_GRIB_BASE::f_valeur_absente)
            ASSERT_TRUE(std::isnan(b) == std::isnan(a) && (std::isnan(a) || a == b)) << ou << k;
        else
            ASSERT_NEAR(b, a, demiPas * (1 + 1e-6) + 1e-6 * std::fabs(a)) << ou << " " << k;
    }
}

// Decode, encode, decode; a second encoding gives the same octets.
std::string allerRetour(CLASS_GRIB_GET& g1, const std::string& ou)
{
    const std::string m1 = reencoder(g1);
    // Its own copy: g1 may lie in decoder()'s buffer.
    std::vector<unsigned char> copie(m1.begin(), m1.end());
    CLASS_GRIB_GET g2;
    g2.vMessage(copie.data(), (unsigned)copie.size());
    EXPECT_EQ(g2.iGet(0), 0) << ou;
    comparer(g1, g2, ou);
    EXPECT_TRUE(memesOctets(reencoder(g2), m1)) << ou;
    return m1;
}

const std::vector<std::string> FIXTURES = {
    "cas.grb", "codec.grb", "gauss.grb", "gauss_regulier.grb", "t_n48.grib", "stereo.grb",
    "cmc_stereo.grib", "data_uv.grib", "service.grb", "../interpolation/entree.grb"};

}  // namespace

TEST(Encodeur, RoundTripOfFixturesReadByEccodes)
{
    DossierTemporaire dossier;
    for (const std::string& f : FIXTURES) {
        // Read from a copy: the reader writes its index beside the file, and
        // other tests read the same fixture at the same time.
        const std::string copie = dossier / "fixture.grb";
        ecrireFichier(copie, lireFichier(GRIB1 + f));
        CLASS_CODES_IBFILE lecteur(copie.c_str(), 0);
        ASSERT_GT(lecteur.i_nombre, 0) << f;
        std::string sortie;
        for (int n = 1; n <= lecteur.i_nombre; ++n) {
            CLASS_GRIB_GET g;
            ASSERT_EQ(decoder(lecteur, g, n), 0) << f << n;
            sortie += allerRetour(g, f + " " + std::to_string(n));
        }
        const std::string ecrit = dossier / "ecrit.grb";
        ecrireFichier(ecrit, sortie);
        comparerDonnees(ecrit, sortieBrute("grib_get_data -m missing " + sh(ecrit)));
        const std::string cles = "grib_get -p gridDefinition,decimalScaleFactor ";
        for (const auto& r : rangees(sortieBrute(cles + sh(ecrit))))
            ASSERT_EQ(r, (std::vector<double>{255, 0})) << f;
    }
}

TEST(Encodeur, RoundTripOfMatricesAndEdition0)
{
    const std::vector<MessageGrib> messages = {
        {1, 2, 1, {1, 0}, 0, s4Matrice(2, 3, 1, {1, 1, 0, 1, 1, 1}, {1, 2, 3, 4, 5})},
        {1, 2, 2, {}, 0, s4Matrice(1, 2, 4, {}, {1, 2, 3, 4, 5, 6, 7, 8})},
        {0, 3, 2, {1, 0, 1, 1, 1, 0}, 0, s4Simple(0, 10, 8, {1, 9, 2, 3, 4, 9})}};
    for (const MessageGrib& m : messages) {
        CLASS_GRIB_GET g;
        ASSERT_EQ(decoder(g, m.octets()), 0);
        allerRetour(g, "edition " + std::to_string(m.edition));
    }
}

namespace {

// A 3 x 2 field of 1-degree steps on 15 January 2024.
void remplir(CLASS_GRIB_PUT& e, std::vector<float>& v, unsigned bits)
{
    e.ui_stg_parametre = 11;
    e.ui_stg_annee = 24, e.ui_stg_mois = 1, e.ui_stg_jour = 15, e.ui_stg_siecle = 21;
    e.ui_stg_ll_ni = 3, e.ui_stg_ll_nj = 2;
    e.f_stg_ll_la1 = 50, e.f_stg_ll_lo1 = 0, e.f_stg_ll_la2 = 49, e.f_stg_ll_lo2 = 2;
    e.f_stg_ll_di = e.f_stg_ll_dj = 1;
    e.ui_stg_nombre_points = 6, e.ui_stg_bits_par_valeur = bits;
    e.pf_stg_valeurs = v.data();
}

const float A = CLASS_GRIB_BASE::f_valeur_absente;

}  // namespace

TEST(Encodeur, BitMapOnlyForAbsentPointsPaddedTo16Bits)
{
    std::vector<float> v = {1, 2, 3, 4, 5, 6};
    CLASS_GRIB_PUT e;
    remplir(e, v, 8);
    std::string m = encoder(e);
    EXPECT_EQ(m[15] & 0x40, 0);  // section 1 octet 8: no section 3
    v[4] = A;
    m = encoder(e);
    ASSERT_EQ(m[15] & 0x40, 0x40);
    const size_t s3 = 8 + 28 + 32;
    EXPECT_EQ(std::string(m, s3, 4), std::string({0, 0, 8, 10}));  // 6 + 48 bits padded to 64
    CLASS_GRIB_GET g;
    ASSERT_EQ(decoder(g, m), 0);
    EXPECT_TRUE(std::isnan(valeur(g, 4)) && valeur(g, 5) == 6);
}

// Absent points always go to a bit map: a constant field's come back
// absent, and the largest value, whose code is all ones, comes back
// present even to a decoder that reads all ones as absent.
TEST(Encodeur, AbsentPointsAlwaysInTheBitMap)
{
    std::vector<float> constant = {5, A, 5, 5, A, 5};
    std::vector<float> plein = {0, A, 15, 7, 15, 3};
    for (auto* v : {&constant, &plein}) {
        CLASS_GRIB_PUT e;
        remplir(e, *v, v == &constant ? 0 : 4);
        const std::string m = encoder(e);
        ASSERT_FALSE(m.empty());
        EXPECT_EQ(m[15] & 0x40, 0x40);
        CLASS_GRIB_GET g;
        g.ui_code_absent = 1;
        ASSERT_EQ(decoder(g, m), 0);
        for (size_t k = 0; k < v->size(); ++k) {
            if ((*v)[k] == A)
                EXPECT_TRUE(std::isnan(valeur(g, k))) << k;
            else
                EXPECT_NEAR(valeur(g, k), (*v)[k], 0.5) << k;
        }
    }
}

TEST(Encodeur, CodesStayWithinTheirWidth)
{
    // x = 31.9375 / 511 gives E = -3: the maximum's code rounds to 256.
    std::vector<float> v = {0, 31.9375f, 7, 8, 9, 10};
    CLASS_GRIB_PUT e;
    remplir(e, v, 8);
    CLASS_GRIB_GET g;
    ASSERT_EQ(decoder(g, encoder(e)), 0);
    EXPECT_NEAR(valeur(g, 1), 31.9375, 0.0625);
    unsigned char octet;
    unsigned long mantisse;
    CLASS_GRIB_PUT::vExposantMantisse(1.0f, octet, mantisse);
    EXPECT_EQ(octet << 24 | mantisse, 0x41100000ul);
}

TEST(Encodeur, ChecksOfTheRecord)
{
    using E = CLASS_GRIB_PUT;
    using V = std::vector<float>;
    const struct {
        const char* message;  // empty: accepted
        void (*changer)(E&, V&);
    } cas[] = {
        {"mois incorrecte", [](E& e, V&) { e.ui_stg_mois = 0; }},
        {"jour incorrect", [](E& e, V&) { e.ui_stg_jour = 32; }},
        {"heure incorrecte", [](E& e, V&) { e.ui_stg_heure = 24; }},
        {"champ de bits incorrect", [](E& e, V&) { e.ui_stg_bits_par_valeur = 25; }},
        {"parametre incorrect", [](E& e, V&) { e.ui_stg_parametre = 255; }},
        {"lon1 incorrecte", [](E& e, V&) { e.f_stg_ll_lo1 = 361; }},
        {"", [](E& e, V&) { e.f_stg_ll_la1 = 90, e.f_stg_ll_lo1 = 360; }},
        {"projection non traitee", [](E& e, V&) { e.ui_stg_type = 10; }},
        {"champ de bits incorrect", [](E& e, V&) { e.ui_stg_bits_par_valeur = 0; }},
        {"", [](E& e, V& v) {
             e.ui_stg_bits_par_valeur = 0;
             v = {A, 4, 4, 4, A, 4};
             e.pf_stg_valeurs = v.data();
         }},
        {"Pas de points sur mer", [](E&, V& v) { v.assign(6, A); }},
    };
    for (const auto& c : cas) {
        std::vector<float> v = {1, 2, 3, 4, 5, 6};
        CLASS_GRIB_PUT e;
        remplir(e, v, 8);
        c.changer(e, v);
        std::string m;
        const std::string journal = sJournal([&] { m = encoder(e); });
        EXPECT_EQ(m.empty(), *c.message != 0) << c.message << journal;
        EXPECT_NE(journal.find(c.message), std::string::npos) << c.message;
        CLASS_GRIB_GET g;
        EXPECT_TRUE(m.empty() || decoder(g, m) == 0) << journal;
    }
}
