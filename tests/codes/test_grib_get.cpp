// The decoder against eccodes' grib_get_data and grib_get on fixtures and
// real files, on built messages of the packings no tool writes, and its
// refusals.
#include "codec_test.h"
#include "constructeur_grib.h"
#include "journal_capture.h"

#include <cmath>

namespace {

std::string journalDe(const std::string& message, int bruts = 0)
{
    return sJournal([&] {
        CLASS_GRIB_GET g;
        EXPECT_NE(decoder(g, message, bruts), 0);
    });
}

// The first message of a file of GRIB edition 1 messages.
std::string premier(const std::string& octets)
{
    const auto u = [&](size_t k) { return size_t((unsigned char)octets[k]); };
    return octets.substr(0, u(4) << 16 | u(5) << 8 | u(6));
}

MessageGrib simple(std::vector<unsigned> codes = {1, 2, 3, 4, 5, 6})
{
    MessageGrib m;
    m.section4 = s4Simple(0, 0, 8, codes);
    return m;
}

}  // namespace

TEST(Decodeur, MatchesGribGetDataOnFixtures)
{
    for (const char* f : {"codec.grb", "gauss.grb", "stereo.grb"}) {
        const std::string donnees = lireFichier(GRIB1 + f + ".data");
        EXPECT_EQ(sortieBrute("grib_get_data -m missing " + sh(GRIB1 + f)), donnees) << f;
        comparerDonnees(GRIB1 + f, donnees);
    }
}

TEST(Decodeur, MatchesGribGetDataOnRealFiles)
{
    for (const char* f : {"joachim_uv.grib", "data_uv.grib", "t_n48.grib", "cmc_stereo.grib",
                          "ecoclimap_debut.grib1"})
        comparerDonnees(GRIB1 + f, sortieBrute("grib_get_data -m missing " + sh(GRIB1 + f)));
}

TEST(Decodeur, ExchangeRecordAgainstGribGet)
{
    const struct {
        const char* fichier;
        const char* cles;
        std::vector<double> (*record)(const CLASS_GRIB_GET&);
    } cas[] = {
        {"codec.grb", "centre:i,indicatorOfParameter,year,month,day,hour,Ni,Nj,"
                      "latitudeOfFirstGridPointInDegrees,longitudeOfFirstGridPointInDegrees,"
                      "latitudeOfLastGridPointInDegrees,longitudeOfLastGridPointInDegrees,"
                      "iDirectionIncrementInDegrees,bitsPerValue,referenceValue",
         [](const CLASS_GRIB_GET& g) -> std::vector<double> {
             return {double(g.ui_stg_centre), double(g.ui_stg_parametre),
                     g.ui_stg_siecle * 100.0 - 100 + g.ui_stg_annee, double(g.ui_stg_mois),
                     double(g.ui_stg_jour), double(g.ui_stg_heure), double(g.ui_stg_ll_ni),
                     double(g.ui_stg_ll_nj), g.f_stg_ll_la1, g.f_stg_ll_lo1, g.f_stg_ll_la2,
                     g.f_stg_ll_lo2, g.f_stg_ll_di, double(g.ui_stg_bits_par_valeur),
                     g.d_stg_reference};
         }},
        {"t_n48.grib", "N,Nj,numberOfPoints,latitudeOfFirstGridPointInDegrees",
         [](const CLASS_GRIB_GET& g) -> std::vector<double> {
             return {double(g.ui_stg_ga_n), double(g.ui_stg_ga_nj),
                     double(g.ui_stg_nombre_points), g.f_stg_ga_la1};
         }},
        {"cmc_stereo.grib", "Nx,Ny,DxInMetres,latitudeOfFirstGridPointInDegrees,"
                            "orientationOfTheGridInDegrees",
         [](const CLASS_GRIB_GET& g) -> std::vector<double> {
             return {double(g.ui_stg_sp_nx), double(g.ui_stg_sp_ny), g.f_stg_sp_dx,
                     g.f_stg_sp_la1, g.f_stg_sp_lov};
         }},
    };
    for (const auto& c : cas) {
        const auto attendu =
            rangees(sortieBrute(std::string("grib_get -w count=1 -p ") + c.cles + " " +
                           sh(GRIB1 + c.fichier)));
        ASSERT_EQ(attendu.size(), 1u) << c.fichier;
        DossierTemporaire dossier;
        ecrireFichier(dossier / "f.grb", lireFichier(GRIB1 + c.fichier));
        CLASS_CODES_IBFILE f((dossier / "f.grb").c_str(), 0);
        CLASS_GRIB_GET g;
        ASSERT_EQ(decoder(f, g, 1), 0) << c.fichier;
        const auto obtenu = c.record(g);
        ASSERT_EQ(obtenu.size(), attendu[0].size());
        for (size_t k = 0; k < obtenu.size(); ++k)
            EXPECT_NEAR(obtenu[k], attendu[0][k], 1e-4 * (1 + std::fabs(attendu[0][k])))
                << c.fichier << " key " << k;
    }
}

