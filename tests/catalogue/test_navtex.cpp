// The NAVTEX codes re-made from each row's label by the rule the table's
// header states, and the numbering of their buttons.
#include "catalogue/bulletins.h"

#include <cctype>
#include <gtest/gtest.h>
#include <string>

namespace {

std::string majuscules(std::string s)
{
    for (char& c : s)
        c = char(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

std::string remplacer(std::string s, char de, char par)
{
    for (char& c : s)
        if (c == de)
            c = par;
    return s;
}

// "<area>_<STATION>" from a label " 4 US New Orleans".
std::string station(const std::string& libelle)
{
    const std::string zone = libelle.substr(0, 2)[0] == ' ' ? libelle.substr(1, 1) : libelle.substr(0, 2);
    std::string nom = libelle.substr(6);
    if (nom == "San Francisco")
        nom = "Pt Reyes";
    nom = majuscules(nom);
    if (nom.rfind("CROSS ", 0) == 0)
        nom = "CROSS_" + remplacer(nom.substr(6), ' ', '-');
    else if (nom.find(", ") != std::string::npos)
        nom = remplacer(nom.substr(0, nom.find(", ")), ' ', '-') + "_" +
              remplacer(nom.substr(nom.find(", ") + 2), ' ', '_');
    else
        nom = remplacer(nom, ' ', '-');
    return zone + "_" + nom;
}

}  // namespace

TEST(Navtex, EveryCodeFollowsTheRuleFromItsLabel)
{
    int premiers = 0, avis = 0, vitaux = 0;
    for (const TYPEDEF_BULLETIN_NAVTEX* l = BULLETINS_NAVTEX; l->libelle; ++l) {
        const std::string libelle = l->libelle;
        ASSERT_GT(libelle.size(), 6u) << libelle;
        EXPECT_EQ(libelle[2], ' ') << libelle;
        EXPECT_EQ(libelle[5], ' ') << libelle;
        const std::string base = "NAVTEX_" + station(libelle) + "_";
        const bool zone11 = libelle.rfind("11 ", 0) == 0;
        const bool glaces = libelle.find("Ice Sea") != std::string::npos;
        ASSERT_NE(l->paires[0].code, nullptr) << libelle;
        EXPECT_EQ(l->paires[0].code, base + (glaces ? "ADVISORY" : "FORECAST"));
        ++premiers;
        if (l->paires[1].code) {
            EXPECT_EQ(l->paires[1].code, base + (zone11 ? "IMPORTANT_WARNING" : "WARNING"));
            EXPECT_EQ(l->paires[1].numero, l->paires[0].numero + 1) << libelle;
            ++avis;
        }
        if (l->paires[2].code) {
            EXPECT_EQ(l->paires[2].code, base + "VITAL_WARNING");
            EXPECT_EQ(l->paires[2].numero, l->paires[0].numero + 2) << libelle;
            EXPECT_TRUE(zone11) << libelle;
            ++vitaux;
        }
        EXPECT_EQ(l->image, nullptr);
        EXPECT_EQ(l->fichier, nullptr);
        EXPECT_EQ(l->numeroCarte, 0);
        const bool loin = zone11 || libelle.rfind("12 ", 0) == 0;
        EXPECT_GE(l->paires[0].numero, loin ? 6101 : 5001) << libelle;
        EXPECT_LE(l->paires[0].numero, loin ? 6271 : 5252) << libelle;
    }
    EXPECT_EQ(premiers, 27);
    EXPECT_EQ(avis, 23);
    EXPECT_EQ(vitaux, 5);
}

// The examples the table's header gives, spelt out.
TEST(Navtex, TheHeadersExamples)
{
    const std::string attendus[] = {"NAVTEX_4_NEW-ORLEANS_FORECAST", "NAVTEX_3_CROSS_LA-GARDE_FORECAST",
                                    "NAVTEX_2_CROSS_CORSEN_FORECAST", "NAVTEX_12_PT-REYES_FORECAST",
                                    "NAVTEX_12_KODIAK_GULF_OF_ALASKA_FORECAST",
                                    "NAVTEX_12_KODIAK_ICE_SEA_ADVISORY"};
    for (const std::string& a : attendus) {
        bool trouve = false;
        for (const TYPEDEF_BULLETIN_NAVTEX* l = BULLETINS_NAVTEX; l->libelle; ++l)
            trouve |= l->paires[0].code == a;
        EXPECT_TRUE(trouve) << a;
    }
}
