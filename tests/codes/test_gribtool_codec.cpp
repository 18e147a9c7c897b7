// gribtool index and decode against eccodes.
#include "codec_test.h"
#include "constructeur_grib.h"

#include <cmath>

namespace {

std::string gribtool(const std::string& arguments)
{
    return sortieBrute(std::string(GRIBTOOL) + " " + arguments);
}

}  // namespace

TEST(Gribtool, IndexListsEveryMessageInFileOrder)
{
    DossierTemporaire dossier;
    ecrireFichier(dossier / "m.bin", lireFichier(GRIB1 + "melange.bin"));
    auto attendu = positions(lireFichier(GRIB1 + "melange.grib_ls"));
    for (auto p : positions(lireFichier(GRIB1 + "melange.bufr_ls")))
        attendu.push_back(p);
    std::sort(attendu.begin(), attendu.end());
    EXPECT_EQ(positions(gribtool("index " + sh(dossier / "m.bin"))), attendu);
}

TEST(Gribtool, DecodePrintsLikeGribGetData)
{
    DossierTemporaire dossier;
    for (const char* f : {"codec.grb", "gauss.grb", "stereo.grb"}) {
        ecrireFichier(dossier / f, lireFichier(GRIB1 + f));
        const auto obtenu = rangees(gribtool("decode " + sh(dossier / f) + " 1"));
        const auto attendu = rangees(sortieBrute("grib_get_data -m missing -w count=1 " + sh(GRIB1 + f)));
        ASSERT_EQ(obtenu.size(), attendu.size()) << f;
        for (size_t k = 0; k < obtenu.size(); ++k) {
            EXPECT_NEAR(obtenu[k][0], attendu[k][0], 1e-3) << f << " " << k;
            EXPECT_NEAR(std::remainder(obtenu[k][1] - attendu[k][1], 360), 0, 1e-3) << f;
            EXPECT_EQ(std::isnan(obtenu[k][2]), std::isnan(attendu[k][2])) << f << " " << k;
        }
    }
    ecrireFichier(dossier / "s.grib1", lireFichier(GRIB1 + "spherical.grib1"));
    EXPECT_NE(sortieBrute(std::string(GRIBTOOL) + " decode " + sh(dossier / "s.grib1") +
                     " 1 2>&1 >/dev/null; echo status $?")
                  .find("Type de projection non traitee"),
              std::string::npos);
    EXPECT_FALSE(commande(std::string(GRIBTOOL) + " decode " + sh(dossier / "s.grib1") +
                          " 1 2>/dev/null >/dev/null"));
}

// A constant field, 0 bits a value, is its reference value at every point,
// whatever its decimal scale, as grib_get_data reads it.
TEST(Gribtool, AZeroBitFieldDecodesAsItsReferenceValue)
{
    DossierTemporaire dossier;
    for (const char* regle : {"set values = {0};", "set decimalScaleFactor = 1; set values = {2.5};",
                              "set decimalScaleFactor = 2; set values = {-1.25};"}) {
        const std::string f = dossier / "c.grb";
        ecrireFichier(dossier / "regles", std::string("if (count == 1) { ") + regle + " write; }");
        ASSERT_TRUE(commande("grib_filter -o " + sh(f) + " " + sh(dossier / "regles") + " " +
                             sh(GRIB1 + "codec.grb")));
        EXPECT_EQ(sortieBrute("grib_get -p bitsPerValue " + sh(f)), "0\n") << regle;
        const auto obtenu = rangees(gribtool("decode " + sh(f) + " 1"));
        const auto attendu = rangees(sortieBrute("grib_get_data -m missing " + sh(f)));
        ASSERT_EQ(obtenu.size(), attendu.size()) << regle;
        for (size_t k = 0; k < obtenu.size(); ++k)
            ASSERT_EQ(obtenu[k][2], attendu[k][2]) << regle << " " << k;
    }
}

// A bit-mapped second-order message whose grid has no point: refused, with
// nothing printed from beyond what was decoded.
TEST(Gribtool, DecodeRefusesAGridWithoutPoints)
{
    DossierTemporaire dossier;
    MessageGrib vide{1, 0, 2, {1, 0, 1, 1, 1, 0}, 0,
                     s4SecondOrdre(8, {10, 20}, {3, 2}, {{0, 7}, {1, 0}})};
    ecrireFichier(dossier / "vide.grb", vide.octets());
    const std::string commandeDecode = std::string(GRIBTOOL) + " decode " + sh(dossier / "vide.grb");
    EXPECT_EQ(sortieBrute(commandeDecode + " 1 2>/dev/null; echo status $?"), "status 3\n");
    EXPECT_NE(sortieBrute(commandeDecode + " 1 2>&1 >/dev/null").find("gribtool: message 1 refused"),
              std::string::npos);
}

// Values stored column by column (scanning bit 0x20): point k of the
// column-major file is the point eccodes lists at row k % Nj, column
// k / Nj of the same grid stored row by row (eccodes 2.28 lists a polar
// stereographic grid's points row by row whatever that bit says).
TEST(Gribtool, DecodeFollowsTheScanningMode)
{
    DossierTemporaire dossier;
    for (const char* f : {"codec.grb", "stereo.grb"}) {
        const std::string j = dossier / (std::string("j_") + f);
        ASSERT_TRUE(commande("grib_set -w count=1 -s jPointsAreConsecutive=1 " + sh(GRIB1 + f) +
                             " " + sh(j)));
        const auto obtenu = rangees(gribtool("decode " + sh(j) + " 1"));
        const auto lignes = rangees(sortieBrute("grib_get_data -w count=1 -m missing " + sh(GRIB1 + f)));
        const auto taille = rangees(sortieBrute("grib_get -p Ni,Nj " + sh(j)));
        ASSERT_EQ(taille.size(), 1u);
        const size_t ni = size_t(taille[0][0]), nj = size_t(taille[0][1]);
        ASSERT_EQ(obtenu.size(), ni * nj) << f;
        ASSERT_EQ(lignes.size(), ni * nj) << f;
        int ecarts = 0;
        for (size_t k = 0; k < obtenu.size(); ++k) {
            const auto& attendu = lignes[(k % nj) * ni + k / nj];
            ecarts += std::fabs(obtenu[k][0] - attendu[0]) > 1e-3 ||
                      std::fabs(std::remainder(obtenu[k][1] - attendu[1], 360)) > 1e-3;
        }
        EXPECT_EQ(ecarts, 0) << f;
    }
}
