// copyfile: the received-file hand-over copies then removes the source, so
// every failure must be reported and must leave the source whole.
#include "tests/outils/outils_test.h"

#include "gribdata/fichiers.h"

#include <gtest/gtest.h>
#include <unistd.h>

namespace {

class Copyfile : public ::testing::Test {
protected:
    DossierTemporaire dossier;
    const std::string source = dossier / "source";
    const std::string cible = dossier / "cible";
    const std::string contenu = bruitTest(200003, 20);  // several chunks, zeros inside

    void SetUp() override { ecrireFichier(source, contenu); }
    void sourceIntacte() { EXPECT_TRUE(memesOctets(lireFichier(source), contenu)); }
};

}  // namespace

TEST_F(Copyfile, CopiesEveryByteAndReplacesALongerTarget)
{
    ecrireFichier(cible, std::string(500000, 'x'));
    testing::internal::CaptureStdout();
    EXPECT_EQ(copyfile(source.c_str(), cible.c_str()), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "<copyfile> source:" + source + " cible:" + cible + "\n");
    EXPECT_TRUE(memesOctets(lireFichier(cible), contenu));
    sourceIntacte();
}

TEST_F(Copyfile, MissingSourceUnopenableTargetOrItselfAreReported)
{
    EXPECT_EQ(copyfile((dossier / "absent").c_str(), cible.c_str()), 1);
    EXPECT_FALSE(existe(cible));
    const std::string lien = dossier / "lien";
    ASSERT_EQ(link(source.c_str(), lien.c_str()), 0);
    for (const std::string& autre : {dossier / "absent/cible", dossier.chemin(), source,
                                     dossier.chemin() + "/./source", lien})
        EXPECT_NE(copyfile(autre == lien ? lien.c_str() : source.c_str(),
                           autre == lien ? source.c_str() : autre.c_str()), 0)
            << autre;
    sourceIntacte();
}

TEST_F(Copyfile, AShortWriteIsReportedAndTheDeviceLeftAlone)
{
    if (!existe("/dev/full"))
        GTEST_SKIP() << "no /dev/full here";
    EXPECT_NE(copyfile(source.c_str(), "/dev/full"), 0);
    EXPECT_TRUE(existe("/dev/full"));
    sourceIntacte();
}

TEST_F(Copyfile, AFailedReadIsReportedAndThePartialTargetRemoved)
{
    // A folder opens for reading but every read fails.
    EXPECT_NE(copyfile(dossier.chemin().c_str(), cible.c_str()), 0);
    EXPECT_FALSE(existe(cible));
}
