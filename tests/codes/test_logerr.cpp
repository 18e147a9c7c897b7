// The diagnostic log with no switches set: only fatal records are written,
// and they go to standard error.
#include "codes/logerr.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <new>
#include <regex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {
// These tests need the defaults, whatever the shell running them has set.
const bool environnementNettoye = [] {
    unsetenv("ZELxCodes");
    unsetenv("ZELfLogerr");
    unsetenv("ZELpGbTables");
    return true;
}();

using L = CLASS_CODES_LOGERR;

std::vector<std::string> lignes(const std::string& texte)
{
    std::vector<std::string> r;
    std::istringstream in(texte);
    for (std::string l; std::getline(in, l);)
        r.push_back(l);
    return r;
}

const std::regex ENTETE(R"(===>Tormaskel \(\d{8} \d\d:\d\d:\d\d\))");
}

TEST(LogerrDefaut, SeulsLesFatalsPassentEtNeTerminentPas)
{
    ASSERT_TRUE(environnementNettoye);
    L racine("Tormaskel");
    EXPECT_EQ(L::i_flag, -1);
    EXPECT_EQ(L::c_exit, 'F');

    testing::internal::CaptureStderr();
    EXPECT_EQ(L::iErr(0, "info"), 0);
    EXPECT_EQ(L::iErr(1, "avertissement"), 1);
    EXPECT_EQ(L::iErr(2, "autre niveau"), 2);
    EXPECT_EQ(L::pvErr(1, "pointeur"), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");

    testing::internal::CaptureStderr();
    EXPECT_EQ(L::iErr(-1, "fatal"), -1);
    EXPECT_EQ(L::pvErr(-5, "aussi fatal"), nullptr);
    auto l = lignes(testing::internal::GetCapturedStderr());
    ASSERT_EQ(l.size(), 4u);
    EXPECT_TRUE(std::regex_match(l[0], ENTETE)) << l[0];
    EXPECT_EQ(l[1], "[FATAL]fatal");
    EXPECT_EQ(l[3], "[FATAL]aussi fatal");
}

TEST(LogerrDefaut, EnregistrementPorteLaChaineDesContextes)
{
    L racine("Tormaskel");
    testing::internal::CaptureStderr();
    {
        L methode("CLASS_CODES_PATH", "iOuvre");
        L::iErr(-1, "fichier absent", "%s %d", "grib.bin", 42);
    }
    L::iErr(-1, "sous la racine");
    L::iErr(-1, nullptr, nullptr);
    auto l = lignes(testing::internal::GetCapturedStderr());
    ASSERT_EQ(l.size(), 7u);
    EXPECT_TRUE(std::regex_match(l[0], ENTETE));
    EXPECT_EQ(l[1], ":CLASS_CODES_PATH:iOuvre");
    EXPECT_EQ(l[2], "[FATAL]fichier absent:grib.bin 42");
    // Only the root on the stack: no context line.
    EXPECT_TRUE(std::regex_match(l[3], ENTETE));
    EXPECT_EQ(l[4], "[FATAL]sous la racine");
    EXPECT_EQ(l[6], "[FATAL]");
}

TEST(LogerrDefaut, EnregistrementLongEstCoupeSansDebordement)
{
    L racine("Tormaskel");
    std::string long1(3000, 'm'), long2(3000, 'd');
    testing::internal::CaptureStderr();
    L::iErr(-1, long1.c_str(), "%s", long2.c_str());
    L::iErr(-1, "court", "%s", long2.c_str());
    auto l = lignes(testing::internal::GetCapturedStderr());
    ASSERT_EQ(l.size(), 4u);
    EXPECT_EQ(l[1].size(), 1023u);
    EXPECT_EQ(l[1].substr(0, 8), "[FATAL]m");
    EXPECT_EQ(l[3].size(), 1023u);
    EXPECT_EQ(l[3].substr(0, 14), "[FATAL]court:d");
}

TEST(LogerrDefaut, ChaqueThreadASaPropreRacine)
{
    L racine("Tormaskel");
    L m("CLASS_GRIB_PUT", "cpucPut");
    std::string journal;
    testing::internal::CaptureStderr();
    std::thread ouvrier([] {
        EXPECT_EQ(L::i_log, 0);
        L racineOuvrier("gintertime");
        L sous("gintertime -> iControle");
        L::iErr(-1, "dans l'ouvrier");
    });
    ouvrier.join();
    journal = testing::internal::GetCapturedStderr();
    auto l = lignes(journal);
    ASSERT_EQ(l.size(), 3u);
    EXPECT_EQ(l[0].substr(0, 15), "===>gintertime ");
    EXPECT_EQ(l[1], ":gintertime -> iControle");
    // This thread's stack is untouched.
    testing::internal::CaptureStderr();
    L::vPrint();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "(3):Tormaskel:CLASS_GRIB_PUT:cpucPut\n");
}

TEST(LogerrDefaut, EnregistrementsDeDeuxThreadsNeSeMelentPas)
{
    const int N = 300;
    testing::internal::CaptureStderr();
    auto ecrit = [](const char* racine, const char* tag) {
        L r(racine);
        L m("CLASS_X", tag);
        for (int i = 0; i < N; i++)
            L::iErr(-1, tag, "%d", i);
    };
    std::thread a(ecrit, "A", "a"), b(ecrit, "B", "b");
    a.join();
    b.join();
    auto l = lignes(testing::internal::GetCapturedStderr());
    ASSERT_EQ(l.size(), 3u * 2 * N);
    for (size_t i = 0; i < l.size(); i += 3) {
        std::string r = l[i].substr(4, 1);
        std::string t = r == "A" ? "a" : "b";
        EXPECT_EQ(l[i + 1], ":CLASS_X:" + t);
        EXPECT_EQ(l[i + 2].substr(0, 8), "[FATAL]" + t);
    }
}

TEST(LogerrDefaut, VariablesAbsentes)
{
    L racine("Tormaskel");
    EXPECT_EQ(pcCodesGetenv("ZEL_VARIABLE_QUI_N_EXISTE_PAS"), nullptr);
    EXPECT_EQ(pcCodesGbTables(nullptr, "grib", "param", "txt"), nullptr);
    std::string commutateurs;
    for (int n = 0; n <= 6; n++)
        commutateurs += cGetenvXCodes(n) ? cGetenvXCodes(n) : '-';
    EXPECT_EQ(commutateurs, "-FFFFF-");
}

TEST(LogerrDefaut, AllocationImpossibleTermineAvecStatut1)
{
    auto echec = [] {
        L racine("Tormaskel");
#if defined(__SANITIZE_ADDRESS__)
        // The sanitizer's allocator aborts on an impossible size before any
        // handler runs: call the installed handler the way operator new does.
        std::get_new_handler()();
#else
        // Kept in a volatile so the allocation cannot be elided.
        static char* volatile garde;
        volatile size_t taille = size_t(1) << 62;
        garde = new char[taille];
        delete[] garde;
#endif
    };
    EXPECT_EXIT(echec(), testing::ExitedWithCode(1),
                "===>Tormaskel .*\n:erreur allocation memoire\n\\[FATAL\\]\n");
}
