// The section model, the exchange record, the level and range rules and the
// dates of section 1.
#include "codes/grib_get.h"
#include "codes/grib_put.h"
#include "codes/grib_sections.h"
#include "codes/grib_structure.h"
#include "journal_capture.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {
using S = CLASS_GRIB_SECTIONS;

std::string utc(time_t t)
{
    struct tm d;
    gmtime_r(&t, &d);
    char texte[32];
    strftime(texte, sizeof texte, "%Y-%m-%d %H:%M:%S", &d);
    return texte;
}
}

// vInit keeps the centre and table version of the level rules; the arrays
// the model owns are released once (the sanitizer build sees a leak or a
// double release otherwise).
TEST(GribSections, InitGardeCentreEtVersionEtLiberation)
{
    S s;
    s.vSetCentreVersionTable2(85, 196);
    s.ui_s1_parametre = 33;
    strcpy(s.ca_s0_identificateur, "XXXX");
    s.vInit();
    EXPECT_EQ(s.ui_s1_parametre, 0u);
    EXPECT_STREQ(s.ca_s0_identificateur, "GRIB");
    EXPECT_EQ(s.ui_nivech_centre * 1000 + s.ui_nivech_version, 85196u);
    s.pf_s4_valeurs = new float[12];
    s.pui_s4_codes = new unsigned int[12];
    s.pf_mv_lignes = new float[3];
    s.pf_mv_colonnes = new float[2];
    s.vCGSectionsFree();
    EXPECT_EQ(s.pf_s4_valeurs, nullptr);
    s.vCGSectionsFree();
}

// The decoder and encoder inherit the cursor, the model and the record: each
// field and each vInit must still be reachable without ambiguity.
TEST(GribStructure, DecodeurEtCodeurSansAmbiguite)
{
    CLASS_GRIB_GET a;
    a.ui_s1_parametre = 33;
    a.ui_stg_parametre = 34;
    a.CLASS_GRIB_SECTIONS::vInit();
    EXPECT_EQ(a.ui_s1_parametre * 100 + a.ui_stg_parametre, 34u);
    unsigned char tampon[4] = {0xAB, 0xCD, 0, 0};
    a.vChange(tampon, 0);
    EXPECT_EQ(a.ulRead(8), 0xABu);
    a.CLASS_CODES_BIT::vInit(0);
    EXPECT_EQ(a.ulTell(), 0u);
    EXPECT_STREQ(a.spc_class_name, "CLASS_GRIB_GET");
    // The worker hands a decoded record to the encoder by assignment.
    CLASS_GRIB_PUT e;
    a.ui_stg_ll_ni = 4;
    static_cast<CLASS_GRIB_STRUCTURE&>(e) = a;
    EXPECT_EQ(e.ui_stg_parametre * 10 + e.ui_stg_ll_ni, 344u);
    EXPECT_STREQ(e.spc_class_name, "CLASS_GRIB_PUT");
}

TEST(GribNivech, NiveauxEtEcheances)
{
    CLASS_GRIB_NIVECH n;
    // Type, octets 11 and 12: answer and level (octets 1 and 244 are 500).
    const struct {
        unsigned type, o11, o12;
        int reponse, niveau;
    } niveaux[] = {{102, 0, 0, 0, 0},  {0, 1, 2, 0, 0},    {1, 1, 2, 0, 0},    {7, 1, 2, 0, 0},
                   {8, 1, 2, 0, 0},    {20, 1, 2, 0, 0},   {99, 1, 2, 0, 0},   {100, 1, 244, 4, 500},
                   {103, 1, 244, 4, 500}, {105, 1, 244, 4, 500}, {107, 1, 244, 4, 500},
                   {109, 1, 244, 4, 500}, {111, 1, 244, 4, 500}, {160, 1, 244, 4, 500},
                   {221, 1, 244, 4, 500}, {101, 1, 244, 3, 0}, {104, 1, 244, 3, 0},
                   {106, 1, 244, 3, 0}, {110, 1, 244, 3, 0}, {112, 1, 244, 3, 0},
                   {200, 1, 244, 3, 0}, {255, 1, 244, 3, 0}};
    for (const auto& c : niveaux) {
        unsigned niveau = 77;
        EXPECT_EQ(n.iGetNiveau(c.type, c.o11, c.o12, niveau), c.reponse) << c.type;
        EXPECT_EQ((int)niveau, c.niveau) << c.type;
    }
    // Indicator, P1, P2: answer and range; 2 to 5 and every other carry none.
    const struct {
        unsigned indicateur, p1, p2;
        int reponse;
        unsigned echeance;
    } echeances[] = {{0, 12, 5, 1, 12}, {1, 12, 5, 0, 0},    {10, 1, 44, 4, 300}, {123, 12, 5, 2, 5},
                     {124, 12, 6, 2, 6}, {2, 12, 6, 3, 0},   {3, 12, 6, 3, 0},    {4, 12, 6, 3, 0},
                     {5, 12, 6, 3, 0},   {113, 12, 6, 3, 0}, {114, 12, 6, 3, 0},  {255, 12, 6, 3, 0}};
    for (const auto& c : echeances) {
        unsigned e = 77;
        EXPECT_EQ(n.iGetEcheance(c.indicateur, c.p1, c.p2, e), c.reponse) << c.indicateur;
        EXPECT_EQ(e, c.echeance) << c.indicateur;
    }
}

