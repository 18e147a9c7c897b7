// The log line that ends a decompression, and pbzip2's many-stream files.
#include "decompression_test.h"

#include "gribdata/decompression.h"

namespace {

class Bzip2 : public Decompression {};

bool contient(const std::string& texte, const std::string& motif)
{
    return texte.find(motif) != std::string::npos;
}

// bzip2's stream signature "BZh" + level, then the first block's magic.
int nombreDeFlux(const std::string& octets)
{
    const std::string magie = "1AY&SY";
    int nombre = 0;
    for (size_t p = octets.find("BZh"); p != std::string::npos; p = octets.find("BZh", p + 1))
        if (octets.compare(p + 4, magie.size(), magie) == 0)
            ++nombre;
    return nombre;
}

}  // namespace

TEST_P(Decompression, LogsItsEnd)
{
    const std::string chemin = compresse("d", texteTest(123456, 13));
    unsigned int n = 0;
    ASSERT_NE(decompresse(chemin, n), std::nullopt);
    const std::string fin = GetParam().nom == std::string("gzip") ? "gzip" : "bip2";
    EXPECT_TRUE(contient(journal.contenu(), "<DECOMPRESSION> D\xC3\xA9" "compression " + fin +
                                                " termin\xC3\xA9" "e : 123456\n"));
}

TEST_P(Bzip2, ReadsEveryStreamOfPbzip2Output)
{
    const std::string brut = dossier / "d";
    const std::string donnees = texteTest(1500000, 14);
    ecrireFichier(brut, donnees);
    const std::string chemin = brut + ".bz2";
    if (!commande("command -v pbzip2 >/dev/null"))
        GTEST_SKIP() << "pbzip2 is not installed";
    // 100 kB blocks: pbzip2 writes each block as a stream of its own.
    ASSERT_TRUE(commande("pbzip2 -b1 -p2 -c < " + sh(brut) + " > " + sh(chemin)));
    ASSERT_GT(nombreDeFlux(lireFichier(chemin)), 10);
    ASSERT_TRUE(memesOctets(reference(chemin), donnees));
    for (unsigned int facteur : {0u, 3u}) {
        unsigned int n = facteur;
        EXPECT_TRUE(memesOctets(decompresse(chemin, n), donnees));
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, Bzip2, ::testing::Values(BZIP2),
                         [](const ::testing::TestParamInfo<Format>&) { return "bzip2"; });
