// Land masks: the committed masks against GMT's land nodes, the fold by
// 360 degrees, and files whose header does not describe their grid.
#include "map/masque.h"
#include "map/masques.h"
#include "map/pays.h"
#include "tests/map/tdc_test.h"

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <sstream>

namespace {

class Masques : public DossierTdc {
protected:
    Masques()
    {
        for (std::string nom : {"1.msk", "51.msk"})
            std::filesystem::create_symlink(QUENBREL_SOURCE_DIR "/data/img/" + nom, "img/" + nom);
    }
    // A mask file of the header values, then `octets` bytes of grid, all land.
    void masque(const char* nom, std::vector<uint32_t> entete, size_t octets)
    {
        Bit b(0, nullptr);
        for (uint32_t v : entete)
            b.write(v, 32);
        ecrireFichier("img/" + std::string(nom) + ".msk",
                      std::string((char*)b.buffer, 4 * entete.size()) + std::string(octets, '\xff'));
    }
};

// The land nodes of the lattice counted one point at a time.
int iUnParUn(Masque& m, double n, double s, double w, double e, double pas)
{
    const long long N = std::llrint(n * 1000), S = std::llrint(s * 1000), p = std::llrint(pas * 1000);
    const float W = float(std::llrint(w * 1000)), E = float(std::llrint(e * 1000));
    int total = 0;
    for (long long la = N; la >= S; la -= p)
        for (float lo = W; lo <= E; lo += float(p))
            total += m.iGetPoints(la / 1000.0, la / 1000.0, lo / 1000, lo / 1000, 1);
    return total;
}

}  // namespace

// GMT's land nodes over a few boxes, then the edges of a box.
TEST_F(Masques, LandNodesAreGmts)
{
    const std::string oracle = QUENBREL_SOURCE_DIR "/tests/map/oracle/";
    std::string boites = lireFichier(oracle + "masques.txt");
    if (commande("command -v gmt >/dev/null")) {
        ASSERT_TRUE(commande("sh " + sh(oracle + "masques.sh") + " gmt.txt"));
        boites = lireFichier("gmt.txt");
    }
    Masque monde("1"), europe("51");
    std::istringstream lignes(boites);
    std::string nom;
    double n, s, w, e, pas;
    int terre, boitesLues = 0;
    for (; lignes >> nom >> n >> s >> w >> e >> pas >> terre; ++boitesLues)
        EXPECT_EQ((nom == "1" ? monde : europe).iGetPoints(n, s, w, e, pas), terre) << n;
    EXPECT_EQ(boitesLues, 6);
    // Folded by 360: the same Alaskan coast either way.
    EXPECT_GT(monde.iGetPoints(70, 60, -170, -160, 0.5), 100);
    EXPECT_EQ(monde.iGetPoints(70, 60, 190, 200, 0.5), monde.iGetPoints(70, 60, -170, -160, 0.5));
    EXPECT_EQ(monde.iGetPoints(40, 50, 0, 10, 0.5), 0);  // north south of south
    // A step wider than the box: its north-west corner alone, Paris.
    EXPECT_EQ(monde.iGetPoints(48.875, 48.0, 2.375, 3.0, 5), 1);
    EXPECT_EQ(monde.iGetPoints(48.875, 48.0, 2.375, 3.0, 0.0004), 0);  // no step: no loop
}

// A header that does not describe a grid the file holds is refused, logged,
// and the mask counts nothing; a valid one beside them is read.
TEST_F(Masques, HeadersThatLieAreRefused)
{
    const uint32_t N = 91000, W = 179000;  // 1 N, 1 W
    masque("court", {N, W, 125}, 0);
    masque("pas0", {N, W, 0, 125, 0, 8, 8}, 8);
    masque("vide", {N, W, 125, 125, 0, 0, 8}, 8);
    masque("trop", {N, W, 125, 125, 0, 9, 8}, 8);
    masque("enorme", {N, W, 125, 125, 0, 0xFFFFFFFF, 0xFFFFFFFF}, 8);
    masque("bon", {N, W, 125, 125, 0, 8, 8}, 8);
    for (const char* nom : {"court", "pas0", "vide", "trop", "enorme", "absent"})
        EXPECT_TRUE(Masque(nom).ouverture == 1 && Masque(nom).iGetPoints(1, 0, -1, 0, 0.125) == 0)
            << nom;
    Masque bon("bon");
    ASSERT_EQ(bon.ouverture, 0);
    EXPECT_FLOAT_EQ(bon.pasLatitude, 0.125f);  // not 125 / 1000 in integers
    EXPECT_EQ(bon.iGetPoints(1, 0.125, -1, -0.125, 0.125), 64);
    for (const char* trace : {"court.msk: 12 octets", "enorme.msk: en-tete", "absent.msk: No"})
        EXPECT_NE(journal().find(trace), std::string::npos) << trace;

    // A mask that cannot be read leaves its row empty.
    masque("8", {1}, 0);
    load_masques();
    for (const TYPEDEF_MASQUE* m = MASQUES; m->nom; ++m)
        EXPECT_EQ(m->masque != nullptr, m->nom == std::string("1") || m->nom == std::string("51"))
            << m->nom;
    free_masques();
    for (const TYPEDEF_MASQUE* m = MASQUES; m->nom; ++m)
        EXPECT_EQ(m->masque, nullptr);
}

