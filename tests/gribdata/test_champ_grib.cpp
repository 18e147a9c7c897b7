// The field decoder on messages built octet by octet.
#include "grib_test.h"

#include "gribdata/champ_grib.h"
#include "gribdata/globales.h"

#include <cstring>
#include <gtest/gtest.h>
#include <vector>

namespace {

// Decodes from a heap copy of exactly `longueur` bytes, so that ASan sees
// any read past them.
int decode(Grib& g, const std::string& octets, size_t longueur)
{
    std::vector<unsigned char> copie(octets.begin(), octets.begin() + long(longueur));
    const int code = g.set(copie.data(), unsigned(longueur));
    g.message = nullptr;  // the copy goes away
    return code;
}

int decode(Grib& g, const MessageTest& m)
{
    const std::string octets = m.octets();
    return decode(g, octets, octets.size());
}

int code(const MessageTest& m)
{
    Grib g;
    return decode(g, m);
}

}  // namespace

TEST(GribSet, DecodesAServiceMessage)
{
    MessageTest m;
    m.parametre = 33;
    m.typeNiveau = 105;
    m.niveau = 10;
    m.p1 = 6;
    m.R = 0.5;
    m.donnees = {0, 1, 2, 253, 254, 255};
    Grib g;
    ASSERT_EQ(decode(g, m), 0);
    const float attendu[] = {0.5f, 1.5f, 2.5f, 253.5f, 254.5f, 255.5f};
    ASSERT_NE(g.valeurs, nullptr);
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(g.valeurs[k], attendu[k]) << k;
    EXPECT_EQ(g.valeurs2, nullptr);
    EXPECT_EQ(g.ni, 3);
    EXPECT_EQ(g.nj, 2);
    EXPECT_EQ(g.la1, 48000);
    EXPECT_EQ(g.lo1, -8000);
    EXPECT_EQ(g.la2, 47000);
    EXPECT_EQ(g.lo2, -6000);
    EXPECT_EQ(g.di, 1000);
    EXPECT_EQ(g.bitsParValeur, 8);
    EXPECT_EQ(g.centre, 85);
    EXPECT_EQ(g.process, 78);
    EXPECT_EQ(g.edition, 1);
    EXPECT_EQ(g.bitmap, 0);
    EXPECT_EQ(g.niveau, 10);
    EXPECT_EQ(g.echeance, 6);
    EXPECT_EQ(g.annee, 2026);
    EXPECT_EQ(g.anneeSiecle, 26);
    EXPECT_EQ(g.siecle, 21);
    EXPECT_EQ(g.tValidite, 1796580000);
    EXPECT_STREQ(g.description, "Composante zonale (U) du vent à 10 mètres (noeud)");
    EXPECT_FLOAT_EQ(g.facteurAffichage, 1.852f);
}

TEST(GribSet, ScalesValuesInDouble)
{
    MessageTest m;
    m.ni = 1;
    m.nj = 1;
    m.donnees = {10};
    m.D = 2;
    m.E = -1;
    m.R = 1000;
    Grib g;
    ASSERT_EQ(decode(g, m), 0);
    EXPECT_EQ(g.valeurs[0], float(10.05));
    m.D = -1;
    ASSERT_EQ(decode(g, m), 0);
    EXPECT_EQ(g.valeurs[0], 10050.0f);
    m.D = 0;
    m.E = 3;
    m.R = -20.25;
    ASSERT_EQ(decode(g, m), 0);
    EXPECT_EQ(g.valeurs[0], 59.75f);
    EXPECT_DOUBLE_EQ(g.reference, -20.25);
}

TEST(GribSet, PointsOffTheBitMapAreAbsent)
{
    MessageTest m;
    m.carte = std::vector<bool>{false, true, true, false, true, false};
    m.donnees = {7, 8, 9};
    Grib g;
    ASSERT_EQ(decode(g, m), 0);
    EXPECT_EQ(g.bitmap, 1);
    const float attendu[] = {GRIB_ABSENT, 7, 8, GRIB_ABSENT, 9, GRIB_ABSENT};
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(g.valeurs[k], attendu[k]) << k;
    uint32_t bits;
    std::memcpy(&bits, &GRIB_ABSENT, 4);
    EXPECT_EQ(bits, 0x02081CEAu);
}

TEST(GribSet, AGridAcrossTheAntimeridianStartsWest)
{
    MessageTest m;
    m.lo1 = 350000;
    m.lo2 = 10000;
    m.la1 = -12000;  // sign and magnitude
    Grib g;
    ASSERT_EQ(decode(g, m), 0);
    EXPECT_EQ(g.lo1, -10000);
    EXPECT_EQ(g.lo2, 10000);
    EXPECT_EQ(g.la1, -12000);
}

