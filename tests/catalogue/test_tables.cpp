// The product tables against the rules their readers rely on: row counts,
// button numbers unique and within their family's range, zone chart
// buttons, and object codes the request text can carry.
#include "catalogue/bulletins.h"
#include "catalogue/images_produits.h"
#include "catalogue/lignes.h"

#include <gtest/gtest.h>
#include <map>
#include <regex>
#include <string>
#include <vector>

namespace {

// Every button number of the tables with the table it comes from, and
// every object code.
struct Numero {
    int numero;
    int min, max;
    std::string table;
};

template <typename Ligne>
void vPaires(const Ligne* table, const char* nom, int min, int max, std::vector<Numero>& numeros,
             std::vector<std::string>& codes)
{
    for (const Ligne* l = table; l->libelle; ++l)
        for (const TYPEDEF_PAIRE_BULLETIN& p : l->paires) {
            EXPECT_EQ(p.code == nullptr, p.numero == 0) << nom << " " << l->libelle;
            if (p.code) {
                numeros.push_back({p.numero, min, max, nom});
                codes.push_back(p.code);
            }
        }
}

template <typename Ligne>
void vImages(const Ligne* table, const char* nom, int min, int max, std::vector<Numero>& numeros,
             std::vector<std::string>& codes)
{
    for (const Ligne* l = table; l->libelle; ++l) {
        numeros.push_back({l->numero, min, max, nom});
        codes.push_back(l->code);
    }
}

struct Tout {
    std::vector<Numero> numeros;
    std::vector<std::string> codes;
    Tout()
    {
        vPaires(BULLETINS_LARGE, "large", 4000, 4499, numeros, codes);
        vPaires(BULLETINS_COTES, "cotes", 4500, 4999, numeros, codes);
        vPaires(BULLETINS_NAVTEX, "navtex", 5000, 6999, numeros, codes);
        vImages(SATELLITES, "satellites", 1001, 1013, numeros, codes);
        vImages(PREISOS, "preisos", 2001, 2005, numeros, codes);
    }
};

// The chart buttons: {number, first bulletin's number, file}.
template <typename Ligne>
void vCartes(const Ligne* table, std::vector<Numero>& cartes)
{
    for (const Ligne* l = table; l->libelle; ++l) {
        EXPECT_EQ(l->image == nullptr, l->fichier == nullptr) << l->libelle;
        EXPECT_EQ(l->fichier == nullptr, l->numeroCarte == 0) << l->libelle;
        if (l->fichier) {
            EXPECT_EQ(l->numeroCarte, l->paires[0].numero + 9) << l->libelle;
            cartes.push_back({l->numeroCarte, 0, 0, l->fichier});
        }
    }
}

}  // namespace

TEST(TablesProduits, RowCounts)
{
    EXPECT_EQ(iNombreLignes(BULLETINS_LARGE), 12);
    EXPECT_EQ(iNombreLignes(BULLETINS_COTES), 12);
    EXPECT_EQ(iNombreLignes(BULLETINS_NAVTEX), 27);
    EXPECT_EQ(iNombreLignes(SATELLITES), 12);
    EXPECT_EQ(iNombreLignes(PREISOS), 5);
}

TEST(TablesProduits, NumbersAreUniqueAndInTheirFamilysRange)
{
    const Tout t;
    std::map<int, std::string> vus;
    for (const Numero& n : t.numeros) {
        EXPECT_GE(n.numero, n.min) << n.table;
        EXPECT_LE(n.numero, n.max) << n.table;
        EXPECT_TRUE(vus.emplace(n.numero, n.table).second)
            << n.numero << " in " << n.table << " and " << vus[n.numero];
    }
    // Offshore 24, coastal 24, NAVTEX 55, satellites 12, charts 5.
    EXPECT_EQ(vus.size(), 120u);
}

// A chart button opens its chart instead of entering the request: its
// number is the first bulletin's + 9, and no other product number ends in
// 9 (the Metareas 9 and 19 are told apart by the callback).
TEST(TablesProduits, OnlyChartButtonsEndIn9)
{
    std::vector<Numero> cartes;
    vCartes(BULLETINS_LARGE, cartes);
    vCartes(BULLETINS_COTES, cartes);
    vCartes(BULLETINS_NAVTEX, cartes);
    std::map<int, std::string> attendues = {
        {4009, "zones_rfi.pl"},       {4019, "zones_ism.pl"},       {4079, "zones_caledonie.pl"},
        {4089, "zones_polynesie.pl"}, {4099, "zones_antilles.pl"}, {4509, "zones_cotes.pl"}};
    std::map<int, std::string> trouvees;
    for (const Numero& c : cartes)
        trouvees[c.numero] = c.table;
    EXPECT_EQ(trouvees, attendues);
    for (const Numero& n : Tout().numeros)
        EXPECT_NE(n.numero % 10, 9) << n.numero << " (" << n.table << ")";
}

TEST(TablesProduits, CodesFitTheRequestText)
{
    const std::regex forme("[A-Za-z0-9_-]{1,47}");
    const Tout t;
    EXPECT_EQ(t.codes.size(), 120u);
    for (const std::string& c : t.codes)
        EXPECT_TRUE(std::regex_match(c, forme)) << c;
}

