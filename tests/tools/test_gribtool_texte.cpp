// gribtool's text output: its numbers against printf's "%.9g", character
// for character, over floats of every kind, in order across its blocks.
#include "tools/gribtool_texte.h"
#include "tests/outils/outils_test.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

TEST(SortieTexte, NumbersAsPrintfWritesThem)
{
    DossierTemporaire dossier;
    const std::string chemin = dossier / "texte";
    std::vector<double> nombres = {0.0, -0.0, 1, -1, 0.1f, 103192, 1e-37f, 123456789, 1234567890,
                                   std::numeric_limits<float>::max(),
                                   std::numeric_limits<float>::denorm_min(),
                                   std::numeric_limits<double>::infinity(),
                                   -std::numeric_limits<double>::infinity(), std::nan(""),
                                   -std::nan("")};
    // Floats of random bits: every exponent, subnormals and not-a-numbers.
    std::mt19937 alea(5);
    for (int k = 0; k < 200000; ++k) {
        const uint32_t b = alea();
        float f;
        std::memcpy(&f, &b, sizeof f);
        nombres.push_back(f);
    }
    std::string attendu;
    {
        FILE* f = std::fopen(chemin.c_str(), "wb");
        ASSERT_TRUE(f);
        SortieTexte sortie(f);
        char texte[64];
        // A text longer than the buffer half way: written in its place.
        const std::string long_(100000, 'z');
        for (size_t k = 0; k < nombres.size(); ++k) {
            if (k == nombres.size() / 2) {
                sortie.vTexte(long_);
                attendu += long_;
            }
            sortie.vReel9(nombres[k]);
            sortie.vTexte("\n", 1);
            std::snprintf(texte, sizeof texte, "%.9g\n", nombres[k]);
            attendu += texte;
        }
        sortie.vVider();
        std::fclose(f);
    }
    EXPECT_TRUE(memesOctets(lireFichier(chemin), attendu));
}
