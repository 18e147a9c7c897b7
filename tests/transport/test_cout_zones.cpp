// The volume and the values counted of requests over the shipped land
// masks, fixed and moving, across 180 degrees and at both poles, at the
// masks' steps, their multiples and steps of no relation to them, against
// the figures recorded when the test was written: the land counts may be
// computed another way, never give another figure.
#include "tests/transport/requete_test.h"

#include "tests/transport/composer_test.h"

#include "map/masques.h"
#include "ui/horloge.h"

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

namespace {

struct Cas {
    int modele;
    double n, s, w, e, maille;
    std::vector<const char*> parametres;
    int heures, pasHeures;  // forecast times 0, pas, 2 pas...
    const char* terre;      // "1": land left out
    int cap;                // -1: a fixed zone
    double vitesse;
    int heure;              // the current UTC hour
    long long octets, valeurs;
};

class CoutZones : public RequeteTest {
protected:
    CoutZones()
    {
        for (const char* nom : {"1", "5", "8", "10", "41", "42", "43", "51"})
            std::filesystem::create_symlink(QUENBREL_SOURCE_DIR "/data/img/" + std::string(nom) + ".msk",
                                            "img/" + std::string(nom) + ".msk");
        load_masques();
    }
    ~CoutZones() override { free_masques(); }

    // The bytes, and the values sent: a package's price is 0.00048 euro a
    // value to the hundredth of a cent, which tells every value apart.
    std::pair<long long, long long> figures(const Cas& c)
    {
        heurecourante = c.heure;
        grib.vSetDomaine(c.modele);
        grib.vSetMaille(c.maille);
        vPoserParametresEcheances(grib, c.parametres, heuresEspacees(c.heures, c.pasHeures));
        grib.vSetTerreMer(c.terre);
        if (c.cap < 0)
            grib.vUnsetCapVitesse();
        else
            grib.vSetCapVitesse(c.cap, c.vitesse);
        EXPECT_EQ(grib.iSetZone(c.n, c.s, c.w, c.e), 0);
        const long long points = (long long)(std::rint((c.n - c.s) / c.maille) + 1) *
                                 (long long)(std::rint((c.e - c.w) / c.maille) + 1);
        long long octets = 0;
        double prix = 0;
        grib.forfaitActif = 1;
        grib.vTerre(points, octets, prix);
        grib.forfaitActif = 0;
        return {octets, std::llround(prix / 0.00048)};
    }
};

}  // namespace

TEST_F(CoutZones, FiguresOfFixedAndMovingZones)
{
    const std::vector<const char*> quatre = {"Vent", "Pmer", "Mer totale", "Houle"};
    const Cas cas[] = {
        // The whole world at the finest mesh, 37 times: the benchmark's.
        {1, 90, -90, -180, 180, 0.125, quatre, 37, 3, "1", 45, 12, 12, 1135603584, 962766108},
        {1, 90, -90, -180, 180, 0.125, quatre, 37, 3, "1", -1, 0, 12, 1088848728, 916011405},
        {1, 90, -90, -180, 180, 0.25, {"Houle"}, 20, 6, "0", 300, 30, 4, 52411104, 44613417},
        // Across 180 degrees, eastward and westward.
        {1, 10, -10, 170, 190, 0.25, {"Pmer", "Houle"}, 13, 6, "1", 90, 20, 12, 358736, 341156},
        {1, 30, 10, 175, 185, 0.125, {"Mer totale"}, 25, 3, "1", 270, 25, 20, 984300, 978075},
        {1, 60, 40, -185, -160, 0.5, {"Vent"}, 9, 12, "1", 315, 40, 7, 34824, 28494},
        // Over the poles, moving poleward.
        {1, 90, 70, -180, 180, 0.5, {"Mer totale"}, 11, 12, "1", 0, 15, 12, 992484, 923103},
        {1, 88, 60, -30, 60, 0.25, {"Houle"}, 17, 6, "1", 10, 35, 1, 2092818, 1950708},
        {1, -60, -90, 0, 60, 1, {"Vent"}, 5, 24, "1", 180, 10, 18, 9492, 6216},
        {1, -70, -89.5, -180, 180, 0.125, {"Pmer"}, 9, 3, "1", 200, 20, 12, 1138722, 629054},
        // Other models, steps coarser than the mask's and of no relation to them.
        {43, 60, 20, -70, 0, 0.5, {"Vent", "Mer totale"}, 21, 6, "1", 225, 8, 12, 1196050, 1036690},
        {43, 60, 20, -70, 0, 1.5, {"Houle"}, 21, 6, "0", 45, 18, 9, 81732, 65508},
        {51, 55, 40, -10, 15, 0.1, {"Pmer", "Mer totale"}, 17, 3, "1", 300, 25, 12, 2168920, 1840652},
        {51, 60, 45, -20, 5, 0.3, {"Pmer"}, 9, 6, "1", 135, 12, 12, 29406, 23776},
        {51, 55.05, 40.1, -5.3, 12.7, 0.04, {"Houle"}, 5, 12, "1", 80, 30, 12, 892104, 573633},
        {5, 60, 35, -12, 30, 0.75, {"Vent"}, 13, 6, "1", 250, 15, 16, 37864, 29198},
        {8, 55, 40, -10, 15, 0.2, {"Pmer"}, 15, 3, "1", 170, 22, 12, 94992, 75682},
        {10, 50, -50, -80, 20, 0.25, {"Courant", "Tprof"}, 11, 24, "0", 135, 6, 12, 4288056, 3621741},
        {41, 60, 0, -60, 20, 1, {"Vent"}, 9, 12, "1", 30, 14, 12, 70976, 58238},
        {42, 30, -30, 100, 200, 0.5, {"Houle"}, 9, 12, "1", 100, 16, 12, 651294, 566742},
        {1, 45, 35, 0.3, 12.7, 0.375, {"Pmer"}, 7, 6, "1", 60, 12, 12, 5398, 3934},
    };
    for (const Cas& c : cas) {
        const auto [octets, valeurs] = figures(c);
        EXPECT_EQ(octets, c.octets) << c.modele << " " << c.n << " " << c.w << " " << c.maille;
        EXPECT_EQ(valeurs, c.valeurs) << c.modele << " " << c.n << " " << c.w << " " << c.maille;
    }
}
