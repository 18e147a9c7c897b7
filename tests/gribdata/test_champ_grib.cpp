// The field decoder on messages built octet by octet.
#include "grib_test.h"

#include "gribdata/champ_grib.h"
#include "gribdata/globales.h"
#include "gribdata/modeles.h"
#include "tests/outils/outils_test.h"

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

// What the comparison with grib_get_data (test_eccodes.cpp) does not see.
TEST(GribSet, DecodesAServiceMessage)
{
    MessageTest m;
    m.parametre = 33;
    m.typeNiveau = 105;
    m.niveau = 10;
    m.p1 = 6;
    m.R = 0.5;
    m.donnees = {0, 1, 2, 253, 254, 255};
    m.lo1 = 350000;  // across the antimeridian: starts west
    m.lo2 = 10000;
    m.la1 = -12000;  // sign and magnitude
    Grib g;
    ASSERT_EQ(decode(g, m), 0);
    const float attendu[] = {0.5f, 1.5f, 2.5f, 253.5f, 254.5f, 255.5f};
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(g.valeurs[k], attendu[k]) << k;
    EXPECT_EQ(g.lo1, -10000);
    EXPECT_EQ(g.lo2, 10000);
    EXPECT_EQ(g.la1, -12000);
    EXPECT_EQ(g.echeance, 6);
    EXPECT_EQ(g.tValidite, 1796580000);
    EXPECT_STREQ(g.description, "Composante zonale (U) du vent à 10 mètres (noeud)");
    EXPECT_FLOAT_EQ(g.facteurAffichage, 1.852f);
    uint32_t bits;
    std::memcpy(&bits, &GRIB_ABSENT, 4);
    EXPECT_EQ(bits, 0x02081CEAu);
}

TEST(GribSet, RefusesWhatTheServiceDoesNotSend)
{
    const struct {
        void (*changer)(MessageTest&);
        int code;
    } cas[] = {
        {[](MessageTest& m) { m.table = 196; }, 0},
        {[](MessageTest& m) { m.table = 2; }, GRIB_ORIGINE},
        {[](MessageTest& m) { m.centre = 98, m.process = 131; }, GRIB_ORIGINE},
        {[](MessageTest& m) { m.centre = 7; }, GRIB_ORIGINE},
        {[](MessageTest& m) { m.process = 200; }, GRIB_ORIGINE},
        {[](MessageTest& m) { m.representation = 1; }, GRIB_REPRESENTATION},
        {[](MessageTest& m) { m.resolution = 0x88; }, GRIB_RESOLUTION},
        {[](MessageTest& m) { m.balayage = 64; }, GRIB_BALAYAGE},
        {[](MessageTest& m) { m.bits = 12; }, GRIB_SECTION4},
        {[](MessageTest& m) { m.drapeaux4 = 0x80; }, GRIB_COMPACTAGE},
        {[](MessageTest& m) { m.drapeaux4 = 0x40; }, GRIB_COMPACTAGE},
        {[](MessageTest& m) { m.drapeaux4 = 0x20; }, GRIB_COMPACTAGE},
        {[](MessageTest& m) { m.drapeaux4 = 0x10; }, GRIB_COMPACTAGE},
        {[](MessageTest& m) { m.drapeaux4 = 0x08; }, 0},  // unused bits at the end
    };
    for (size_t k = 0; k < sizeof cas / sizeof cas[0]; ++k) {
        MessageTest m;
        cas[k].changer(m);
        EXPECT_EQ(code(m), cas[k].code) << k;
    }
    MessageTest m;
    for (int p : {1, 10, 14, 41, 52, 86, 91, 111, 113, 211}) {
        m.process = p;
        EXPECT_EQ(code(m), 0) << p;
    }
}

// Every model the catalogue offers (43, 84 and 85 among them) is drawn;
// eccodes reads the same centre and process in each message.
TEST(GribSet, EveryModelOfTheCatalogueIsDecoded)
{
    DossierTemporaire dossier;
    DossierCourant ici(dossier.chemin());
    std::string fichier, attendu;
    for (const TYPEDEF_MODELE* m = MODELES + 1; m->libelleCourt; ++m) {
        MessageTest t;
        t.process = m->code;
        EXPECT_EQ(code(t), 0) << m->code;
        fichier += t.octets();
        attendu += "85 " + std::to_string(m->code) + "\n";
    }
    if (!eccodesPresent())
        GTEST_SKIP() << "eccodes absent";
    ecrireFichier("modeles.grb", fichier);
    EXPECT_EQ(sortie("grib_get -p centre:l,generatingProcessIdentifier modeles.grb"), attendu);
}

TEST(GribSet, ReadsTheLevelAndForecastRangeItsOwnWay)
{
    MessageTest m;
    m.typeNiveau = 160;
    m.parametre = 11;
    m.niveau = 50;
    Grib g;
    ASSERT_EQ(decode(g, m), 0);
    EXPECT_EQ(g.iGetNiveau(), 4);
    const struct {
        int table, type, reponse, niveau;
    } niveaux[] = {{1, 102, 0, 0}, {1, 99, 0, 0}, {1, 112, 3, 0}, {1, 8, 0, 0}, {196, 8, 4, 50}};
    for (const auto& n : niveaux) {
        g.table = n.table;
        g.typeNiveau = n.type;
        EXPECT_EQ(g.iGetNiveau(), n.reponse) << n.type;
        EXPECT_EQ(g.niveau, n.niveau) << n.type;
    }
    g.p1 = 1;
    g.p2 = 44;
    const struct {
        int indicateur, reponse, echeance;
    } cas[] = {{0, 1, 1},   {1, 0, 0},   {4, 1, 44},  {10, 4, 300}, {123, 2, 44},
               {124, 2, 44}, {2, 3, 44}, {3, 3, 44}, {5, 3, 44},  {113, 3, 0}};
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
        {1, 111, 0, "Flux solaire integré (J*m**-2)", 0, 1},
        {8, 221, 28815, "Profondeur de l'isotherme 15.0 degrés (mètre)", 0, 1},
        {105, 34, 10, "Composante meridienne (V) du vent à 10 mètres (noeud)", 0, 1.852f},
        {160, 11, 50, "Température de l'eau à 50 mètres (degré Celsius)", 273.15f, 1},
        {160, 50, 65535,
         "Composante meridienne (V) du courant à 65535 mètres (centimètre par seconde)", 0,
         0.01f},
        {100, 2, 850, "Inconnu", 0, 1},  {102, 250, 0, "Inconnu 102", 0, 1},
        {105, 2, 10, "Inconnu 105", 0, 1},
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
    EXPECT_EQ(g.dateReference.tm_min, 30);
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
    ASSERT_EQ(decode(g, MessageTest()), 0);
    g.valeurs2 = new float[6];
    ASSERT_EQ(decode(g, MessageTest()), 0);
    EXPECT_EQ(g.valeurs2, nullptr);
    g.init();
    EXPECT_EQ(g.valeurs, nullptr);
    EXPECT_STREQ(g.description, "");
}
