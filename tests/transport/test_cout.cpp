// Volume and cost against the files eccodes writes for the same requests:
// one GRIB edition 1 message per component and time, 8 bits per value,
// from a centre-85 sample (section 1 of 28 octets), with a bit map for the
// points a land mask leaves out.
#include "tests/transport/requete_test.h"

#include "tests/transport/composer_test.h"

#include "map/masque.h"
#include "map/masques.h"
#include "ui/horloge.h"

#include <cmath>
#include <cstdlib>

namespace {

// The size of `messages` messages of `points` values whose first `terre`
// are missing (land), as eccodes writes them.
long long octetsEccodes(long long points, int messages, long long terre = 0)
{
    std::string r = "set centre=85;set Ni=" + std::to_string(points) + ";set Nj=1;set bitsPerValue=8;";
    if (terre)
        r += "set bitmapPresent=1;set missingValue=9999;";
    r += "set values={";
    for (long long i = 0; i < points; ++i)
        r += (i ? "," : "") + std::to_string(i < terre ? 9999 : i % 50);
    r += "};";
    for (int m = 0; m < messages; ++m)
        r += "write;";
    ecrireFichier("r.filter", r);
    EXPECT_TRUE(commande("grib_filter -o o.grb r.filter /usr/share/eccodes/samples/GRIB1.tmpl"));
    return (long long)std::filesystem::file_size("o.grb");
}

class Cout : public RequeteTest {
protected:
    // Model 43 at `maille`, one parameter, forecast times; below 0.5
    // degree, finer than model 43 goes, model 1.
    void composer(double n, double s, double w, double e, const char* maille,
                  const std::vector<const char*>& params, const std::vector<std::string>& temps)
    {
        vComposerGrib(grib, n, s, w, e, maille, params, temps, std::atof(maille) < 0.5 ? 1 : 43);
    }
    long long octets()
    {
        const long long points = (long long)(std::rint((grib.nord - grib.sud) / grib.maille) + 1) *
                                 (long long)(std::rint((grib.est - grib.ouest) / grib.maille) + 1);
        long long o = 0;
        double prix = 0;
        grib.vTerre(points, o, prix);
        return o;
    }
    std::string recap() const
    {
        return recapGrib.volume + " " + recapGrib.cout + " " + std::to_string(recapGrib.envoi);
    }
};

}  // namespace

TEST_F(Cout, TheVolumeIsTheSizeOfTheFileTheServiceSends)
{
    if (!eccodesPresent())
        GTEST_SKIP() << "eccodes absent";
    struct {
        double n, s, w, e;
        const char* maille;
        std::vector<const char*> params;
        std::vector<std::string> temps;
        long long points;
        int messages;
    } cas[] = {
        {10, 0, 0, 10, "0.5", {"Pmer"}, {"6"}, 441, 1},
        {10, 0, 0, 9.5, "0.5", {"Mer totale", "Pluie"}, {"6", "12"}, 420, 8},
        {3, -2, 5, 7.5, "0.25", {"Vent", "Houle", "Tprof"}, {"24"}, 231, 6},
        {1, 0, 0, 1, "1", {"Courant"}, {"6", "12", "18"}, 4, 6},
    };
    for (const auto& c : cas) {
        composer(c.n, c.s, c.w, c.e, c.maille, c.params, c.temps);
        grib.vSetTerreMer("0");
        EXPECT_EQ(octets(), octetsEccodes(c.points, c.messages)) << c.points;
    }
}

TEST_F(Cout, WorkedFigures)
{
    composer(10, 0, 0, 10, "0.5", {"Pmer"}, {"6"});
    grib.vSetTerreMer("0");
    EXPECT_EQ(recap(), "0.524 0.21 1");
    grib.vSetParametre("Vent");
    grib.vUnsetParametre("pmer");
    grib.vEcrire(0);
    EXPECT_EQ(recap(), "1.048 0.42 1");
    grib.vSetZone("zone 0.5 0 0 0.5");
    EXPECT_EQ(recap(), "0.176 0.01 1");  // 4 points: below one cent
    grib.modele = 10;
    grib.vEcrire(0);
    EXPECT_EQ(recapGrib.cout, "0");
    grib.vSetAbonnement(1);
    EXPECT_EQ(recapGrib.cout + " " + std::to_string(recapGrib.envoi), "Fixe 1");
    grib.vInitialisation();
    composer(10, 0, 0, 10, "0.5", {"Pmer"}, {});
    EXPECT_EQ(recap(), "0.000 Interdit 0");  // nothing asked
    composer(0, 10, 10, 0, "0.5", {"Pmer"}, {"6"});
    EXPECT_EQ(recap(), "0.000 Interdit 0");  // a zone upside down
}

// The world at 0.125 with 14 components and 37 times: 2.15 GB, more than
// an int counts; refused, its cost text whole.
TEST_F(Cout, TheWholeWorldIsRefused)
{
    composer(90, -90, -180, 180, "0.125", {"Vent", "Courant", "Mer totale", "Mer du vent", "Houle", "Pluie"},
             heuresTrihoraires(37));
    grib.vSetTerreMer("0");
    EXPECT_EQ(recap(), "2150530.872 Interdit 0");
    EXPECT_EQ(grib.texteCout, "1032234.18");
}

// A land mask of model 43 over 0..20 N, 0..10 E at 0.5 degree, land north
// of `terre` degrees; the fixed and the moving zone against eccodes.
TEST_F(Cout, LandPointsAreLeftOutWithABitMap)
{
    if (!eccodesPresent())
        GTEST_SKIP() << "eccodes absent";
    auto masque = [](double terre) {
        Bit b(0, nullptr);
        for (uint32_t v : {110000u, 180000u, 500u, 500u, 0u, 21u, 41u})
            b.write(v, 32);
        for (int r = 0; r < 41; ++r)
            for (int c = 0; c < 21; ++c)
                b.write(20 - 0.5 * r > terre, 1);
        ecrireFichier("img/43.msk", std::string((char*)b.buffer, size_t(b.tellmax() + 7) / 8));
        TYPEDEF_MASQUE& m = MASQUES[4];
        delete m.masque;
        m.masque = new Masque(m.nom);
    };
    composer(10, 0, 0, 10, "0.5", {"Pmer"}, {"6"});
    masque(30);  // all sea: no bit map
    EXPECT_EQ(octets(), 524);
    masque(5);  // 10 rows of 21 on land
    EXPECT_EQ(octets(), octetsEccodes(441, 1, 210));

    // Southward at 10 knots, run 6 hours old: 6 counts at the start, 12
    // one degree south (8 land rows).
    heurecourante = 12;
    grib.vSetCapVitesse(180, 10);
    composer(10, 0, 0, 10, "0.5", {"Pmer"}, {"6"});
    EXPECT_EQ(octets(), octetsEccodes(441, 1, 210));
    composer(10, 0, 0, 10, "0.5", {"Pmer"}, {"12", "6"});
    EXPECT_EQ(octets(), octetsEccodes(441, 1, 168) + octetsEccodes(441, 1, 210));
    grib.vSetTerreMer("0");  // land kept: the sea fields alone use the mask
    EXPECT_EQ(octets(), 2 * 524);
    delete MASQUES[4].masque;
    MASQUES[4].masque = nullptr;
}