TEST(GribSet, RefusesWhatTheServiceDoesNotSend)
{
    MessageTest m;
    EXPECT_EQ(code(m), 0);
    m.table = 196;
    EXPECT_EQ(code(m), 0);
    m.table = 2;
    EXPECT_EQ(code(m), GRIB_ORIGINE);
    m = MessageTest();
    m.centre = 98;
    m.process = 131;
    EXPECT_EQ(code(m), GRIB_ORIGINE);
    m.centre = 7;
    EXPECT_EQ(code(m), GRIB_ORIGINE);
    m = MessageTest();
    m.process = 200;
    EXPECT_EQ(code(m), GRIB_ORIGINE);
    for (int p : {1, 10, 14, 41, 52, 86, 91, 111, 113, 211}) {
        m.process = p;
        EXPECT_EQ(code(m), 0) << p;
    }
    m = MessageTest();
    m.representation = 1;
    EXPECT_EQ(code(m), GRIB_REPRESENTATION);
    m = MessageTest();
    m.resolution = 0x88;
    EXPECT_EQ(code(m), GRIB_RESOLUTION);
    m = MessageTest();
    m.balayage = 64;
    EXPECT_EQ(code(m), GRIB_BALAYAGE);
    m = MessageTest();
    m.bits = 12;
    EXPECT_EQ(code(m), GRIB_SECTION4);
    for (int drapeau : {0x80, 0x40, 0x20, 0x10}) {
        m = MessageTest();
        m.drapeaux4 = drapeau;
        EXPECT_EQ(code(m), GRIB_COMPACTAGE) << drapeau;
    }
    m = MessageTest();
    m.drapeaux4 = 0x08;  // unused bits at the end: allowed
    EXPECT_EQ(code(m), 0);
}

TEST(GribSet, ChecksLengthsAgainstTheMessage)
{
    const std::string octets = MessageTest().octets();
    Grib g;
    EXPECT_EQ(decode(g, octets, octets.size() - 1), GRIB_TRONQUE);
    EXPECT_EQ(decode(g, octets, 7), GRIB_TRONQUE);
    EXPECT_EQ(g.set(nullptr, 100), GRIB_TRONQUE);
    // Section 4 ends 3 bytes before the end of the message.
    std::string court = octets.substr(0, octets.size() - 1);
    court[6] = char(court.size());
    EXPECT_EQ(decode(g, court, court.size()), GRIB_FIN);
    EXPECT_NE(g.valeurs, nullptr);
}

TEST(GribSet, ReadsTheLevelAndForecastRangeItsOwnWay)
{
    MessageTest m;
    m.typeNiveau = 160;
    m.parametre = 11;
    m.niveau = 50;
    Grib g;
    ASSERT_EQ(decode(g, m), 0);
    EXPECT_STREQ(g.description, "Température de l'eau à 50 mètres (degré Celsius)");
    EXPECT_FLOAT_EQ(g.decalageAffichage, 273.15f);
    EXPECT_EQ(g.iGetNiveau(), 4);
    g.typeNiveau = 102;
    EXPECT_EQ(g.iGetNiveau(), 0);
    EXPECT_EQ(g.niveau, 0);
    g.typeNiveau = 99;
    EXPECT_EQ(g.iGetNiveau(), 0);
    g.typeNiveau = 112;
    EXPECT_EQ(g.iGetNiveau(), 3);
    g.typeNiveau = 8;
    EXPECT_EQ(g.iGetNiveau(), 0);
    g.table = 196;
    EXPECT_EQ(g.iGetNiveau(), 4);
    EXPECT_EQ(g.niveau, 50);

    g.p1 = 1;
    g.p2 = 44;
    const struct {
        int indicateur, reponse, echeance;
    } cas[] = {{0, 1, 1},   {1, 0, 0},   {4, 1, 44},   {10, 4, 300},
               {123, 2, 44}, {124, 2, 44}, {2, 3, 0}};
    for (const auto& c : cas) {
        g.indicateur = c.indicateur;
        EXPECT_EQ(g.iGetEcheance(), c.reponse) << c.indicateur;
        EXPECT_EQ(g.echeance, c.echeance) << c.indicateur;
    }
}

