// The chooser's form of a directory, without a display: absolute in the
// whole field however deep the working folder, "" when it does not fit.
#include "ui/selecteur_chemins.h"

#include "tests/outils/outils_test.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

TEST(CheminsSelecteur, DirectoriesMadeAbsoluteInTheWholeField)
{
    // A working folder deeper than 256 characters.
    DossierTemporaire d;
    std::string ici = d.chemin();
    while (ici.size() <= 300)
        ici += "/" + std::string(60, 'r');
    std::filesystem::create_directories(ici);
    DossierCourant dedans(ici);
    // Relative names that reach 1022 characters made absolute, and one more
    // than the field holds.
    const std::string juste(1021 - ici.size(), 'j'), loin(1024 - ici.size(), 'x');
    const struct {
        std::string d, attendu;
    } cas[] = {{"", ""},
               {"/", "/"},
               {"/a/b//", "/a/b"},
               {"/a/b/..", "/a"},
               {"/a/..", "/"},
               {"/a/b/.", "/a/b"},
               {"sous", ici + "/sous"},
               {"sous/", ici + "/sous"},
               {"sous/..", ici},
               {juste, ici + "/" + juste},
               {loin, ""},
               {"/" + std::string(1100, 'y'), ""}};
    for (const auto& k : cas) {
        char sortie[1024] = "?";
        vNormaliserRepertoire(k.d.c_str(), sortie, sizeof sortie);
        EXPECT_EQ(sortie, k.attendu) << k.d;
    }
}
