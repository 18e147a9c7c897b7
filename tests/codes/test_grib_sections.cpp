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

TEST(GribBase, ValeursAbsentes)
{
    float f = CLASS_GRIB_BASE::f_valeur_absente;
    uint32_t bits;
    memcpy(&bits, &f, sizeof bits);
    EXPECT_EQ(bits, 0x02081CEAu);
    EXPECT_EQ(CLASS_GRIB_BASE::ul_valeur_absente, 16777216u);
}

TEST(GribSections, ValeursInitiales)
{
    S s;
    EXPECT_STREQ(s.ca_s0_identificateur, "GRIB");
    EXPECT_STREQ(s.ca_s5_fin, "7777");
    EXPECT_EQ(s.ui_s0_edition, 1u);
    EXPECT_EQ(s.ui_s1_version_table2, 1u);
    EXPECT_EQ(s.ui_s1_centre, 85u);
    EXPECT_EQ(s.ui_s1_processus, 0u);
    EXPECT_EQ(s.ui_s1_grille, 255u);
    EXPECT_EQ(s.ui_s1_section2, 1u);
    EXPECT_EQ(s.ui_s1_section3, 0u);
    EXPECT_EQ(s.ui_s1_unite_temps, 1u);
    EXPECT_EQ(s.ui_s1_siecle, 20u);
    EXPECT_EQ(s.puc_s1_extension, nullptr);
    EXPECT_EQ(s.ui_s2_pvpl, 255u);
    EXPECT_EQ(s.ui_ll_drapeaux, 128u);
    EXPECT_EQ(s.ui_ga_drapeaux, 128u);
    EXPECT_EQ(s.ui_sp_drapeaux, 0u);
    EXPECT_FLOAT_EQ(s.f_ll_la1, 99.0f);
    EXPECT_FLOAT_EQ(s.f_ll_lo2, 360.0f);
    EXPECT_FLOAT_EQ(s.f_ga_lo1, 360.0f);
    EXPECT_FLOAT_EQ(s.f_sp_la1, 99.0f);
    EXPECT_FLOAT_EQ(s.f_sp_lov, 0.0f);
    EXPECT_EQ(s.pf_s4_valeurs, nullptr);
    EXPECT_EQ(s.ppf_mv_matrices, nullptr);
    EXPECT_EQ(s.ui_nivech_centre, 0u);
    EXPECT_EQ(s.ui_nivech_version, 255u);
}

TEST(GribSections, InitGardeCentreEtVersionEtLiberation)
{
    S s;
    s.vSetCentreVersionTable2(85, 196);
    s.ui_s1_parametre = 33;
    s.ui_ll_ni = 4;
    strcpy(s.ca_s0_identificateur, "XXXX");
    s.vInit();
    EXPECT_EQ(s.ui_s1_parametre, 0u);
    EXPECT_EQ(s.ui_ll_ni, 0u);
    EXPECT_STREQ(s.ca_s0_identificateur, "GRIB");
    EXPECT_EQ(s.ui_nivech_centre, 85u);
    EXPECT_EQ(s.ui_nivech_version, 196u);

    // The four arrays it owns are released (the sanitizer build sees a leak
    // otherwise) and the model is reset.
    s.pf_s4_valeurs = new float[12];
    s.pui_s4_codes = new unsigned int[12];
    s.pf_mv_lignes = new float[3];
    s.pf_mv_colonnes = new float[2];
    s.ui_s4_bits_par_valeur = 12;
    s.vCGSectionsFree();
    EXPECT_EQ(s.pf_s4_valeurs, nullptr);
    EXPECT_EQ(s.pui_s4_codes, nullptr);
    EXPECT_EQ(s.pf_mv_lignes, nullptr);
    EXPECT_EQ(s.pf_mv_colonnes, nullptr);
    EXPECT_EQ(s.ui_s4_bits_par_valeur, 0u);
    s.vCGSectionsFree();
}

TEST(GribStructure, ValeursInitiales)
{
    CLASS_GRIB_STRUCTURE r;
    EXPECT_EQ(r.ui_stg_edition, 1u);
    EXPECT_EQ(r.ui_stg_version_table2, 1u);
    EXPECT_EQ(r.ui_stg_centre, 85u);
    EXPECT_EQ(r.ui_stg_processus, 255u);
    EXPECT_EQ(r.ui_stg_section2, 1u);
    EXPECT_EQ(r.ui_stg_section3, 0u);
    EXPECT_EQ(r.ui_stg_parametre, 0u);
    EXPECT_EQ(r.ui_stg_cle_date, 0u);
    EXPECT_FLOAT_EQ(r.f_stg_ll_la1, 0.0f);
    EXPECT_EQ(r.pf_stg_valeurs, nullptr);
    EXPECT_EQ(r.ppf_stg_matrices, nullptr);
    EXPECT_EQ(r.d_stg_maximum, 0.0);
}