TEST(GribNivech, NiveauType8SigneSousZeroCelsius)
{
    CLASS_GRIB_NIVECH n;
    unsigned niveau = 77;
    // Only centre 85 with table version 196 converts.
    for (auto [centre, version] : {std::pair{0u, 255u}, {85u, 1u}, {98u, 196u}}) {
        n.vSetCentreVersionTable2(centre, version);
        EXPECT_EQ(n.iGetNiveau(8, 108, 167, niveau), 0) << centre << " " << version;
        EXPECT_EQ(niveau, 0u);
    }
    n.vSetCentreVersionTable2(85, 196);
    // 27815, 27315, 26315 hundredths of kelvin, and the extremes.
    const unsigned octets[][2] = {{108, 167}, {106, 179}, {102, 203}, {0, 0}, {255, 255}};
    const int celsius[] = {5, 0, -10, -273, 382};
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(n.iGetNiveau(8, octets[k][0], octets[k][1], niveau), 4);
        EXPECT_EQ((int)niveau, celsius[k]);
    }
}

TEST(GribNivech, CodesAuDelaDe255)
{
    CLASS_GRIB_NIVECH n;
    unsigned valeur = 77;
    std::string s = sJournal([&] {
        EXPECT_EQ(n.iGetNiveau(256, 1, 2, valeur), -1);
        EXPECT_EQ(n.iGetEcheance(300, 1, 2, valeur), -1);
    });
    EXPECT_EQ(valeur, 77u);
    EXPECT_NE(s.find(":CLASS_GRIB_NIVECH:iGetNiveau\n[WARNING]type de niveau incorrect:256>255\n"),
              std::string::npos)
        << s;
    EXPECT_NE(s.find("[WARNING]type d'echeance incorrect:300>255\n"), std::string::npos) << s;
}

TEST(GribDates, DateDeReferenceEnUtc)
{
    S s;
    EXPECT_EQ(utc(s.timetDateDeReference(26, 1, 5, 12)), "2026-01-05 12:00:00");
    EXPECT_EQ(utc(s.timetDateDeReference(49, 1, 1, 0)), "2049-01-01 00:00:00");
    EXPECT_EQ(utc(s.timetDateDeReference(50, 1, 1, 0)), "1950-01-01 00:00:00");
    EXPECT_EQ(utc(s.timetDateDeReference(99, 12, 31, 18)), "1999-12-31 18:00:00");
    EXPECT_EQ(utc(s.timetDateDeReference(100, 2, 29, 6)), "2000-02-29 06:00:00");
    EXPECT_EQ(utc(s.timetDateDeReference(2004, 7, 14, 23)), "2004-07-14 23:00:00");
    // Fields outside the calendar never reach int arithmetic.
    const std::string log = sJournal([&] {
        for (unsigned mois : {0u, 13u, 0x80000000u})
            EXPECT_EQ(s.timetDateDeReference(26, mois, 5, 12), -1) << mois;
        EXPECT_EQ(s.timetDateDeReference(0xFFFFFFFFu, 1, 32, 24), -1);
    });
    EXPECT_NE(log.find("Date de reference incorrecte"), std::string::npos) << log;
    s.ui_s1_annee = 26;
    s.ui_s1_mois = 7;
    s.ui_s1_jour = 5;
    s.ui_s1_heure = 18;
    s.ui_s1_minute = 30;  // minutes are not part of the reference
    EXPECT_EQ(utc(s.timetDateDeReference()), "2026-07-05 18:00:00");
}

TEST(GribDates, UnitesEtIndicateurs)
{
    S s;
    const time_t r = s.timetDateDeReference(26, 1, 5, 0);
    // Unit, P1, P2, indicator: seconds after the reference.
    const struct {
        unsigned unite, p1, p2, indicateur;
        long ecart;
    } cas[] = {
        {0, 90, 0, 0, 5400}, {1, 6, 0, 0, 6 * 3600}, {2, 2, 0, 0, 2 * 86400},
        {3, 1, 0, 0, 30 * 86400}, {4, 1, 0, 0, 365 * 86400}, {5, 1, 0, 0, 315360000},
        {6, 1, 0, 0, 946080000}, {7, 1, 0, 0, 3153600000L},
        {7, 2, 0, 0, 6307200000L - 4294967296L},  // counted in unsigned 32 bits: wraps
        {254, 45, 0, 0, 45}, {8, 6, 6, 0, 0}, {9, 6, 6, 0, 0}, {13, 6, 6, 0, 0}, {253, 6, 6, 0, 0},
        {255, 6, 6, 0, 0}, {10, 6, 6, 0, 6 * 3 * 3600}, {11, 6, 6, 0, 6 * 6 * 3600},  // 3, 6, 12 h
        {12, 6, 6, 0, 6 * 12 * 3600},
        {1, 6, 12, 1, 0}, {1, 6, 12, 2, 12 * 3600}, {1, 6, 12, 3, 12 * 3600},
        {1, 6, 12, 4, 12 * 3600}, {1, 6, 12, 5, 12 * 3600}, {1, 1, 44, 10, 300 * 3600},
        {1, 6, 12, 113, 6 * 3600}, {1, 6, 12, 114, 6 * 3600}, {1, 6, 12, 6, 0}, {1, 6, 12, 7, 0},
        {1, 6, 12, 51, 0}, {1, 6, 12, 115, 0}, {1, 6, 12, 123, 0}, {1, 6, 12, 124, 0},
        {1, 6, 12, 255, 0},
    };
    for (const auto& c : cas)
        EXPECT_EQ(s.timetDateDeValidite(r, c.unite, c.p1, c.p2, c.indicateur), r + c.ecart)
            << c.unite << " " << c.indicateur;
}