TEST(GribDescription, TextsOffsetsAndFactors)
{
    const struct {
        int typeNiveau, parametre, niveau;
        const char* texte;
        float decalage, facteur;
    } cas[] = {
        {102, 2, 0, "Pression réduite au niveau de la mer (hectopascal)", 0, 0.01f},
        {102, 11, 0, "Température de la mer en surface (degré Celsius)", 273.15f, 1},
        {102, 250, 0, "Inconnu 102", 0, 1},
        {1, 111, 0, "Flux solaire integré (J*m**-2)", 0, 1},
        {1, 61, 0, "Inconnu 1", 0, 1},
        {8, 221, 28815, "Profondeur de l'isotherme 15.0 degrés (mètre)", 0, 1},
        {8, 11, 0, "Inconnu 8", 0, 1},
        {105, 34, 10, "Composante meridienne (V) du vent à 10 mètres (noeud)", 0, 1.852f},
        {105, 2, 10, "Inconnu 105", 0, 1},
        {160, 50, 65535,
         "Composante meridienne (V) du courant à 65535 mètres (centimètre par seconde)", 0,
         0.01f},
        {160, 1, 5, "Inconnu 160", 0, 1},
        {100, 2, 850, "Inconnu", 0, 1},
    };
    for (const auto& c : cas) {
        MessageTest m;
        m.typeNiveau = c.typeNiveau;
        m.parametre = c.parametre;
        m.niveau = c.niveau;
        m.table = c.typeNiveau == 8 ? 196 : 1;
        Grib g;
        ASSERT_EQ(decode(g, m), 0);
        EXPECT_STREQ(g.description, c.texte);
        EXPECT_FLOAT_EQ(g.decalageAffichage, c.decalage) << c.texte;
        EXPECT_FLOAT_EQ(g.facteurAffichage, c.facteur) << c.texte;
    }
}

TEST(GribDates, ValidityReferenceAndDisplayShift)
{
    MessageTest m;  // 2026-12-06 12 h
    m.minute = 30;
    m.indicateur = 4;
    m.p1 = 6;
    m.p2 = 12;
    Grib g;
    ASSERT_EQ(decode(g, m), 0);
    EXPECT_EQ(g.timetDateDeReference(), 1796558400);
    EXPECT_EQ(g.tValidite, 1796558400 + 12 * 3600);
    EXPECT_EQ(g.dateValidite.tm_mday, 7);
    EXPECT_EQ(g.dateValidite.tm_hour, 0);
    EXPECT_EQ(g.dateReference.tm_hour, 12);
    EXPECT_EQ(g.dateReference.tm_min, 30);
    EXPECT_EQ(g.dateReference.tm_mon, 11);
    EXPECT_STREQ(g.strGetEcheance(0), "6h >-< 12h");
    EXPECT_STREQ(g.strGetEcheance(3), "3h >-< 12h");

    const int ancien = decalage;
    decalage = -3 * 3600;
    EXPECT_EQ(g.timetDateDeValidite(), g.tValidite - 3 * 3600);
    EXPECT_EQ(g.dateValiditeAffichage.tm_hour, 21);
    EXPECT_EQ(g.dateValiditeAffichage.tm_mday, 6);
    decalage = ancien;

    m = MessageTest();
    m.p1 = 24;
    ASSERT_EQ(decode(g, m), 0);
    EXPECT_STREQ(g.strGetEcheance(0), "+24h");
    m.unite = 11;  // 6 hours
    ASSERT_EQ(decode(g, m), 0);
    EXPECT_EQ(g.tValidite, 1796558400 + 24 * 6 * 3600);
    m.unite = 13;  // no fixed length: no validity
    ASSERT_EQ(decode(g, m), 0);
    EXPECT_EQ(g.tValidite, 0);
}

// Run under ASan: every array is released once.
TEST(GribLifecycle, ResetReleasesTheArrays)
{
    Grib g;
    EXPECT_EQ(g.anneeSiecle, 1970);
    EXPECT_EQ(g.mois, 1);
    EXPECT_EQ(g.jour, 1);
    EXPECT_FLOAT_EQ(g.facteurAffichage, 1.0f);
    ASSERT_EQ(decode(g, MessageTest()), 0);
    g.valeurs2 = new float[6];
    ASSERT_EQ(decode(g, MessageTest()), 0);
    EXPECT_EQ(g.valeurs2, nullptr);
    g.init();
    EXPECT_EQ(g.valeurs, nullptr);
    EXPECT_EQ(g.anneeSiecle, 1970);
    EXPECT_STREQ(g.description, "");
}

TEST(GribPrint, DebugListingShowsTheGrid)
{
    MessageTest m;
    m.di = 83;
    Grib g;
    ASSERT_EQ(decode(g, m), 0);
    testing::internal::CaptureStdout();
    g.printdcmp();
    const std::string texte = testing::internal::GetCapturedStdout();
    EXPECT_NE(texte.find("   long tbl  ct mod 3 par tnv niv aammjjhhmn t ech pro"),
              std::string::npos);
    EXPECT_NE(texte.find("Ni 3 Nj 2 La1 48.000 Lo1 -8.000 La2 47.000 Lo2 -6.000 Di 0.0833"),
              std::string::npos)
        << texte;
    EXPECT_NE(texte.find("1 2 3\n4 5 6\n"), std::string::npos) << texte;
}