// The decoder and encoder inherit the cursor, the model and the record: each
// field and each vInit must still be reachable without ambiguity.
TEST(GribStructure, DecodeurEtCodeurSansAmbiguite)
{
    CLASS_GRIB_GET a;
    EXPECT_EQ(a.ui_code_absent, 0u);
    EXPECT_EQ(a.ui_sections_decodees, 0u);
    EXPECT_EQ(a.ui_valeurs_decodees, 0u);
    a.ui_s1_parametre = 33;
    a.ui_stg_parametre = 34;
    a.CLASS_GRIB_SECTIONS::vInit();
    EXPECT_EQ(a.ui_s1_parametre, 0u);
    EXPECT_EQ(a.ui_stg_parametre, 34u);
    unsigned char tampon[4] = {0xAB, 0xCD, 0, 0};
    a.vChange(tampon, 0);
    EXPECT_EQ(a.ulRead(8), 0xABu);
    a.CLASS_CODES_BIT::vInit(0);
    EXPECT_EQ(a.ulTell(), 0u);
    EXPECT_STREQ(a.spc_class_name, "CLASS_GRIB_GET");

    CLASS_GRIB_PUT e;
    EXPECT_EQ(e.puc_message, nullptr);
    EXPECT_EQ(e.ui_longueur_message, 0u);
    // The worker hands a decoded record to the encoder by assignment.
    a.ui_stg_ll_ni = 4;
    a.f_stg_ll_la1 = 50.0f;
    static_cast<CLASS_GRIB_STRUCTURE&>(e) = a;
    EXPECT_EQ(e.ui_stg_parametre, 34u);
    EXPECT_EQ(e.ui_stg_ll_ni, 4u);
    EXPECT_FLOAT_EQ(e.f_stg_ll_la1, 50.0f);
    EXPECT_EQ(e.ui_s1_parametre, 0u);
    EXPECT_STREQ(e.spc_class_name, "CLASS_GRIB_PUT");
}

TEST(GribNivech, Niveaux)
{
    CLASS_GRIB_NIVECH n;
    unsigned niveau = 77;
    EXPECT_EQ(n.iGetNiveau(102, 0, 0, niveau), 0);
    EXPECT_EQ(niveau, 0u);
    for (unsigned type : {0u, 1u, 7u, 8u, 20u, 99u}) {
        niveau = 77;
        EXPECT_EQ(n.iGetNiveau(type, 1, 2, niveau), 0) << type;
        EXPECT_EQ(niveau, 0u) << type;
    }
    for (unsigned type : {100u, 103u, 105u, 107u, 109u, 111u, 160u, 221u}) {
        EXPECT_EQ(n.iGetNiveau(type, 1, 244, niveau), 4) << type;
        EXPECT_EQ(niveau, 500u) << type;
    }
    for (unsigned type : {101u, 104u, 106u, 110u, 112u, 200u, 255u}) {
        niveau = 77;
        EXPECT_EQ(n.iGetNiveau(type, 1, 244, niveau), 3) << type;
        EXPECT_EQ(niveau, 0u) << type;
    }
}

TEST(GribNivech, NiveauType8SigneSousZeroCelsius)
{
    CLASS_GRIB_NIVECH n;
    unsigned niveau = 77;
    // Only centre 85 with table version 196 converts.
    EXPECT_EQ(n.iGetNiveau(8, 108, 167, niveau), 0);
    EXPECT_EQ(niveau, 0u);
    n.vSetCentreVersionTable2(85, 1);
    EXPECT_EQ(n.iGetNiveau(8, 108, 167, niveau), 0);
    n.vSetCentreVersionTable2(98, 196);
    EXPECT_EQ(n.iGetNiveau(8, 108, 167, niveau), 0);
    n.vSetCentreVersionTable2(85, 196);
    EXPECT_EQ(n.iGetNiveau(8, 108, 167, niveau), 4);  // 27815
    EXPECT_EQ((int)niveau, 5);
    EXPECT_EQ(n.iGetNiveau(8, 106, 179, niveau), 4);  // 27315
    EXPECT_EQ((int)niveau, 0);
    EXPECT_EQ(n.iGetNiveau(8, 102, 203, niveau), 4);  // 26315
    EXPECT_EQ((int)niveau, -10);
    EXPECT_EQ(n.iGetNiveau(8, 0, 0, niveau), 4);
    EXPECT_EQ((int)niveau, -273);
    EXPECT_EQ(n.iGetNiveau(8, 255, 255, niveau), 4);
    EXPECT_EQ((int)niveau, 382);
}

