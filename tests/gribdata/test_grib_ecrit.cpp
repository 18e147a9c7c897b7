// The messages that the map's tests and benchmarks write from a field, read
// by eccodes: the same points, within the 8-bit packing of the function's
// values (the map's tests decode them with the map's decoder).
#include "ecriture_grib_test.h"
#include "grib_test.h"
#include "tests/outils/outils_test.h"

#include <cmath>
#include <gtest/gtest.h>

TEST(GribEcrit, EccodesEtLeDecodeurLisentLesValeursDuChamp)
{
    if (!eccodesPresent())
        GTEST_SKIP() << "eccodes is not installed";
    ChampEcrit c;
    c.ni = 7, c.nj = 5, c.la1 = 50000, c.lo1 = -10000, c.di = 500, c.dj = 250;
    c.valeur = [](double lat, double lon) {
        return lat == 49.5 && lon == -9.0 ? NAN : 101000 + 100 * lat + 37 * lon;
    };
    const std::string message = sMessageGrib(c);
    DossierTemporaire d;
    ecrireFichier(d / "c.grb", message);
    const auto cles = sortie("grib_get -p centre:i,Ni,Nj,bitsPerValue,bitmapPresent " + sh(d / "c.grb"));
    EXPECT_EQ(cles.value_or(""), "85 7 5 8 1\n");
    const auto data = sortie("grib_get_data -m missing " + sh(d / "c.grb"));
    const auto points = lireData(data.value_or(""));
    ASSERT_EQ(points.size() == 1 ? points[0].size() : 0, 35u);
    for (const Point& p : points[0]) {
        EXPECT_EQ(p.absent, std::isnan(c.valeur(p.lat, p.lon))) << p.lat << " " << p.lon;
        EXPECT_NEAR(p.valeur, p.absent ? 0 : c.valeur(p.lat, p.lon), 0.51) << p.lat << " " << p.lon;
    }
}
