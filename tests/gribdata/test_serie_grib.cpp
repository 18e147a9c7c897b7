// A u record's v: its own series' (model, grid, level) first, so that two
// models or two levels in one file are never crossed.
#include "gribdata/enregistrement_grib.h"
#include "gribdata/serie_grib.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

struct Composante {
    int parametre, process, niveau;
    uint64_t grille;
};

// The records in the order given (sorted as a file's list is: one
// validity, u before v), linked.
std::vector<grib> liste(const std::vector<Composante>& composantes)
{
    std::vector<grib> r(composantes.size(), grib{});
    for (size_t i = 0; i < r.size(); ++i) {
        r[i].parametre = uint8_t(composantes[i].parametre);
        r[i].process = uint8_t(composantes[i].process);
        r[i].typeNiveau = 105;
        r[i].niveau2 = uint8_t(composantes[i].niveau);
        r[i].grille = composantes[i].grille;
        r[i].validite = 2024010512;
        r[i].suivant = i + 1 < r.size() ? &r[i + 1] : nullptr;
    }
    return r;
}

}  // namespace

TEST(SerieGrib, EachUTakesTheVOfItsOwnSeries)
{
    const struct {
        const char* cas;
        std::vector<Composante> enregistrements;
        std::vector<int> paires;  // the index of each record's v, -1 none
    } cas[] = {
        {"two models", {{33, 78, 10, 1}, {33, 8, 10, 1}, {34, 78, 10, 1}, {34, 8, 10, 1}},
         {2, 3, -1, -1}},
        {"two levels", {{33, 78, 10, 1}, {33, 78, 100, 1}, {34, 78, 100, 1}, {34, 78, 10, 1}},
         {3, 2, -1, -1}},
        {"two grids", {{33, 78, 10, 1}, {33, 78, 10, 2}, {34, 78, 10, 1}, {34, 78, 10, 2}},
         {2, 3, -1, -1}},
        {"v only on another grid", {{33, 78, 10, 1}, {34, 78, 10, 2}}, {1, -1}},
        {"v at another level only", {{33, 78, 10, 1}, {34, 78, 100, 1}}, {-1, -1}},
    };
    for (const auto& c : cas) {
        std::vector<grib> r = liste(c.enregistrements);
        for (size_t i = 0; i < r.size(); ++i) {
            if (r[i].parametre != 33)
                continue;
            const grib* v = pComposanteV(r[i]);
            EXPECT_EQ(v ? int(v - r.data()) : -1, c.paires[i]) << c.cas << ", u " << i;
        }
    }
}