TEST(Decodeur, RefusesWhatItDoesNotDecode)
{
    MessageGrib mercator = simple();
    std::string m = mercator.octets();
    const size_t s2 = 8 + 28;
    m[s2 + 5] = 1;
    MessageGrib carte = simple({1, 2, 3});
    carte.carte = {1, 0, 1, 0, 1, 0};
    std::string table = carte.octets();
    table[s2 + 32 + 4] = char(0xFF);  // bit map by table reference 65535
    table[s2 + 32 + 5] = char(0xFF);
    std::string harmoniques = simple().octets();
    harmoniques[s2 + 32 + 3] = char(0x80);
    DossierTemporaire dossier;
    ASSERT_TRUE(commande("grib_set -r -s packingType=grid_second_order " + sh(GRIB1 + "codec.grb") +
                         " " + sh(dossier / "so.grb")));
    const struct {
        std::string message;
        const char* texte;
    } cas[] = {
        {lireFichier(GRIB1 + "spherical.grib1"), "Type de projection non traitee:50"},
        {m, "Type de projection non traitee:1"},
        {table, "traitement table externe non implemente !"},
        {harmoniques, "Section 4 non traitee"},
        {premier(lireFichier(dossier / "so.grb")), "type de compression non implementee"},
        {MessageGrib{1, 3, 2, {}, 0, s4SecondOrdre(8, {1, 2}, {1, 1}, {{1, 1, 1}, {1, 1, 1}},
                                                   0x18)}.octets(),
         "type de compression non implementee"},
    };
    for (const auto& c : cas)
        EXPECT_NE(journalDe(c.message).find(c.texte), std::string::npos) << c.texte;
}

// Packings no tool writes, with their exact values.
TEST(Decodeur, BuiltPackings)
{
    const double A = NAN;
    MessageGrib so{1, 3, 2, {}, 0, s4SecondOrdre(8, {10, 20}, {3, 2}, {{0, 5, 7}, {1, 0, 3}})};
    MessageGrib soCarte = so;
    soCarte.carte = {1, 0, 1, 1, 1, 0};
    soCarte.section4 = s4SecondOrdre(8, {10, 20}, {3, 2}, {{0, 7}, {1, 0}});
    MessageGrib e0 = simple();
    e0.edition = 0;
    e0.carte = {1, 0, 1, 1, 1, 1};
    MessageGrib constant{1, 3, 2, {}, 1, s4Simple(0, 5, 0, {})};
    const struct {
        MessageGrib m;
        std::vector<double> attendu;
    } cas[] = {
        {so, {110, 115, 117, 121, 120, 123}},
        {soCarte, {110, A, 117, 121, 120, A}},
        {e0, {1, A, 3, 4, 5, 6}},
        {constant, {5, 5, 5, 5, 5, 5}},
    };
    DossierTemporaire dossier;
    int luParEccodes = 0;
    for (const auto& c : cas) {
        CLASS_GRIB_GET g;
        ASSERT_EQ(decoder(g, c.m.octets()), 0);
        // Where eccodes reads the message, it agrees too (a constant field
        // is its reference value, the decimal scale left aside).
        ecrireFichier(dossier / "m.grb", c.m.octets());
        const auto e = c.m.d ? decltype(rangees("")){}
                             : rangees(sortieBrute("grib_get_data -m missing " +
                                              sh(dossier / "m.grb") + " 2>/dev/null"));
        luParEccodes += e.size() == c.attendu.size();
        for (size_t k = 0; k < c.attendu.size(); ++k)
            for (double attendu : {c.attendu[k], e.size() == c.attendu.size() ? e[k][2] : c.attendu[k]})
                if (std::isnan(attendu))
                    EXPECT_TRUE(std::isnan(valeur(g, k))) << k;
                else
                    EXPECT_EQ(valeur(g, k), attendu) << k;
    }
    EXPECT_GE(luParEccodes, 1);
    // Raw codes, and the all-ones code as absent when asked.
    CLASS_GRIB_GET g;
    ASSERT_EQ(decoder(g, simple({1, 255, 3, 4, 5, 6}).octets(), 1), 0);
    EXPECT_EQ(g.pui_stg_codes[1], 255u);
    g.ui_code_absent = 1;
    ASSERT_EQ(decoder(g, simple({1, 255, 3, 4, 5, 6}).octets()), 0);
    EXPECT_TRUE(std::isnan(valeur(g, 1)));
}

