// Dates. The whole suite runs once under TZ=UTC and once under
// TZ=Europe/Paris (see CMakeLists.txt); DateUtc and DateParis hold what
// differs between the two zones.
#include "codes/date.h"
#include "journal_capture.h"

#include <gtest/gtest.h>

#include <ctime>
#include <string>
#include <tuple>

namespace {
using D = CLASS_CODES_DATE;

const char* MODELE_TRAVAILLEUR = "js j ms a4 - HH heure(s)";

std::string texte(const char* p)
{
    return p ? std::string(p) : std::string("(null)");
}

// Monday 5 January 2026 at the given local time.
long lundi(D& d, unsigned heure = 12, unsigned minute = 0, unsigned seconde = 0)
{
    return d.time_tGet(2026, 1, 5, heure, minute, seconde);
}
}

TEST(Date, JetonsFrancaisEtAmericains)
{
    D d;
    long t = lundi(d);
    ASSERT_GT(t, 0);
    EXPECT_EQ(texte(d.cpcGetFr(MODELE_TRAVAILLEUR, t)), "Lundi 5 Janvier 2026 - 12 heure(s)");
    EXPECT_EQ(texte(d.cpcGetUs(MODELE_TRAVAILLEUR, t)), "Monday 5 January 2026 - 12 heure(s)");
    EXPECT_EQ(texte(d.cpcGetFr("AAAAMMJJ HH:MM", t)), "20260105 12:00");
    EXPECT_EQ(texte(d.cpcGetFr("a4 a4", t)), "2026 2026");
    EXPECT_EQ(texte(d.cpcGetFr("   j2   m2  ", t)), "05 01");

    long u = lundi(d, 7, 4, 9);
    EXPECT_EQ(texte(d.cpcGetFr("a2 a4 m m2 ms ms3 j j2 js js3", u)),
              "26 2026 1 01 Janvier Jan 5 05 Lundi Lun");
    EXPECT_EQ(texte(d.cpcGetUs("ms ms3 js js3", u)), "January Jan Monday Mon");
    EXPECT_EQ(texte(d.cpcGetFr("HH MM SS HH:MM HH:MM:SS AAMMJJ AAAAMMJJ a", u)),
              "07 04 09 07:04 07:04:09 260105 20260105 26");
    // Case matters; unknown words are copied as they stand.
    EXPECT_EQ(texte(d.cpcGetFr("hh Js le:j", u)), "hh Js le:j");
    EXPECT_EQ(texte(d.cpcGet(3, "ms", u)), "January");
}

TEST(Date, ModelesVidesEtRefus)
{
    D d;
    long t = lundi(d);
    EXPECT_EQ(texte(d.cpcGetFr("", t)), "");
    EXPECT_EQ(texte(d.cpcGetFr("    ", t)), "");
    EXPECT_EQ(d.cpcGet(0, "a4", -1), nullptr);
    EXPECT_EQ(d.cpcGet(0, nullptr, t), nullptr);
    EXPECT_EQ(d.cpcGetFr(nullptr, t), nullptr);
    // A negative time with cpcGetFr / cpcGetUs is the current time.
    char attendu[16];
    time_t maintenant = time(nullptr);
    struct tm local;
    localtime_r(&maintenant, &local);
    snprintf(attendu, sizeof attendu, "%4.4d", local.tm_year + 1900);
    EXPECT_EQ(texte(d.cpcGetFr("a4", -1)), attendu);
    EXPECT_EQ(texte(d.cpcGetUs("a4", -5)), attendu);
    // Invalid fields give no text.
    EXPECT_EQ(d.cpcGetFr("a4", 2025, 2, 29, 0, 0, 0), nullptr);
    EXPECT_EQ(d.cpcGetUs("a4", 2026, 13, 1, 0, 0, 0), nullptr);
    EXPECT_EQ(texte(d.cpcGetUs("ms j a4", 2024, 2, 29, 0, 0, 0)), "February 29 2024");
}

TEST(Date, ResultatEtMotsBornes)
{
    D d;
    long t = lundi(d);
    std::string long_mot(200, 'x');
    EXPECT_EQ(texte(d.cpcGetFr(long_mot.c_str(), t)), std::string(D::MOT_MAX, 'x'));
    std::string beaucoup;
    for (int i = 0; i < 40; i++)
        beaucoup += "AAAAMMJJ ";
    // Seven words fill the 63 characters; their last blank is removed.
    std::string r = texte(d.cpcGetFr(beaucoup.c_str(), t));
    EXPECT_EQ(r.size(), (size_t)D::RESULTAT_MAX - 1);
    EXPECT_EQ(r.substr(0, 18), "20260105 20260105 ");
    // A word that does not fit whole is cut at the end of the text.
    r = texte(d.cpcGetFr(("x " + beaucoup).c_str(), t));
    EXPECT_EQ(r.size(), (size_t)D::RESULTAT_MAX);
    EXPECT_EQ(r.substr(47), "20260105 2026010");
    // The object is still usable afterwards.
    EXPECT_EQ(texte(d.cpcGetFr("j2", t)), "05");
}

