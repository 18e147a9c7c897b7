// Code-table texts and the model-parameter file, from the tables shipped in
// data/grib and from small tables made here.
#include "codes/grib_base.h"
#include "codes/grib_modech.h"
#include "codes/grib_tables.h"
#include "journal_capture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <tuple>

namespace {
using T = CLASS_GRIB_TABLES;

const std::string DONNEES = std::string(QUENBREL_SOURCE_DIR) + "/data";
const std::string ECCODES = "/usr/share/eccodes/definitions/grib1/";

std::string texte(const char* p)
{
    return p ? std::string(p) : std::string("(null)");
}

void tables(const std::string& racine)
{
    setenv("ZELpGbTables", racine.c_str(), 1);
}

// A table root of its own under the test's folder.
std::string racine(const std::string& nom)
{
    std::string chemin = std::string(QUENBREL_TEST_DIR) + "/" + nom;
    mkdir(chemin.c_str(), 0700);
    mkdir((chemin + "/grib").c_str(), 0700);
    return chemin;
}

void ecrire(const std::string& chemin, const std::string& contenu)
{
    mkdir(chemin.substr(0, chemin.rfind('/')).c_str(), 0700);
    std::ofstream(chemin) << contenu;
}

std::string defaut(int centre, int table, int valeur, int position)
{
    return "indicateur non repertorie centre:" + std::to_string(centre) +
           " table:" + std::to_string(table) + " parametre:" + std::to_string(valeur) +
           " position:" + std::to_string(position) + "\n";
}
}

// The WMO tables' entries: see the next test, against eccodes.
TEST(GribTables, TitresEtTablesDuCentre)
{
    tables(DONNEES);
    T t;
    EXPECT_EQ(texte(t.cpcGetTitle(85, 1, 2)),
              "999 Table 2 (centre 85, version 1) : parametres locaux\n");
    for (auto [centre, version, table] : {std::tuple{-1, 1, 6}, {-1, 7, 2}, {98, 1, 2}})
        EXPECT_EQ(t.cpcGetTitle(centre, version, table), nullptr) << centre << version << table;
    // The service's own parameters come from the centre's table; a local
    // version above 127 reads the WMO versions 0 to 2.
    t.vSet(85, 1);
    EXPECT_EQ(texte(t.cpcGetEntry(2, 200, 0)), "200 Direction mer totale Degree true\n");
    t.vSet(98, 1);
    EXPECT_EQ(texte(t.cpcGetEntry(2, 200, 0)), defaut(98, 2, 200, 0));
    t.vSet(85, 196);
    EXPECT_EQ(texte(t.cpcGetEntry(3, 8, 0)), "8 Nominal top of atmosphere\n");
}

// Every code eccodes lists in the WMO tables 3, 4, 5 and 2 has a text here.
TEST(GribTables, ToutesLesEntreesDesTablesOmm)
{
    std::ifstream essai(ECCODES + "3.table");
    if (!essai)
        GTEST_SKIP() << "libeccodes-data is not installed";
    tables(DONNEES);
    T t;
    t.vSet(0, 1);
    struct {
        const char* fichier;
        int table;
    } sources[] = {{"3.table", 3}, {"4.table", 4}, {"5.table", 5}, {"2.0.1.table", 2}};
    for (auto& source : sources) {
        std::ifstream in(ECCODES + source.fichier);
        std::string ligne;
        int vues = 0;
        while (std::getline(in, ligne)) {
            int code;
            if (sscanf(ligne.c_str(), "%d", &code) != 1)
                continue;
            std::string mot = ligne.substr(ligne.rfind(' ') + 1);
            std::string entree = texte(t.cpcGetEntry(source.table, code, 0));
            EXPECT_EQ(entree.rfind(std::to_string(code) + " ", 0), 0u) << entree;
            EXPECT_NE(entree.find(mot), std::string::npos) << source.fichier << ": " << ligne;
            vues++;
        }
        EXPECT_GT(vues, 10) << source.fichier;
    }
}

TEST(GribTables, ClesAvecPositionEtTablesSansFichier)
{
    std::string r = racine("positions");
    ecrire(r + "/grib/omm.001/1", "23 table 1, valeur 3, position 2\n");
    ecrire(r + "/grib/omm.001/7", "5 table 7, valeur 5\n");
    tables(r);
    T t;
    t.vSet(85, 1);
    EXPECT_EQ(texte(t.cpcGetEntry(1, 3, 2)), "23 table 1, valeur 3, position 2\n");
    EXPECT_EQ(texte(t.cpcGetEntry(7, 5, 0)), "5 table 7, valeur 5\n");
    EXPECT_EQ(texte(t.cpcGetEntry(7, 5, 1)), defaut(85, 7, 5, 1));
    // Tables 9, 10, above 13 and negative are never read.
    unsetenv("ZELpGbTables");
    std::string s = sJournal([&] {
        for (int table : {9, 10, 14, 255, -1})
            EXPECT_EQ(texte(t.cpcGetEntry(table, 1, 0)), defaut(85, table, 1, 0));
    });
    EXPECT_EQ(s, "");
}

