// The coastline store: level files read, chained, filed by square and
// published; missing, truncated and corrupt files.
#include "tdc_test.h"

#include "map/tdc_vue.h"

#include <cmath>
#include <cstring>

namespace {

// Two land rings near Brittany and a lake, in level-2 units (1/300 degree).
std::vector<EnregistrementTdc> bretagne()
{
    return {enregistrement(1, 47 * 300, -5 * 300, {0, 300, 600, 0}, {0, 900, 0, 0}),
            enregistrement(2, 48 * 300, -3 * 300, {0, 30, 0}, {0, 30, 60}),
            enregistrement(1, -35 * 300, 18 * 300, {0, 100, 0}, {0, 50, 100})};
}

EnregistrementTdc niveau0(std::vector<int16_t> lat, std::vector<int16_t> lon)
{
    EnregistrementTdc e;
    e.latitudes = std::move(lat);
    e.longitudes = std::move(lon);
    return e;
}

int carresNonVides(const tdc& t, int niveau)
{
    int n = 0;
    for (const TYPEDEF_TDC_CASE* c : t.carres[niveau])
        n += !listeCarre(c).empty();
    return n;
}

}  // namespace

TEST(Marsden, NumbersOfTheWmoGrid)
{
    const struct {
        double lat, lon;
        int carre;
    } cas[] = {{0, 0, 36},    {-0.005, -5, 300}, {85, 5, 936},   {0, -5, 1},     {5, -15, 2},
               {15, -5, 37},  {79.9, 5, 288},    {80, -5, 901},  {-90, 5, 623}};
    for (const auto& c : cas)
        EXPECT_EQ(iMarsden(c.lat, c.lon), c.carre) << c.lat << " " << c.lon;
    // Both sides of the dateline and a full turn name the same square.
    EXPECT_EQ(iMarsden(45, 180), iMarsden(45, -180));
    EXPECT_EQ(iMarsden(45, 365), iMarsden(45, 5));
    EXPECT_EQ(iMarsden(45, -355), iMarsden(45, 5));
}

TEST(Marsden, ValidOnlyFrom1To936)
{
    EXPECT_FALSE(bMarsdenValide(iMarsden(90, -5)));
    EXPECT_EQ(iMarsden(90, -5), 937);
    EXPECT_FALSE(bMarsdenValide(iMarsden(std::nan(""), 0)));
    EXPECT_FALSE(bMarsdenValide(iMarsden(0, 1e300)));
    EXPECT_FALSE(bMarsdenValide(0));
    // Every square of the world's ten-degree grid is valid and distinct.
    std::vector<bool> vu(TDC_CARRES);
    for (int lat = -90; lat < 90; lat += 10)
        for (int lon = -180; lon < 180; lon += 10) {
            const int c = iMarsden(lat + 5, lon + 5);
            ASSERT_TRUE(bMarsdenValide(c)) << lat << " " << lon;
            EXPECT_FALSE(vu[size_t(c)]) << c;
            vu[size_t(c)] = true;
        }
}

TEST_F(DossierTdc, Level0IsReadAtOnceAndSharedByEveryLevel)
{
    ecrire(0, {niveau0({4885, 4900, 4700, 4885}, {235, -100, 0, 235}),
               niveau0({-3300, -3400}, {1800, 1850})});
    tdc t;
    auto chaine = listeChaine(t.chaines[0]);
    ASSERT_EQ(chaine.size(), 2u);
    EXPECT_EQ(chaine[0]->nombre * 10 + chaine[0]->niveau, 41);
    EXPECT_EQ(chaine[0]->longitudes[1], -100);
    EXPECT_EQ(chaine[1]->longitudes[1], 1850);
    for (int n = 0; n < TDC_NIVEAUX; ++n) {
        EXPECT_EQ(t.chaines[n], t.chaines[0]);
        EXPECT_EQ(t.charge[n], n == 0);
        EXPECT_EQ(carresNonVides(t, n), 0);
    }
    EXPECT_NE(journal().find("<TDC> Fin chargement TDC0 limite:28\n"), std::string::npos);
}

