// Land masks: the committed masks against GMT's land nodes, the fold by
// 360 degrees, and files whose header does not describe their grid.
#include "map/masque.h"
#include "map/masques.h"
#include "tests/outils/outils_test.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

class Masques : public ::testing::Test {
protected:
    Masques()
    {
        std::filesystem::create_directory("img");
        for (const char* nom : {"1", "51"})
            std::filesystem::create_symlink(QUENBREL_SOURCE_DIR "/data/img/" + std::string(nom) +
                                                ".msk", "img/" + std::string(nom) + ".msk");
    }
    // A mask file of the header values, then `octets` bytes of grid, all land.
    void ecrire(const char* nom, std::vector<uint32_t> entete, size_t octets)
    {
        std::string s;
        for (uint32_t v : entete)
            for (int k = 24; k >= 0; k -= 8)
                s += char(v >> k);
        ecrireFichier("img/" + std::string(nom) + ".msk", s + std::string(octets, '\xff'));
    }
    DossierTemporaire dossier;
    DossierCourant ici{dossier.chemin()};
    JournalTemporaire journal{"log.txt"};
};

}  // namespace

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
    while (lignes >> nom >> n >> s >> w >> e >> pas >> terre) {
        EXPECT_EQ((nom == "1" ? monde : europe).iGetPoints(n, s, w, e, pas), terre) << nom << " "
            << n << " " << s << " " << w << " " << e << " " << pas;
        ++boitesLues;
    }
    EXPECT_EQ(boitesLues, 6);
}

TEST_F(Masques, EdgesOfTheBox)
{
    Masque m("1");
    // Folded by 360: the same Alaskan coast either way.
    EXPECT_GT(m.iGetPoints(70, 60, -170, -160, 0.5), 100);
    EXPECT_EQ(m.iGetPoints(70, 60, 190, 200, 0.5), m.iGetPoints(70, 60, -170, -160, 0.5));
    EXPECT_EQ(m.iGetPoints(40, 50, 0, 10, 0.5), 0);  // north south of south
    // A step wider than the box: its north-west corner alone, Paris.
    EXPECT_EQ(m.iGetPoints(48.875, 48.0, 2.375, 3.0, 5), 1);
    EXPECT_EQ(m.iGetPoints(48.875, 48.0, 2.375, 3.0, 0.0004), 0);  // no step: no loop
}

// A header that does not describe a grid the file holds is refused, logged,
// and the mask counts nothing; a valid one beside them is read.
TEST_F(Masques, HeadersThatLieAreRefused)
{
    const uint32_t N = 91000, W = 179000;  // 1 N, 1 W
    ecrire("court", {N, W, 125}, 0);
    ecrire("pas0", {N, W, 0, 125, 0, 8, 8}, 8);
    ecrire("vide", {N, W, 125, 125, 0, 0, 8}, 8);
    ecrire("trop", {N, W, 125, 125, 0, 9, 8}, 8);
    ecrire("enorme", {N, W, 125, 125, 0, 0xFFFFFFFF, 0xFFFFFFFF}, 8);
    ecrire("bon", {N, W, 125, 125, 0, 8, 8}, 8);
    for (const char* nom : {"court", "pas0", "vide", "trop", "enorme", "absent"}) {
        Masque m(nom);
        EXPECT_EQ(m.ouverture, 1) << nom;
        EXPECT_EQ(m.iGetPoints(1, 0, -1, 0, 0.125), 0) << nom;
    }
    Masque bon("bon");
    ASSERT_EQ(bon.ouverture, 0);
    EXPECT_FLOAT_EQ(bon.pasLatitude, 0.125f);  // not 125 / 1000 in integers
    EXPECT_FLOAT_EQ(bon.sud, 0.125f);
    EXPECT_EQ(bon.iGetPoints(1, 0.125, -1, -0.125, 0.125), 64);
    const std::string log = journal.contenu();
    for (const char* trace : {"court.msk: 12 octets", "pas0.msk: en-tete refuse",
                              "vide.msk: en-tete refuse", "trop.msk: en-tete refuse",
                              "enorme.msk: en-tete refuse", "absent.msk: No such file"})
        EXPECT_NE(log.find(trace), std::string::npos) << trace;
}

TEST_F(Masques, AMaskThatCannotBeReadLeavesItsRowEmpty)
{
    ecrire("8", {1}, 0);
    load_masques();
    for (const TYPEDEF_MASQUE* m = MASQUES; m->nom; ++m)
        EXPECT_EQ(m->masque != nullptr, m->nom == std::string("1") || m->nom == std::string("51"))
            << m->nom;
    free_masques();
    for (const TYPEDEF_MASQUE* m = MASQUES; m->nom; ++m)
        EXPECT_EQ(m->masque, nullptr);
}