// The count goes by mask rows and columns at once; node by node through
// the bit reader it is the same, steps finer and coarser than the mask's,
// boxes across the antimeridian and wider than a turn included.
TEST_F(Masques, CountsAreThoseOfEveryLatticePoint)
{
    Masque europe("51");
    auto unParUn = [&europe](double n, double s, double w, double e, double pas) {
        return iUnParUn(europe, n, s, w, e, pas);
    };
    const double boites[][5] = {{72, 20, -32, 42, 0.5},   {60.05, 40.1, -5.3, 12.7, 0.04},
                                {50, 45, 2, 8, 0.25},     {71, 21, -390, 30, 1.5},
                                {30, 25, 40.5, 42, 0.1}};
    for (const auto& b : boites)
        EXPECT_EQ(europe.iGetPoints(b[0], b[1], b[2], b[3], b[4]), unParUn(b[0], b[1], b[2], b[3], b[4]))
            << b[0] << " " << b[4];
}

// Counted by runs of evenly spaced columns over the row sums, kept for two
// steps at a time: the same as point by point, at the mask's step and its
// multiples, across the antimeridian, wider than a turn, and again after
// a third step has pushed the first one's sums out.
TEST_F(Masques, RowSumsCountAsEveryPoint)
{
    Masque monde("1");
    const double boites[][5] = {{20, 0, -10, 12, 0.125},  {10, -10, 170, 190, 0.25},
                                {60, -60, -180, 180, 2.5}, {50, 40, -200, 200, 1.5},
                                {35, 30, 100, 120, 0.375}, {20, 0, -10, 12, 0.125},
                                {-60, -80, -30, 30, 0.5}};
    for (const auto& b : boites)
        EXPECT_EQ(monde.iGetPoints(b[0], b[1], b[2], b[3], b[4]),
                  iUnParUn(monde, b[0], b[1], b[2], b[3], b[4]))
            << b[0] << " " << b[2] << " " << b[4];
    EXPECT_GT(monde.iGetPoints(60, -60, -180, 180, 2.5), 0);
}

// Boxes drawn with a fixed seed over four masks, half of them from a node
// of their lattice, at the masks' steps, multiples of them and steps of
// no relation to them, across the antimeridian, over the poles, wider than
// a turn and far outside any map: their counts, folded into one figure,
// are those recorded when the test was written.
TEST_F(Masques, CountsOfDrawnBoxesAreThoseRecorded)
{
    for (std::string nom : {"10.msk", "5.msk"})
        std::filesystem::create_symlink(QUENBREL_SOURCE_DIR "/data/img/" + nom, "img/" + nom);
    Masque masques[] = {Masque("1"), Masque("51"), Masque("10"), Masque("5")};
    const double pas[] = {0.04, 0.1, 0.125, 0.25, 0.3, 0.375, 0.5, 1.5, 2.5, 0.7};
    unsigned graine = 2027;
    auto alea = [&graine](int n) {
        return graine = graine * 1103515245u + 12345u, int((graine >> 8) % unsigned(n));
    };
    uint64_t empreinte = 1469598103934665603ULL;
    for (int i = 0; i < 400; ++i) {
        Masque& m = masques[i % 4];
        const double p = pas[alea(10)];
        double n = alea(200000) / 1000.0 - 100;
        double w = (i % 50 == 49 ? 9000 : 0) + alea(800000) / 1000.0 - 400;
        if (i / 4 % 2)  // on the lattice's nodes, where a hair decides
            n = std::rint(n / p) * p, w = std::rint(w / p) * p;
        const double s = n - alea(60000) / 1000.0, e = w + alea(i % 7 ? 40000 : 400000) / 1000.0;
        if (p < 0.1 && (n - s) * (e - w) / (p * p) > 4e6)
            continue;
        empreinte = (empreinte ^ uint64_t(m.iGetPoints(n, s, w, e, p))) * 1099511628211ULL;
    }
    EXPECT_EQ(empreinte, 0x4fa25c923f295887ULL) << std::hex << empreinte;
}

// The gazetteer's Antarctica stands on land (not on the Ross Sea, where a
// label point searched in longitude and latitude put it), as the world
// mask tells; the state names carry no misspelling of the source.
TEST_F(Masques, TheGazetteerNamesStandRight)
{
    Masque monde("1");
    int antarctique = 0;
    for (const TYPEDEF_PAYS* p = ST_PAYS2; p->masque; ++p) {
        const std::string nom = p->francais;
        EXPECT_EQ(nom.find("Oblst"), std::string::npos) << nom;
        EXPECT_EQ(nom.find("Moskow"), std::string::npos) << nom;
        if (nom != "Antarctique")
            continue;
        ++antarctique;
        EXPECT_EQ(monde.iGetPoints(p->latitude, p->latitude, p->longitude, p->longitude, 1), 1);
    }
    EXPECT_EQ(antarctique, 1);
}
