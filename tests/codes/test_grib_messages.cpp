// The section model filled from real GRIB1 messages (made with eccodes, see
// tests/data/grib1/README.md): levels, ranges, reference and validity dates
// against grib_ls's listing. The suite runs under TZ=UTC and under
// TZ=Europe/Paris: GRIB dates must not depend on the time zone.
#include "codes/bit.h"
#include "codes/grib_sections.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {
using Ligne = std::map<std::string, long>;

const std::string DOSSIER = std::string(QUENBREL_SOURCE_DIR) + "/tests/data/grib1/";
const char* CLES = "centre:i,table2Version,indicatorOfParameter,indicatorOfTypeOfLevel:i,level,"
                   "dataDate,dataTime,unitOfTimeRange,P1,P2,timeRangeIndicator,validityDate,"
                   "validityTime";

// grib_ls's listing: the file name, a header of key names, one row per message.
std::vector<Ligne> liste(std::istream& in)
{
    std::vector<Ligne> lignes;
    std::string texte, cle;
    std::getline(in, texte);
    std::getline(in, texte);
    std::vector<std::string> cles;
    std::istringstream entete(texte);
    while (entete >> cle)
        cles.push_back(cle);
    while (std::getline(in, texte) && texte.find(" of ") == std::string::npos) {
        std::istringstream rangee(texte);
        Ligne l;
        for (auto& c : cles)
            rangee >> l[c];
        lignes.push_back(l);
    }
    return lignes;
}

std::vector<Ligne> listeFichier()
{
    std::ifstream in(DOSSIER + "grib_ls.txt");
    return liste(in);
}

std::vector<std::vector<unsigned char>> messages()
{
    std::ifstream in(DOSSIER + "cas.grb", std::ios::binary);
    std::vector<unsigned char> octets((std::istreambuf_iterator<char>(in)),
                                      std::istreambuf_iterator<char>());
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

bool grib_lsPresent()
{
    return system("command -v grib_ls >/dev/null 2>&1") == 0;
}
}

TEST(GribMessages, LesTreizeMessagesLus)
{
    auto m = messages();
    auto l = listeFichier();
    ASSERT_EQ(m.size(), 13u);
    ASSERT_EQ(l.size(), 13u);
    for (size_t i = 0; i < m.size(); i++) {
        CLASS_GRIB_SECTIONS s;
        vSection1(s, m[i].data());
        EXPECT_EQ(s.ui_s0_edition, 1u);
        EXPECT_EQ(s.ui_s1_longueur, 28u);
        EXPECT_EQ(s.ui_s1_processus, 78u);
        EXPECT_EQ((long)s.ui_s1_centre, l[i]["centre"]);
        EXPECT_EQ((long)s.ui_s1_version_table2, l[i]["table2Version"]);
        EXPECT_EQ((long)s.ui_s1_parametre, l[i]["indicatorOfParameter"]);
        EXPECT_EQ((long)s.ui_s1_type_niveau, l[i]["indicatorOfTypeOfLevel"]);
        EXPECT_EQ((long)(s.ui_s1_p1), l[i]["P1"]);
        EXPECT_EQ((long)(s.ui_s1_p2), l[i]["P2"]);
    }
}

TEST(GribMessages, DatesDeReferenceEtDeValiditeCommeGribLs)
{
    auto m = messages();
    auto l = listeFichier();
    ASSERT_EQ(m.size(), l.size());
    for (size_t i = 0; i < m.size(); i++) {
        CLASS_GRIB_SECTIONS s;
        vSection1(s, m[i].data());
        auto reference = dateHeure(s.timetDateDeReference());
        EXPECT_EQ(reference.first, l[i]["dataDate"]) << "message " << i + 1;
        EXPECT_EQ(reference.second, l[i]["dataTime"]) << "message " << i + 1;
        auto validite = dateHeure(s.timetDateDeValidite(0));
        EXPECT_EQ(validite.first, l[i]["validityDate"]) << "message " << i + 1;
        EXPECT_EQ(validite.second, l[i]["validityTime"]) << "message " << i + 1;
    }
}

