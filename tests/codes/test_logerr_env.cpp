// The diagnostic log under given switches. The switches are read once per
// process, so each suite here runs as its own CTest entry with its own
// environment (see CMakeLists.txt); the suite name says which.
#include "codes/logerr.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {
using L = CLASS_CODES_LOGERR;

std::string contenu(const char* chemin)
{
    std::ifstream in(chemin);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string commutateurs()
{
    std::string s;
    for (int n = 1; n <= 5; n++)
        s += cGetenvXCodes(n);
    return s;
}
}

// ZELxCodes=i
TEST(EnvI, UneLettreMinuscule)
{
    EXPECT_EQ(commutateurs(), "IFFF0");
    L racine("Tormaskel");
    testing::internal::CaptureStderr();
    EXPECT_EQ(L::iErr(0, "info"), 0);
    EXPECT_EQ(L::iErr(2, "niveau inconnu"), -1);
    std::string s = testing::internal::GetCapturedStderr();
    EXPECT_NE(s.find("[INFORMATIF]info\n"), std::string::npos);
    EXPECT_NE(s.find("[FATAL]niveau inconnu\n"), std::string::npos);
    // The abort switch is off: a fatal record returned.
    EXPECT_EQ(L::iErr(-1, "fatal"), -1);
}

// ZELxCodes=wfft1
TEST(EnvWfft1, AvertissementsEtArret)
{
    EXPECT_EQ(commutateurs(), "WFFT1");
    L racine("Tormaskel");
    testing::internal::CaptureStderr();
    EXPECT_EQ(L::iErr(0, "info"), 0);
    EXPECT_EQ(L::iErr(1, "avertissement"), 1);
    std::string s = testing::internal::GetCapturedStderr();
    EXPECT_EQ(s.find("info"), std::string::npos);
    EXPECT_NE(s.find("[WARNING]avertissement\n"), std::string::npos);
    EXPECT_EXIT(L::iErr(-1, "fin", "%s", "du programme"), testing::ExitedWithCode(1),
                "\\[FATAL\\]fin:du programme");
    EXPECT_EXIT(L::pvErr(7, "autre niveau"), testing::ExitedWithCode(1), "\\[FATAL\\]autre");
}

// ZELxCodes="I   7": blanks count as characters.
TEST(EnvBlancs, CommutateursParPosition)
{
    EXPECT_EQ(commutateurs(), "IFFF0");
}

// ZELxCodes="" : set but empty gives every default.
TEST(EnvVide, ToutParDefaut)
{
    EXPECT_EQ(commutateurs(), "FFFF0");
}

// ZELxCodes=W, ZELfLogerr=logerr.txt: records go to the file, opened per record.
TEST(EnvFichier, EnregistrementsAjoutesAuFichier)
{
    const char* chemin = getenv("ZELfLogerr");
    ASSERT_NE(chemin, nullptr);
    remove(chemin);
    L racine("Tormaskel");
    {
        L m("CLASS_CODES_IBFILE", "iLit");
        L::iErr(1, "message absent", "%d", 3);
    }
    std::string un = contenu(chemin);
    EXPECT_NE(un.find(":CLASS_CODES_IBFILE:iLit\n[WARNING]message absent:3\n"),
              std::string::npos);
    // Closed after each record: removing the file between records is safe.
    remove(chemin);
    L::iErr(1, "second");
    std::string deux = contenu(chemin);
    EXPECT_EQ(deux.substr(0, 14), "===>Tormaskel ");
    EXPECT_NE(deux.find("\n[WARNING]second\n"), std::string::npos);
    // The allocation-failure record never goes to the file.
    EXPECT_EXIT(vCodesNEWintercept(), testing::ExitedWithCode(1),
                ":erreur allocation memoire\n\\[FATAL\\]");
    EXPECT_EQ(contenu(chemin), deux);
}

// ZELfLogerr names a folder that does not exist: records fall back to stderr.
TEST(EnvFichierImpossible, RepliSurErreurStandard)
{
    L racine("Tormaskel");
    testing::internal::CaptureStderr();
    L::iErr(-1, "replie");
    EXPECT_NE(testing::internal::GetCapturedStderr().find("[FATAL]replie\n"),
              std::string::npos);
}

// ZELpGbTables=/a
TEST(EnvTables, CheminsDesTables)
{
    L racine("Tormaskel");
    std::unique_ptr<char[]> p(pcCodesGbTables(nullptr, "grib", "param", "txt"));
    ASSERT_TRUE(p);
    EXPECT_STREQ(p.get(), "/a/grib/param.txt");
    p.reset(pcCodesGbTables("x", "grib", "param", nullptr));
    EXPECT_STREQ(p.get(), "/a/x/grib/param");
    std::string long_(2000, 'n');
    EXPECT_EQ(pcCodesGbTables(nullptr, "grib", long_.c_str(), "txt"), nullptr);
}

// No variable set; the anomaly message is written once per process.
TEST(EnvAnomalies, DebordementEtSousDebordementDeLaPile)
{
    L racine("Tormaskel");
    std::vector<std::unique_ptr<L>> pile;
    testing::internal::CaptureStderr();
    for (int i = 1; i < LOGERR_NIVEAUX; i++)
        pile.emplace_back(new L("niveau"));
    EXPECT_EQ(L::i_log, 256);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");

    testing::internal::CaptureStderr();
    pile.emplace_back(new L("de trop"));
    EXPECT_EQ(L::i_log, 256);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "[CATASTROPHIQUE]logerr plus de 256 niveaux\n");
    EXPECT_STREQ(L::pc2[255], "niveau");

    testing::internal::CaptureStderr();
    pile.emplace_back(new L("CLASS_X", "encore"));
    EXPECT_EQ(L::i_log, 256);
    pile.pop_back();  // pushed nothing, pops nothing
    pile.pop_back();
    EXPECT_EQ(L::i_log, 256);
    pile.pop_back();
    EXPECT_EQ(L::i_log, 255);
    pile.clear();
    EXPECT_EQ(L::i_log, 1);

    // An unbalanced pop resets the depth; the message is not repeated.
    L::i_log = 0;
    { L faux("x"); L::i_log = 0; }
    EXPECT_EQ(L::i_log, 0);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    L::i_log = 1;
}
