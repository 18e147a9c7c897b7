// Both decompressors against the system tools, case by case.
#include "decompression_test.h"

#include <climits>

TEST_P(Decompression, MatchesTheToolForEveryFirstFactor)
{
    const struct {
        const char* nom;
        std::string donnees;
    } jeux[] = {
        {"texte", texteTest(300000, 1)},
        {"bruit", bruitTest(100001, 3)},  // larger once compressed
        {"un-octet", "x"},
    };
    for (const auto& jeu : jeux) {
        const std::string chemin = compresse(jeu.nom, jeu.donnees);
        ASSERT_TRUE(memesOctets(reference(chemin), jeu.donnees));
        for (unsigned int facteur : {0u, 1u, 2u, 99u}) {
            unsigned int n = facteur;
            EXPECT_TRUE(memesOctets(decompresse(chemin, n), jeu.donnees))
                << jeu.nom << " from " << facteur;
            EXPECT_EQ(n, jeu.donnees.size()) << jeu.nom << " from " << facteur;
        }
    }
}

TEST_P(Decompression, ReadsEveryPartOfAConcatenation)
{
    const std::string a = compresse("a", texteTest(150000, 4));
    const std::string b = compresse("b", bruitTest(90000, 5));
    const std::string chemin = dossier / "ab";
    ecrireFichier(chemin, lireFichier(a) + lireFichier(b) + lireFichier(a));
    const std::optional<std::string> attendu = reference(chemin);
    ASSERT_EQ(attendu, texteTest(150000, 4) + bruitTest(90000, 5) + texteTest(150000, 4));
    unsigned int n = 0;
    EXPECT_TRUE(memesOctets(decompresse(chemin, n), attendu));
}

// A compressed empty text is a valid file: an empty buffer, not a failure.
TEST_P(Decompression, AnEmptyStreamGivesAnEmptyBuffer)
{
    const std::string chemin = compresse("vide", "");
    ASSERT_TRUE(memesOctets(reference(chemin), ""));
    unsigned int n = 7;
    EXPECT_TRUE(memesOctets(decompresse(chemin, n), ""));
    EXPECT_EQ(n, 0u);
}

TEST_P(Decompression, IgnoresTrailingGarbageAsTheToolDoes)
{
    const std::string donnees = texteTest(50000, 6);
    const std::string chemin = compresse("d", donnees);
    ecrireFichier(chemin, lireFichier(chemin) + "not compressed at all\n");
    ASSERT_TRUE(memesOctets(reference(chemin), donnees));
    unsigned int n = 1;
    EXPECT_TRUE(memesOctets(decompresse(chemin, n), donnees));
}

TEST_P(Decompression, ABrokenLaterPartKeepsTheDataBeforeIt)
{
    const std::string a = compresse("a", texteTest(40000, 7));
    const std::string b = lireFichier(compresse("b", texteTest(40000, 8)));
    const std::string chemin = dossier / "ab";
    ecrireFichier(chemin, lireFichier(a) + b.substr(0, b.size() / 2));
    ASSERT_TRUE(memesOctets(reference(chemin), std::nullopt));
    attendDebut(chemin, texteTest(40000, 7) + texteTest(40000, 8), 40000);
}

// Zeros after the data are ignored by both tools: they let the file size S
// be tuned so that the output is exactly 99 x S, then 99 x S + 99.
TEST_P(Decompression, OutputOf99TimesTheFileSizeIsTheLimit)
{
    const unsigned S = 20000;
    const std::string zeros(99 * S, '\0');
    const std::string compact = lireFichier(compresse("zeros", zeros));
    ASSERT_LT(compact.size(), S);

    const std::string juste = dossier / "juste";
    ecrireFichier(juste, compact + std::string(S - compact.size(), '\0'));
    ASSERT_TRUE(memesOctets(reference(juste), zeros));
    for (unsigned int facteur : {0u, 1u, 99u}) {
        unsigned int n = facteur;
        EXPECT_TRUE(memesOctets(decompresse(juste, n), zeros)) << "from " << facteur;
        EXPECT_EQ(n, zeros.size());
    }

    const std::string court = dossier / "court";
    ecrireFichier(court, compact + std::string(S - 1 - compact.size(), '\0'));
    ASSERT_TRUE(memesOctets(reference(court), zeros));
    attendEchec(court, 0);
    attendEchec(court, 99);
}

