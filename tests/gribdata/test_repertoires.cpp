// The working folders, created in a scratch folder that the test moves into.
#include "tests/outils/outils_test.h"

#include "gribdata/fichiers.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char* const DOSSIERS[] = {"dat", "dat/bulletin", "dat/image", "etc",
                                "etc/bull", "etc/grib", "lockdir"};

class Repertoires : public ::testing::Test {
protected:
    DossierTemporaire dossier;
    DossierCourant ici{dossier.chemin()};
    mode_t ancienMasque = 0;

    void SetUp() override { ancienMasque = umask(022); }
    void TearDown() override { umask(ancienMasque); }
};

}  // namespace

TEST_F(Repertoires, CreatesTheSevenFoldersForTheOwnerOnlyAndASecondRunChangesNothing)
{
    creationRepertoires();
    for (const char* nom : DOSSIERS) {
        struct stat st;
        ASSERT_EQ(stat(nom, &st), 0) << nom;
        EXPECT_EQ(st.st_mode & (S_IFMT | 07777), S_IFDIR | 0700u) << nom;
    }
    ecrireFichier("dat/bulletin/b.txt", "bulletin");
    struct stat avant[7], apres;
    for (int i = 0; i < 7; ++i)
        stat(DOSSIERS[i], &avant[i]);
    creationRepertoires();
    for (int i = 0; i < 7; ++i) {
        ASSERT_EQ(stat(DOSSIERS[i], &apres), 0);
        EXPECT_EQ(apres.st_ino, avant[i].st_ino) << DOSSIERS[i];
        EXPECT_EQ(apres.st_mode, avant[i].st_mode) << DOSSIERS[i];
        EXPECT_EQ(apres.st_mtim.tv_nsec, avant[i].st_mtim.tv_nsec) << DOSSIERS[i];
    }
    EXPECT_EQ(lireFichier("dat/bulletin/b.txt"), "bulletin");
}

TEST_F(Repertoires, CreatingOneFolderTellsWhatHappened)
{
    EXPECT_EQ(creationRepertoire("nouveau"), 0);
    EXPECT_NE(creationRepertoire("nouveau"), 0);  // already there
    EXPECT_EQ(creationRepertoire("absent/enfant"), -1);
    ecrireFichier("fichier", "");
    EXPECT_EQ(creationRepertoire("fichier"), -1);
}