TEST(GribMessages, NiveauxEtEcheancesSelonLesCodes)
{
    auto m = messages();
    auto l = listeFichier();
    ASSERT_EQ(m.size(), l.size());
    for (size_t i = 0; i < m.size(); i++) {
        SCOPED_TRACE("message " + std::to_string(i + 1));
        CLASS_GRIB_SECTIONS s;
        vSection1(s, m[i].data());
        unsigned niveau = 99999;
        int code = s.iGetNiveau(s.ui_s1_type_niveau, s.ui_s1_niveau11, s.ui_s1_niveau12, niveau);
        long type = l[i]["indicatorOfTypeOfLevel"];
        if (type == 100 || type == 105 || type == 160) {
            EXPECT_EQ(code, 4);
            EXPECT_EQ((long)niveau, l[i]["level"]);
        } else if (type == 8 && l[i]["table2Version"] == 196) {
            EXPECT_EQ(code, 4);
            EXPECT_EQ((int)niveau, (l[i]["level"] - 27315) / 100);
        } else {
            EXPECT_EQ(code, 0);
            EXPECT_EQ(niveau, 0u);
        }

        unsigned echeance = 99999;
        code = s.iGetEcheance(s.ui_s1_indicateur, s.ui_s1_p1, s.ui_s1_p2, echeance);
        switch (l[i]["timeRangeIndicator"]) {
        case 0:
            EXPECT_EQ(code, 1);
            EXPECT_EQ((long)echeance, l[i]["P1"]);
            break;
        case 1:
            EXPECT_EQ(code, 0);
            EXPECT_EQ(echeance, 0u);
            break;
        case 10:
            EXPECT_EQ(code, 4);
            EXPECT_EQ((long)echeance, l[i]["P1"] * 256 + l[i]["P2"]);
            break;
        default:
            EXPECT_EQ(code, 3);
            EXPECT_EQ(echeance, 0u);
        }
    }
}

TEST(GribMessages, CasParticuliers)
{
    auto m = messages();
    ASSERT_EQ(m.size(), 13u);
    CLASS_GRIB_SECTIONS s;
    unsigned v;
    vSection1(s, m[5].data());
    EXPECT_EQ(s.iGetEcheance(s.ui_s1_indicateur, s.ui_s1_p1, s.ui_s1_p2, v), 4);
    EXPECT_EQ(v, 300u);
    vSection1(s, m[6].data());
    EXPECT_EQ(s.iGetNiveau(s.ui_s1_type_niveau, s.ui_s1_niveau11, s.ui_s1_niveau12, v), 4);
    EXPECT_EQ(v, 500u);
    vSection1(s, m[7].data());
    s.iGetNiveau(s.ui_s1_type_niveau, s.ui_s1_niveau11, s.ui_s1_niveau12, v);
    EXPECT_EQ((int)v, 5);
    vSection1(s, m[8].data());
    s.iGetNiveau(s.ui_s1_type_niveau, s.ui_s1_niveau11, s.ui_s1_niveau12, v);
    EXPECT_EQ((int)v, -10);
    // The same level code under table version 1 has no value.
    vSection1(s, m[9].data());
    EXPECT_EQ(s.iGetNiveau(s.ui_s1_type_niveau, s.ui_s1_niveau11, s.ui_s1_niveau12, v), 0);
    EXPECT_EQ(v, 0u);
    // Accumulation from 0 to 6 hours: valid at 6 hours, no range of its own.
    vSection1(s, m[4].data());
    EXPECT_EQ(s.iGetEcheance(s.ui_s1_indicateur, s.ui_s1_p1, s.ui_s1_p2, v), 3);
    EXPECT_EQ(s.timetDateDeValidite(0) - s.timetDateDeReference(), 6 * 3600);
}

// The committed listing is what grib_ls prints today.
TEST(GribMessages, ListeIdentiqueAGribLsEnDirect)
{
    if (!grib_lsPresent())
        GTEST_SKIP() << "grib_ls is not installed";
    std::string commande = std::string("grib_ls -p ") + CLES + " '" + DOSSIER + "cas.grb' 2>/dev/null";
    FILE* tube = popen(commande.c_str(), "r");
    ASSERT_NE(tube, nullptr);
    std::string sortie;
    char bloc[4096];
    size_t n;
    while ((n = fread(bloc, 1, sizeof bloc, tube)) > 0)
        sortie.append(bloc, n);
    pclose(tube);
    std::istringstream in(sortie);
    auto direct = liste(in);
    auto fichier = listeFichier();
    ASSERT_EQ(direct.size(), fichier.size());
    for (size_t i = 0; i < direct.size(); i++)
        EXPECT_EQ(direct[i], fichier[i]) << "message " << i + 1;
}