TEST_P(Decompression, DataMoreThan99TimesCompressibleAnswersNull)
{
    const std::string chemin = compresse("zeros", std::string(2 * 1000 * 1000, '\0'));
    ASSERT_TRUE(reference(chemin).has_value());
    attendEchec(chemin, 0);
    attendEchec(chemin, 50);
}

TEST_P(Decompression, RefusesFirstFactorsOf100AndMissingEmptyOrForeignFiles)
{
    const std::string bon = compresse("bon", texteTest(1000, 9));
    for (unsigned int facteur : {100u, 1000u, UINT_MAX})
        attendEchec(bon, facteur);

    attendEchec(dossier / "absent", 0);

    const std::string vide = dossier / "vide";
    ecrireFichier(vide, "");
    attendEchec(vide, 1);

    // A file that is not gzip passes through zlib unchanged; bzip2 refuses.
    const bool gzip = GetParam().nom == std::string("gzip");
    const std::string texte = dossier / "texte";
    ecrireFichier(texte, texteTest(10000, 10));
    const std::string autre = dossier / "autre";
    ASSERT_TRUE(commande(std::string(gzip ? "bzip2 -c" : "gzip -c") + " < " + sh(texte) +
                         " > " + sh(autre)));
    for (const std::string& etranger : {texte, autre}) {
        unsigned int n = 0;
        if (gzip)
            EXPECT_TRUE(memesOctets(decompresse(etranger, n), lireFichier(etranger)));
        else
            attendEchec(etranger, 0);
    }

    attendEchec(dossier.chemin(), 0);
}

TEST_P(Decompression, CorruptDataKeepsAtMostWhatCameBefore)
{
    const std::string donnees = texteTest(400000, 11);
    const std::string sain = lireFichier(compresse("d", donnees));
    int echecs = 0;
    for (int dixieme = 1; dixieme <= 9; ++dixieme) {
        std::string abime = sain;
        const size_t position = abime.size() * size_t(dixieme) / 10;
        abime[position] = char(abime[position] ^ 0x5A);
        abime[position + 7] = char(~abime[position + 7]);
        const std::string chemin = dossier / ("abime" + std::to_string(dixieme));
        ecrireFichier(chemin, abime);
        const std::optional<std::string> attendu = reference(chemin);
        if (attendu) {
            unsigned int n = 0;
            EXPECT_TRUE(memesOctets(decompresse(chemin, n), attendu)) << chemin;
        } else {
            ++echecs;
            attendDommage(chemin, 3);
        }
    }
    EXPECT_GT(echecs, 5) << "the damage hardly ever broke the data: the test proves little";
}

// A partial download: the data up to the cut, none of it made up.
TEST_P(Decompression, TruncatedFileKeepsTheDataBeforeTheCut)
{
    const std::string donnees = texteTest(300000, 12);
    const std::string sain = lireFichier(compresse("d", donnees));
    for (size_t longueur : {size_t(2), size_t(10), sain.size() / 2, sain.size() - 1}) {
        const std::string chemin = dossier / ("tronque" + std::to_string(longueur));
        ecrireFichier(chemin, sain.substr(0, longueur));
        ASSERT_TRUE(memesOctets(reference(chemin), std::nullopt)) << longueur;
        attendDebut(chemin, donnees, longueur == sain.size() - 1 ? 1 : 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, Decompression, ::testing::Values(GZIP, BZIP2),
                         [](const ::testing::TestParamInfo<Format>& info) {
                             return std::string(info.param.nom);
                         });
