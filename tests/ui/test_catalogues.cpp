// The catalogues shipped in data/loc: every key the sources look up is in
// each of the four languages, and their texts are fit to be shown.
#include "ui/local.h"

#include "gribdata/modeles.h"
#include "gribdata/parametres.h"

#include "tests/outils/outils_test.h"

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace {

const char* const LANGUES[] = {"fr", "en", "de", "sp"};

std::string sansEchappements(const std::string& s)
{
    std::string r;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 1 < s.size()) {
            ++i;
            r += s[i] == 'n' ? '\n' : s[i];
        } else {
            r += s[i];
        }
    }
    return r;
}

// The keys of every catalogue look-up and every CLE_LOCAL of the program's
// sources (the tests are not the program).
std::set<std::string> clesDesSources()
{
    static const std::regex appel(
        R"((?:langage->get|pcTraduire|CLE_LOCAL)\s*\(\s*"((?:[^"\\]|\\.)*)\"\s*\))");
    std::set<std::string> cles;
    std::istringstream dossiers(QUENBREL_DOSSIERS);  // every library, and tools/
    for (std::string dossier; std::getline(dossiers, dossier, ',');) {
        const std::filesystem::path racine = std::filesystem::path(QUENBREL_SOURCE_DIR) / dossier;
        if (!std::filesystem::is_directory(racine))
            continue;
        for (const auto& f : std::filesystem::recursive_directory_iterator(racine)) {
            const std::string ext = f.path().extension().string();
            if (ext != ".cpp" && ext != ".h")
                continue;
            const std::string texte = lireFichier(f.path());
            for (std::sregex_iterator m(texte.begin(), texte.end(), appel), fin; m != fin; ++m)
                cles.insert(sansEchappements((*m)[1].str()));
        }
    }
    cles.erase("texte");  // the marker's own definition
    return cles;
}

// Valid UTF-8, as the C library's UTF-8 conversion tells.
bool bUtf8(const std::string& s)
{
    static const bool utf8 = std::setlocale(LC_CTYPE, "C.UTF-8") != nullptr;
    return utf8 && std::mbstowcs(nullptr, s.c_str(), 0) != size_t(-1);
}

class Catalogues : public ::testing::Test {
protected:
    Catalogues() : ici(std::string(QUENBREL_SOURCE_DIR) + "/data") {}
    DossierCourant ici;
};

}  // namespace

TEST_F(Catalogues, EveryKeyTheSourcesLookUpIsInEveryLanguage)
{
    const std::set<std::string> cles = clesDesSources();
    ASSERT_TRUE(cles.count("DateFormat"));
    ASSERT_TRUE(cles.count("Commander des produits"));
    for (const char* code : LANGUES) {
        local l(code);
        ASSERT_GT(l.nombre(), 0) << code;
        for (const std::string& cle : cles) {
            l.get(cle.c_str());
            EXPECT_NE(l.courant, nullptr) << code << ": \"" << cle << "\" is missing";
        }
    }
}

// The model buttons of the request page show their labels translated.
TEST_F(Catalogues, TheOfferedModelsLabelsAreInEveryLanguage)
{
    for (const char* code : LANGUES) {
        local l(code);
        for (const TYPEDEF_MODELE* m : modelesProposes()) {
            l.get(m->libelleCourt);
            EXPECT_NE(l.courant, nullptr) << code << ": \"" << m->libelleCourt << "\" is missing";
        }
    }
}

// The parameter line under the map shows the descriptions translated.
TEST_F(Catalogues, TheParameterDescriptionsAreInEveryLanguage)
{
    for (const char* code : LANGUES) {
        local l(code);
        for (const TableParametres* t : {&ST_PARAMETRES, &ST_PARAMETRES2})
            for (const TYPEDEF_PARAMETRE& p : *t) {
                if (!p.description)
                    continue;
                l.get(p.description);
                EXPECT_NE(l.courant, nullptr) << code << ": \"" << p.description << "\" is missing";
            }
    }
}

// The same keys in the four languages, each once, with texts that are
// UTF-8 and bring no menu level.
TEST_F(Catalogues, TheFourLanguagesHaveTheSameKeysAndFitTexts)
{
    std::set<std::string> reference;
    for (const char* code : LANGUES) {
        local l(code);
        std::set<std::string> cles;
        for (const TYPEDEF_LOCAL* e = l.premier; e; e = e->suivant) {
            const std::string cle = e->identificateur, texte = e->association;
            EXPECT_TRUE(cles.insert(cle).second) << code << ": \"" << cle << "\" twice";
            EXPECT_TRUE(bUtf8(texte) && !texte.empty()) << code << ": " << cle;
            // A "/" in a menu label opens a submenu; the date format is no label.
            EXPECT_TRUE(cle == "DateFormat" || cle.find('/') != std::string::npos ||
                        texte.find('/') == std::string::npos)
                << code << ": " << cle;
        }
        if (reference.empty())
            reference = cles;
        EXPECT_EQ(cles, reference) << code;
    }
}