TEST(Decodeur, MatricesWithSecondaryBitMaps)
{
    MessageGrib m{1, 2, 1, {1, 0}, 0, s4Matrice(2, 3, 1, {1, 1, 0, 1, 1, 1}, {1, 2, 3, 4, 5})};
    CLASS_GRIB_GET g;
    ASSERT_EQ(decoder(g, m.octets()), 0);
    ASSERT_NE(g.ppf_stg_matrices, nullptr);
    EXPECT_EQ(g.ppf_stg_matrices[1], nullptr);
    const float a = CLASS_GRIB_BASE::f_valeur_absente;
    EXPECT_EQ(std::vector<float>(g.ppf_stg_matrices[0], g.ppf_stg_matrices[0] + 6),
              (std::vector<float>{1, 2, a, 3, 4, 5}));
    EXPECT_EQ(std::vector<float>(g.pf_stg_lignes, g.pf_stg_lignes + 2),
              (std::vector<float>{10, 15}));
    EXPECT_EQ(std::vector<float>(g.pf_stg_colonnes, g.pf_stg_colonnes + 3),
              (std::vector<float>{2, 6, 18}));
}

// Second-order rows of width 0 cost no bit: a small message may claim any
// grid. Up to the bound every point gets its row's first value; beyond it
// the message is refused before anything is allocated, and a grid of no
// point at all is refused too.
TEST(Decodeur, SecondOrderRowsOfWidthZeroAreBounded)
{
    const auto message = [](unsigned ni, unsigned nj, std::vector<int> carte = {}) {
        std::vector<unsigned> premiers(nj);
        for (unsigned g = 0; g < nj; ++g)
            premiers[g] = g % 200;
        MessageGrib m{1, ni, nj, std::move(carte), 0,
                      s4SecondOrdre(8, premiers, std::vector<unsigned>(nj, 0),
                                    std::vector<std::vector<unsigned>>(nj))};
        return m.octets();
    };
    CLASS_GRIB_GET petit;
    ASSERT_EQ(decoder(petit, message(1000, 20)), 0);
    EXPECT_EQ(petit.ui_s4_valeurs_decodees, 20000u);
    EXPECT_EQ(petit.pf_stg_valeurs[0], 100.0f);
    EXPECT_EQ(petit.pf_stg_valeurs[19999], 119.0f);

    const std::string grand = message(65534, 3000);
    EXPECT_LT(grand.size(), 10000u);
    const std::string log = journalDe(grand);
    EXPECT_NE(log.find("grille trop grande:196602000 points"), std::string::npos) << log;
    EXPECT_NE(journalDe(message(0, 2, {1, 0, 1, 1, 1, 0})).find("grille sans point"),
              std::string::npos);
}