TEST_F(DossierTdc, Level0FromBzip2AndWithoutAnyFile)
{
    EXPECT_EQ(tdc().chaines[0], nullptr);
    EXPECT_NE(journal().find("chargement TDC0 bzip2 START"), std::string::npos);
    ecrire(0, {niveau0({100, 200}, {300, 400})}, "bz2");
    tdc t;
    ASSERT_EQ(listeChaine(t.chaines[0]).size(), 1u);
    EXPECT_EQ(t.chaines[0]->latitudes[1], 200);
}

TEST_F(DossierTdc, ALevelIsChainedInFileOrderAndFiledBySquare)
{
    ecrire(2, bretagne());
    tdc t;
    t.load_file(2);
    auto chaine = listeChaine(t.chaines[2]);
    ASSERT_EQ(chaine.size(), 3u);
    EXPECT_FLOAT_EQ(chaine[0]->nord, 49);
    EXPECT_FLOAT_EQ(chaine[0]->est, -2);
    EXPECT_EQ(chaine[1]->longitudes[2], 60);
    EXPECT_EQ(t.charge[2], 1);
    EXPECT_EQ(listeCarre(t.carres[2][iMarsden(47, -5)]),
              (std::vector<const TYPEDEF_TDC*>{chaine[0], chaine[1]}));
    EXPECT_EQ(listeCarre(t.carres[2][iMarsden(-35, 18)]),
              std::vector<const TYPEDEF_TDC*>{chaine[2]});
    EXPECT_EQ(carresNonVides(t, 2), 2);
    // Every square has its list, an empty one being one empty cell.
    for (const TYPEDEF_TDC_CASE* c : t.carres[2])
        ASSERT_NE(c, nullptr);
    EXPECT_NE(journal().find("<TDC> fin chargement TDC2 niveaux: 1 a 2 \n"), std::string::npos);
}

TEST_F(DossierTdc, AMissingLevelTakesThePreviousChain)
{
    ecrire(1, {enregistrement(1, 0, 0, {0, 10}, {0, 10})});
    ecrire(2, bretagne(), "bz2");
    ecrire(4, bretagne());
    tdc t;
    t.load();
    EXPECT_NE(t.chaines[1], t.chaines[0]);
    EXPECT_NE(t.chaines[2], t.chaines[1]);
    EXPECT_EQ(t.chaines[3], t.chaines[2]);
    EXPECT_NE(t.chaines[4], t.chaines[3]);
    EXPECT_EQ(t.chaines[5], t.chaines[4]);
    EXPECT_EQ((std::vector<int>(t.charge, t.charge + 6)), (std::vector<int>{1, 1, 1, 0, 1, 0}));
    EXPECT_EQ(carresNonVides(t, 3), 0);
    EXPECT_EQ(t.carres[3][36], nullptr);
    EXPECT_EQ(carresNonVides(t, 4), 2);
    EXPECT_EQ(carresNonVides(t, 1), 1);
    EXPECT_NE(journal().find("chargement TDC3 bzip2 START"), std::string::npos);
    // Deep zooms stop at the last level that loaded before the gap.
    const double seuils[4] = {100, 10, 1, 0.1};
    EXPECT_EQ(iNiveauTdc(0.001, seuils, t.chaines), 2);
}

TEST_F(DossierTdc, UnexpectedLevelsAndSquaresAreLogged)
{
    ecrire(3, {enregistrement(0, 10 * 600, 10 * 600, {0, 5}, {0, 5}),
               enregistrement(1, 90 * 600, -5 * 600, {0, 0}, {0, 5}),
               enregistrement(12, 0, 0, {0, 5}, {0, 5})});
    tdc t;
    t.load_file(3);
    auto chaine = listeChaine(t.chaines[3]);
    ASSERT_EQ(chaine.size(), 3u);
    const std::string j = journal();
    EXPECT_NE(j.find("<TDC> ATTENTION: niveau: 0 nombre:2\n"), std::string::npos) << j;
    EXPECT_NE(j.find("<TDC> ERROR marsden: 937 lat:90.000000 lon:-5.000000"), std::string::npos);
    // The record at 90 N is in the chain but in no square.
    int filed = 0;
    for (const TYPEDEF_TDC_CASE* c : t.carres[3])
        for (const TYPEDEF_TDC* r : listeCarre(c)) {
            EXPECT_NE(r, chaine[1]);
            ++filed;
        }
    EXPECT_EQ(filed, 2);
}