TEST(GribNivech, Echeances)
{
    CLASS_GRIB_NIVECH n;
    unsigned e = 77;
    EXPECT_EQ(n.iGetEcheance(0, 12, 5, e), 1);
    EXPECT_EQ(e, 12u);
    EXPECT_EQ(n.iGetEcheance(1, 12, 5, e), 0);
    EXPECT_EQ(e, 0u);
    EXPECT_EQ(n.iGetEcheance(10, 1, 44, e), 4);
    EXPECT_EQ(e, 300u);
    EXPECT_EQ(n.iGetEcheance(123, 12, 5, e), 2);
    EXPECT_EQ(e, 5u);
    EXPECT_EQ(n.iGetEcheance(124, 12, 6, e), 2);
    EXPECT_EQ(e, 6u);
    // Indicators 2 to 5 (and every other) carry no range here.
    for (unsigned i : {2u, 3u, 4u, 5u, 113u, 114u, 255u}) {
        e = 77;
        EXPECT_EQ(n.iGetEcheance(i, 12, 6, e), 3) << i;
        EXPECT_EQ(e, 0u) << i;
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
    s.ui_s1_annee = 26;
    s.ui_s1_mois = 7;
    s.ui_s1_jour = 5;
    s.ui_s1_heure = 18;
    s.ui_s1_minute = 30;  // minutes are not part of the reference
    EXPECT_EQ(utc(s.timetDateDeReference()), "2026-07-05 18:00:00");
}

TEST(GribDates, UnitesDeTemps)
{
    S s;
    time_t r = s.timetDateDeReference(26, 1, 5, 0);
    EXPECT_EQ(s.timetDateDeValidite(r, 0, 90, 0, 0), r + 5400);
    EXPECT_EQ(s.timetDateDeValidite(r, 1, 6, 0, 0), r + 6 * 3600);
    EXPECT_EQ(s.timetDateDeValidite(r, 2, 2, 0, 0), r + 2 * 86400);
    EXPECT_EQ(s.timetDateDeValidite(r, 3, 1, 0, 0), r + 30 * 86400);
    EXPECT_EQ(s.timetDateDeValidite(r, 4, 1, 0, 0), r + 365 * 86400);
    EXPECT_EQ(s.timetDateDeValidite(r, 5, 1, 0, 0), r + 315360000);
    EXPECT_EQ(s.timetDateDeValidite(r, 6, 1, 0, 0), r + 946080000);
    EXPECT_EQ(s.timetDateDeValidite(r, 7, 1, 0, 0), r + 3153600000L);
    // Ranges are counted in unsigned 32 bits: two centuries wrap.
    EXPECT_EQ(s.timetDateDeValidite(r, 7, 2, 0, 0), r + (6307200000L - 4294967296L));
    EXPECT_EQ(s.timetDateDeValidite(r, 254, 45, 0, 0), r + 45);
    for (unsigned unite : {8u, 9u, 13u, 253u, 255u})
        EXPECT_EQ(s.timetDateDeValidite(r, unite, 6, 6, 0), r) << unite;
    for (unsigned unite : {10u, 11u, 12u})  // 3, 6 and 12 hours
        EXPECT_EQ(s.timetDateDeValidite(r, unite, 6, 6, 0),
                  r + 6 * 3 * 3600 * (1 << (unite - 10))) << unite;
}

TEST(GribDates, IndicateursDePeriode)
{
    S s;
    time_t r = 1767571200;  // 2026-01-05 00:00 UTC
    EXPECT_EQ(s.timetDateDeValidite(r, 1, 6, 12, 0), r + 6 * 3600);
    EXPECT_EQ(s.timetDateDeValidite(r, 1, 6, 12, 1), r);
    for (unsigned i : {2u, 3u, 4u, 5u})
        EXPECT_EQ(s.timetDateDeValidite(r, 1, 6, 12, i), r + 12 * 3600) << i;
    EXPECT_EQ(s.timetDateDeValidite(r, 1, 1, 44, 10), r + 300 * 3600);
    for (unsigned i : {113u, 114u})
        EXPECT_EQ(s.timetDateDeValidite(r, 1, 6, 12, i), r + 6 * 3600) << i;
    for (unsigned i : {6u, 7u, 51u, 115u, 123u, 124u, 255u})
        EXPECT_EQ(s.timetDateDeValidite(r, 1, 6, 12, i), r) << i;
}

TEST(GribDates, ValiditeDuModele)
{
    S s;
    s.ui_s1_annee = 26;
    s.ui_s1_mois = 1;
    s.ui_s1_jour = 5;
    s.ui_s1_heure = 0;
    s.ui_s1_unite_temps = 1;
    s.ui_s1_p1 = 1;
    s.ui_s1_p2 = 44;
    s.ui_s1_indicateur = 10;
    EXPECT_EQ(utc(s.timetDateDeValidite(0)), "2026-01-17 12:00:00");
    // A given reference is used as it stands.
    EXPECT_EQ(s.timetDateDeValidite(3600), 3600 + 300 * 3600);
}
