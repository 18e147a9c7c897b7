// The section model filled from the GRIB1 messages of cas.grb (made with
// eccodes, see tests/data/grib1/README.md): levels, ranges, reference and
// validity dates against grib_ls's listing. The suite runs under TZ=UTC and under
// TZ=Europe/Paris: GRIB dates must not depend on the time zone.
#include "codes/bit.h"
#include "codes/grib_sections.h"
#include "tests/outils/outils_test.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {
std::vector<std::vector<unsigned char>> messages()
{
    const std::string fichier = lireFichier(fixtureGrib("cas.grb"));
    const std::vector<unsigned char> octets(fichier.begin(), fichier.end());
    std::vector<std::vector<unsigned char>> liste;
    size_t i = 0;
    while (i + 8 <= octets.size() && !memcmp(&octets[i], "GRIB", 4)) {
        size_t longueur = (size_t)octets[i + 4] << 16 | octets[i + 5] << 8 | octets[i + 6];
        if (longueur < 8 || i + longueur > octets.size())
            break;
        liste.emplace_back(octets.begin() + (long)i, octets.begin() + (long)(i + longueur));
        i += longueur;
    }
    return liste;
}

// Section 1 of an edition 1 message into the model, read with the cursor.
void vSection1(CLASS_GRIB_SECTIONS& s, unsigned char* message)
{
    CLASS_CODES_BIT b(message, 0);
    b.vSeek(56);
    s.ui_s0_edition = (unsigned)b.ulRead(8);
    s.ui_s1_position = (unsigned)b.ulTell();
    s.ui_s1_longueur = (unsigned)b.ulRead(24);
    s.ui_s1_version_table2 = (unsigned)b.ulRead(8);
    s.ui_s1_centre = (unsigned)b.ulRead(8);
    s.ui_s1_processus = (unsigned)b.ulRead(8);
    s.ui_s1_grille = (unsigned)b.ulRead(8);
    s.ui_s1_section2 = (unsigned)b.ulRead(1);
    s.ui_s1_section3 = (unsigned)b.ulRead(1);
    b.vSkip(6);
    unsigned* champs[] = {&s.ui_s1_parametre, &s.ui_s1_type_niveau, &s.ui_s1_niveau11,
                          &s.ui_s1_niveau12,  &s.ui_s1_annee,       &s.ui_s1_mois,
                          &s.ui_s1_jour,      &s.ui_s1_heure,       &s.ui_s1_minute,
                          &s.ui_s1_unite_temps, &s.ui_s1_p1,        &s.ui_s1_p2,
                          &s.ui_s1_indicateur};
    for (unsigned* champ : champs)
        *champ = (unsigned)b.ulRead(8);
    s.ui_s1_nombre_moyenne = (unsigned)b.ulRead(16);
    s.ui_s1_nombre_manquant = (unsigned)b.ulRead(8);
    s.ui_s1_siecle = (unsigned)b.ulRead(8);
    s.vSetCentreVersionTable2(s.ui_s1_centre, s.ui_s1_version_table2);
}

// YYYYMMDD and HHMM of a UTC time, as grib_ls writes them.
std::pair<long, long> dateHeure(time_t t)
{
    struct tm d;
    gmtime_r(&t, &d);
    return {(d.tm_year + 1900) * 10000L + (d.tm_mon + 1) * 100 + d.tm_mday,
            d.tm_hour * 100L + d.tm_min};
}

}  // namespace

// Each message against its row of the listing: identification, dates, and
// the level and range each code gives.
TEST(GribMessages, LesTreizeMessagesCommeGribLs)
{
    const auto m = messages();
    auto l = lireLs(lireFichier(fixtureGrib("cas.grb.ls")));
    ASSERT_EQ(m.size(), 13u);
    ASSERT_EQ(l.size(), 13u);
    for (size_t i = 0; i < m.size(); i++) {
        SCOPED_TRACE("message " + std::to_string(i + 1));
        CLASS_GRIB_SECTIONS s;
        std::vector<unsigned char> octets = m[i];
        vSection1(s, octets.data());
        EXPECT_EQ(s.ui_s1_longueur, 28u);
        EXPECT_EQ((long)s.ui_s1_processus, l[i]["generatingProcessIdentifier"]);
        EXPECT_EQ((long)s.ui_s1_centre, l[i]["centre"]);
        EXPECT_EQ((long)s.ui_s1_version_table2, l[i]["table2Version"]);
        EXPECT_EQ((long)s.ui_s1_parametre, l[i]["indicatorOfParameter"]);
        EXPECT_EQ(dateHeure(s.timetDateDeReference()),
                  std::make_pair(l[i]["dataDate"], l[i]["dataTime"]));
        EXPECT_EQ(dateHeure(s.timetDateDeValidite(0)),
                  std::make_pair(l[i]["validityDate"], l[i]["validityTime"]));

        unsigned niveau = 99999;
        int code = s.iGetNiveau(s.ui_s1_type_niveau, s.ui_s1_niveau11, s.ui_s1_niveau12, niveau);
        const long type = l[i]["indicatorOfTypeOfLevel"];
        std::pair<int, long> attenduNiveau{0, 0};
        if (type == 100 || type == 105 || type == 160)
            attenduNiveau = {4, l[i]["level"]};
        else if (type == 8 && l[i]["table2Version"] == 196)
            attenduNiveau = {4, (l[i]["level"] - 27315) / 100};
        EXPECT_EQ(std::make_pair(code, (long)(int)niveau), attenduNiveau);

        unsigned echeance = 99999;
        code = s.iGetEcheance(s.ui_s1_indicateur, s.ui_s1_p1, s.ui_s1_p2, echeance);
        const long p1 = l[i]["P1"], p2 = l[i]["P2"];
        const std::map<long, std::pair<int, long>> attendu = {
            {0, {1, p1}}, {1, {0, 0}}, {10, {4, p1 * 256 + p2}}};
        const auto a = attendu.find(l[i]["timeRangeIndicator"]);
        EXPECT_EQ(std::make_pair(code, (long)echeance),
                  a == attendu.end() ? std::make_pair(3, 0L) : a->second);
    }
}
