// gribtool's outputs on the fixtures and on a built 8-bit file, against
// the digests of what it wrote before its loops were vectorised: files
// repacked and interpolated, values decoded, octet for octet.
#include "codec_test.h"
#include "constructeur_grib.h"

namespace {

// Three validities 3 hours apart, 8 bits on 67 x 31 points: wind (33, 34),
// a direction (200) that goes round 360 between them, pressure (2) and,
// under a bit map and a decimal scale, temperature (11). Codes from integer
// sums only, the same on every machine.
std::string fichierHuitBits()
{
    struct Parametre {
        int numero, e;
        double r;
        int d;
        bool carte;
    };
    const Parametre parametres[] = {{33, -3, -16, 0, false},
                                    {34, -3, -16, 0, false},
                                    {200, 1, 0, 0, false},
                                    {2, 4, 95000, 0, false},
                                    {11, -2, 2700.5, 1, true}};
    const unsigned ni = 67, nj = 31;
    std::string fichier;
    unsigned alea = 1;
    for (unsigned pas = 0; pas < 3; ++pas)
        for (const Parametre& p : parametres) {
            MessageGrib m;
            m.ni = ni, m.nj = nj, m.d = p.d, m.parametre = p.numero, m.p1 = int(3 * pas);
            std::vector<unsigned> codes;
            for (unsigned j = 0; j < nj; ++j)
                for (unsigned i = 0; i < ni; ++i) {
                    const bool present = !p.carte || (i + 2 * j) % 13 != 0;
                    if (p.carte)
                        m.carte.push_back(present);
                    alea = alea * 1103515245u + 12345u;
                    const unsigned bruit = alea >> 16 & 3;
                    if (!present)
                        continue;
                    if (p.numero == 200)
                        codes.push_back((2 * i + 3 * j + 60 * pas + bruit) % 180);
                    else
                        codes.push_back((i * i / 9 + 5 * j + 7 * pas * unsigned(p.numero) + bruit) % 256);
                }
            m.section4 = s4Simple(p.e, p.r, 8, codes);
            fichier += m.octets();
        }
    return fichier;
}

std::string empreinte(const std::string& chemin)
{
    return sortieBrute("sha256sum < " + sh(chemin) + " | cut -c1-64");
}

std::string gribtool(const std::string& arguments)
{
    return sortieBrute(std::string(GRIBTOOL) + " " + arguments + " 2>/dev/null");
}

}  // namespace

TEST(GribtoolDigests, RepackWritesTheSameOctets)
{
    DossierTemporaire dossier;
    ecrireFichier(dossier / "huit.grb", fichierHuitBits());
    const struct {
        std::string entree, empreinte;
    } cas[] = {
        {dossier / "huit.grb", "7b0ff19f6be1d1519d7e6d80bba4e2ea1816408c6682d1323fcc324d378c060f"},
        {GRIB1 + "service.grb", "de029a1d2b3d30a211c1c551cf123c9eb92bd5fc9ce47fcbe94dafb8bde3b151"},
        {GRIB1 + "codec.grb", "2c26401d6cb8ff1d78215a2d7dac12de1070e6e40b301b64245916096611aa81"},
        {GRIB1 + "cas.grb", "c4927f624b321b613ddc4f600d031ccac618da482c18e10752384680c805ccf5"},
        {GRIB1 + "gauss.grb", "f563b5709446f90e9a6166fcfa60d3b197e9ac19c21f996dd410713121de255a"},
        {GRIB1 + "stereo.grb", "3dc6b6792ebff8421547a6c79340277b8f88f25e54731be78ab83954b90811f1"},
        {GRIB1 + "joachim_uv.grib",
         "7fa8f25cc32420c3980b89ba0cd5617136c40cb0ed0bf470547a95450253412e"},
    };
    for (const auto& c : cas) {
        const std::string sortie = dossier / "repack.grb";
        EXPECT_NE(gribtool("repack " + sh(c.entree) + " " + sh(sortie)).find("written"),
                  std::string::npos) << c.entree;
        EXPECT_EQ(empreinte(sortie), c.empreinte + "\n") << c.entree;
    }
}

TEST(GribtoolDigests, InterpolationWritesTheSameOctets)
{
    const std::string interpolation = std::string(QUENBREL_SOURCE_DIR) + "/tests/data/interpolation/";
    const struct {
        std::string octets, empreinte;
    } cas[] = {
        {fichierHuitBits(), "e5a46488346b187cffdb944dcec71b39961913f9c90606bde43fd6704397d3ba"},
        {lireFichier(interpolation + "entree.grb"),
         "930c747f120f1b5195b694cd0e62c8f122e36e7d1b82c2a7454a02dce21fd202"},
        {lireFichier(GRIB1 + "service.grb"),
         "012a840d92942fa93f9062f06e2ebb0c706c9554c03049c0e8d5ecbf565c5c4e"},
    };
    for (const auto& c : cas) {
        DossierTemporaire dossier;
        ecrireFichier(dossier / "in.grb", c.octets);
        ASSERT_TRUE(commande("mkdir " + sh(dossier / "lockdir")));
        sortieBrute("cd " + sh(dossier.chemin()) + " && " + GRIBTOOL + " interp in.grb 2>/dev/null");
        EXPECT_EQ(empreinte(dossier / "lockdir/interin.grb"), c.empreinte + "\n");
    }
}

TEST(GribtoolDigests, DecodeGivesTheSameValues)
{
    DossierTemporaire dossier;
    ecrireFichier(dossier / "huit.grb", fichierHuitBits());
    const std::string decode = std::string(GRIBTOOL) + " decode " + sh(dossier / "huit.grb");
    EXPECT_EQ(sortieBrute(decode + " | sha256sum | cut -c1-64"),
              "cb831911c676b045ca2a802a9e463bc208ab0305dc5bfdf712e8f2030ba72199\n");
    EXPECT_EQ(sortieBrute(decode + " 5 | sha256sum | cut -c1-64"),
              "091e83182b4deb850a0d8607ac193463aedd1b94e927b120024042ceeb1c3f2d\n");
}