TEST(GribTables, LaDerniereVersionLueLEmporte)
{
    std::string r = racine("versions");
    ecrire(r + "/grib/omm.000/2", "999 v0\n40 version 0\n41 version 0\n42 version 0\n");
    ecrire(r + "/grib/omm.002/2", "41 version 2\n");
    ecrire(r + "/grib/omm.003/2", "40 version 3\n");
    ecrire(r + "/grib/centre.085/2.001", "42 centre 85 version 1\n");
    ecrire(r + "/grib/centre.085/2.196", "40 centre 85 version 196\n");
    tables(r);
    T t;
    // Above 127 the bound is version 2, then the exact centre version.
    const struct {
        int centre, version, code;
        const char* texte;
    } cas[] = {{85, 2, 40, "40 version 0\n"},   {85, 2, 41, "41 version 2\n"},
               {85, 2, 42, "42 centre 85 version 1\n"}, {85, 3, 40, "40 version 3\n"},
               {85, 196, 40, "40 centre 85 version 196\n"}, {86, 196, 40, "40 version 0\n"},
               {85, 0, 41, "41 version 0\n"}};
    for (const auto& c : cas) {
        t.vSet(c.centre, c.version);
        EXPECT_EQ(texte(t.cpcGetEntry(2, c.code, 0)), c.texte) << c.centre << " " << c.version;
    }
}

TEST(GribTables, FichierIncorrectEtVariableAbsente)
{
    std::string r = racine("incorrect");
    std::string longue(3000, 'x');
    ecrire(r + "/grib/omm.001/4",
           "0 Minute\nHeure sans code\n\n" + std::string("5 ") + longue + "\n1 Hour\n");
    tables(r);
    T t;
    t.vSet(0, 1);
    std::string s = sJournal([&] { EXPECT_EQ(texte(t.cpcGetEntry(4, 1, 0)), "1 Hour\n"); });
    // Two lines without a code; the tail of the long line is not taken for one.
    size_t premier = s.find("[FATAL]fichier incorrect:" + r + "/grib/omm.001/4\n");
    ASSERT_NE(premier, std::string::npos) << s;
    size_t second = s.find("[FATAL]fichier incorrect", premier + 1);
    ASSERT_NE(second, std::string::npos) << s;
    EXPECT_EQ(s.find("[FATAL]fichier incorrect", second + 1), std::string::npos) << s;
    // The long line is cut to the buffer.
    sJournal([&] { EXPECT_EQ(texte(t.cpcGetEntry(4, 5, 0)).size(), 1023u); });

    unsetenv("ZELpGbTables");
    s = sJournal([&] {
        EXPECT_EQ(texte(t.cpcGetEntry(4, 1, 0)), defaut(0, 4, 1, 0));
        EXPECT_EQ(t.cpcGetTitle(-1, 1, 4), nullptr);
    });
    EXPECT_NE(s.find("[WARNING]variable ZELpGbCodesTables non definie\n"), std::string::npos)
        << s;
    EXPECT_NE(s.find("[WARNING]Variable ZELpGbTables non definie\n"), std::string::npos) << s;
}

TEST(GribModech, FichierLivre)
{
    tables(DONNEES);
    CLASS_GRIB_MODECH m;
    EXPECT_EQ(m.ui_charge, 1u);
    EXPECT_EQ(m.ia_parametres[1][6], 176);
    EXPECT_EQ(m.ia_parametres[1][7], -1);
    EXPECT_EQ(m.ia_echeances[10][12], 72);
    EXPECT_EQ(m.ia_echeances[10][13], -1);
    EXPECT_EQ(texte(m.cpcGetNomDuModele(10)), "OCEA-MEDI");
    for (int i : {0, 11, -3})
        EXPECT_EQ(texte(m.cpcGetNomDuModele(i)), "INCONNU  ");
}

TEST(GribModech, LignesBornees)
{
    std::string r = racine("modpar");
    std::ostringstream f;
    f << "titre\n";
    for (int i = 0; i < 70; i++)
        f << i + 100 << " ";
    f << "\n\n1 2 x 3\n-4 5\n7\n8\n9\n10\n11\n12\nautre titre\n";
    for (int i = 0; i < 40; i++)
        f << i << " ";
    f << "\n";
    ecrire(r + "/grib/modpar.txt", f.str());
    tables(r);
    CLASS_GRIB_MODECH m;
    EXPECT_EQ(m.ui_charge, 1u);
    // Rows of 64: 63 numbers and the closing -1; a row without a number has
    // -1 second; a row stops at the first word that is no number; rows of
    // 36 for the ranges; rows after the end of the file stay empty.
    const std::pair<int, int> parametres[][2] = {{{62, 162}, {63, -1}}, {{0, 0}, {1, -1}},
                                                {{1, 2}, {2, -1}},       {{0, -4}, {0, -4}}};
    for (int rangee = 0; rangee < 4; ++rangee)
        for (auto [i, v] : parametres[rangee])
            EXPECT_EQ(m.ia_parametres[rangee + 1][i], v) << rangee + 1 << " " << i;
    EXPECT_EQ(m.ia_parametres[10][0], 12);
    EXPECT_EQ(m.ia_echeances[1][34] * 100 + m.ia_echeances[1][35], 34 * 100 - 1);
    EXPECT_EQ(m.ia_echeances[2][0], 0);
}

TEST(GribModech, FichierAbsent)
{
    tables(racine("vide"));
    std::string s = sJournal([] {
        CLASS_GRIB_MODECH m;
        EXPECT_EQ(m.ui_charge, 0u);
    });
    EXPECT_NE(s.find(":CLASS_GRIB_MODECH:CLASS_GRIB_MODECH\n[WARNING]fichier 'modpar.txt' "
                     "introuvable\n"),
              std::string::npos)
        << s;
    unsetenv("ZELpGbTables");
    CLASS_GRIB_MODECH m;
    EXPECT_EQ(m.ui_charge, 0u);
}