TEST(Date, ValidationDesChamps)
{
    D d;
    // Year as given and as left (years from 1900), then the other fields.
    struct Cas {
        unsigned annee, anneeApres, mois, jour, heure, minute, seconde;
        int attendu;
    } cas[] = {
        {2037, 137, 12, 31, 23, 59, 59, 0}, {2038, 138, 1, 1, 0, 0, 0, -1}, {1969, 1969, 1, 1, 0, 0, 0, -1},
        {99, 99, 1, 1, 0, 0, 0, 0}, {1970, 70, 1, 1, 0, 0, 0, 0}, {69, 69, 6, 1, 0, 0, 0, -1},
        {139, 139, 6, 1, 0, 0, 0, -1}, {0, 0, 6, 1, 0, 0, 0, -1}, {2024, 124, 2, 29, 0, 0, 0, 0},
        {2025, 125, 2, 29, 0, 0, 0, -1}, {2000, 100, 2, 29, 0, 0, 0, 0}, {2026, 126, 2, 30, 0, 0, 0, -1},
        {2026, 126, 4, 31, 0, 0, 0, -1}, {2026, 126, 4, 30, 0, 0, 0, 0}, {2026, 126, 1, 31, 0, 0, 0, 0},
        {2026, 126, 12, 31, 0, 0, 0, 0}, {2026, 126, 0, 10, 0, 0, 0, -1}, {2026, 126, 13, 10, 0, 0, 0, -1},
        {2026, 126, 24, 24, 0, 0, 0, -1}, {2026, 126, 6, 31, 0, 0, 0, -1}, {2026, 126, 9, 31, 0, 0, 0, -1},
        {2026, 126, 11, 31, 0, 0, 0, -1}, {2026, 126, 3, 0, 0, 0, 0, -1}, {2026, 126, 3, 1, 24, 0, 0, -1},
        {2026, 126, 3, 1, 23, 60, 0, -1}, {2026, 126, 3, 1, 23, 59, 60, -1},
    };
    for (auto& c : cas) {
        unsigned annee = c.annee;
        EXPECT_EQ(d.iTestDate("test", annee, c.mois, c.jour, c.heure, c.minute, c.seconde),
                  c.attendu)
            << c.annee << "-" << c.mois << "-" << c.jour << " " << c.heure << ":" << c.minute
            << ":" << c.seconde;
        EXPECT_EQ(annee, c.anneeApres) << c.annee;
    }
    for (unsigned mois = 1; mois <= 12; mois++) {
        unsigned annee = 2026;
        EXPECT_EQ(d.iTestDate("test", annee, mois, 0, 0, 0, 0), -1) << mois;
    }
}

TEST(Date, AvertissementDateIncorrecte)
{
    D d;
    std::string s = sJournal([&] { EXPECT_EQ(d.time_tGet(2026, 2, 30, 1, 2, 3), -1); });
    EXPECT_NE(s.find(":time_tTime\n"), std::string::npos) << s;
    EXPECT_NE(s.find("[WARNING]Date incorrecte:126 2 30 1 2 3\n"), std::string::npos) << s;
}

TEST(Date, ConversionsDesChamps)
{
    D d;
    EXPECT_EQ(d.time_tGet(20240229UL, 235959UL), d.time_tGet(2024, 2, 29, 23, 59, 59));
    EXPECT_EQ(d.time_tGet(20250229UL, 0UL) + d.time_tGet(20260105UL, 240000UL), -2);
    // A date too large for the fields cannot wrap into a valid one.
    EXPECT_EQ(d.time_tGet((4294967296UL + 2026UL) * 10000UL + 105UL, 0UL), -1);
    EXPECT_EQ(d.time_tTime(2026, 1, 5, 12, 0, 0), d.time_tGet(2026, 1, 5, 12, 0, 0));
    // Year counts are accepted as well as four-digit years.
    EXPECT_EQ(d.time_tGet(126, 1, 5, 12, 0, 0), d.time_tGet(2026, 1, 5, 12, 0, 0));
}

TEST(Date, DecoupageUtc)
{
    D d;
    int a, m, j, h, mi, s;
    for (auto [t, jour, heure] : {std::tuple{0L, 19700101L, 0L}, {1767625445L, 20260105L, 150405L},
                                  {951782400L, 20000229L, 0L}}) {
        d.vSetDate(t, a, m, j, h, mi, s);
        EXPECT_EQ(a * 10000L + m * 100 + j, jour) << t;
        EXPECT_EQ(h * 10000L + mi * 100 + s, heure) << t;
    }
}

// TZ=UTC
TEST(DateUtc, ChampsLusEnTempsUniversel)
{
    D d;
    EXPECT_EQ(d.time_tGet(2026, 1, 5, 12, 0, 0), 1767614400L);
    EXPECT_EQ(d.time_tGet(2026, 7, 5, 12, 0, 0), 1783252800L);
    EXPECT_EQ(texte(d.cpcGetFr("AAAAMMJJ HH:MM:SS", 0)), "19700101 00:00:00");
    EXPECT_EQ(texte(d.cpcGetUs(MODELE_TRAVAILLEUR, 1767614400L)),
              "Monday 5 January 2026 - 12 heure(s)");
}

// TZ=Europe/Paris: one hour ahead in winter, two in summer.
TEST(DateParis, ChampsLusEnHeureLocale)
{
    D d;
    EXPECT_EQ(d.time_tGet(2026, 1, 5, 12, 0, 0), 1767614400L - 3600);
    EXPECT_EQ(d.time_tGet(2026, 7, 5, 12, 0, 0), 1783252800L - 7200);
    EXPECT_EQ(texte(d.cpcGetFr("AAAAMMJJ HH:MM:SS", 0)), "19700101 01:00:00");
    // 23:30 UTC on 31 December is already the next year in Paris.
    EXPECT_EQ(texte(d.cpcGetFr("js j ms a4 HH:MM", 1767223800L)), "Jeudi 1 Janvier 2026 00:30");
    int a, m, j, h, mi, s;
    d.vSetDate(1767223800L, a, m, j, h, mi, s);
    EXPECT_EQ(a * 10000 + m * 100 + j, 20251231);
    EXPECT_EQ(h * 100 + mi, 2330);
    // Daylight saving is decided by the system: 29 March 2026 03:30 is summer time.
    EXPECT_EQ(d.time_tGet(2026, 3, 29, 3, 30, 0), 1774747800L);
}