// Damaged data: what was read before the damage is kept, the rest is
// refused with a log line, and nothing is read outside the buffer (the
// sanitizer build checks the last part).
TEST_F(DossierTdc, ReadingStopsAtTheFirstRecordThatDoesNotFit)
{
    const std::string bon = octetsNiveau(2, bretagne());
    std::string compte0 = octetsNiveau(2, {enregistrement(1, 0, 0, {0, 1}, {0, 1})});
    std::memset(&compte0[0], 0, 4);
    std::string negatif = compte0;
    std::memcpy(&negatif[0], "\xff\xff\xff\xff", 4);
    std::string enorme = compte0;
    std::memcpy(&enorme[0], "\xff\xff\xff\x7f", 4);
    // Above the bound set over the real data, though the bytes are there.
    std::vector<int16_t> points(TDC_POINTS_MAX + 1);  // noise: the archive keeps its ratio
    std::memcpy(points.data(), bruitTest(2 * points.size(), 1).data(), 2 * points.size());
    const std::string trop = octetsNiveau(2, {enregistrement(1, 0, 0, points, points)});
    const struct {
        const char* nom;
        std::string octets;
        size_t gardes;
    } cas[] = {
        {"coupé dans les points", bon.substr(0, bon.size() - 3), 2},
        {"coupé dans l'en-tête", bon + bon.substr(0, 10), 3},
        {"compte nul", octetsNiveau(2, {bretagne()[0]}) + compte0 + bon, 1},
        {"compte négatif", bon + negatif, 3},
        {"compte énorme", enorme + bon, 0},
        {"trop de points", bon + trop + bon, 3},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        ecrire(1, {enregistrement(1, 0, 0, {0, 10}, {0, 10})});
        ecrire(2, c.octets);
        tdc t;
        t.load_file(1);
        t.load_file(2);
        const auto chaine = listeChaine(t.chaines[2]);
        if (c.gardes == 0) {
            EXPECT_EQ(t.chaines[2], t.chaines[1]);
            EXPECT_EQ(t.charge[2], 0);
            EXPECT_EQ(carresNonVides(t, 2), 0);
            EXPECT_NE(journal().find("TDC2: aucun enregistrement lisible"), std::string::npos);
        } else {
            EXPECT_EQ(chaine.size(), c.gardes);
            EXPECT_EQ(t.charge[2], 1);
        }
        EXPECT_NE(journal().find("TDC2: enregistrement " + std::to_string(c.gardes + 1) +
                                 " illisible"),
                  std::string::npos)
            << journal();
    }
    EXPECT_NE(journal().find("(trop de points)"), std::string::npos);
}

TEST_F(DossierTdc, DamagedLevel0KeepsTheRecordsBeforeTheDamage)
{
    std::string octets = octetsNiveau(0, {niveau0({1, 2, 3}, {4, 5, 6})});
    octets += octets + std::string("\x00\x00", 2) + octets;
    ecrire(0, octets);
    tdc t;
    EXPECT_EQ(listeChaine(t.chaines[0]).size(), 2u);
    EXPECT_NE(journal().find("TDC0: enregistrement 3 illisible a l'octet 28 sur 44"),
              std::string::npos)
        << journal();
    ecrire(0, octets.substr(0, 27));
    tdc u;
    EXPECT_EQ(listeChaine(u.chaines[0]).size(), 1u);
}

TEST_F(DossierTdc, ACorruptOrTruncatedArchiveIsAMissingLevel)
{
    ecrire(1, {enregistrement(1, 0, 0, {0, 10}, {0, 10})});
    ecrire(2, bretagne());
    const std::string gz = lireFichier("img/data2.dat.gz");
    for (const std::string& octets : {gz.substr(0, gz.size() / 2), std::string("pas du gzip"),
                                      std::string()}) {
        ecrire(2, octets, "");
        tdc t;
        t.load_file(1);
        t.load_file(2);
        EXPECT_EQ(t.chaines[2], t.chaines[1]);
        EXPECT_EQ(t.charge[2], 0);
        EXPECT_NE(journal().find("affectation TDC2"), std::string::npos);
    }
}
