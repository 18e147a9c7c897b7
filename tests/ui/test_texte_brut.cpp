// Texts from outside written so that a label, a menu entry's label and a
// menu's add() show them as they stand; a menu entry's text read back.
#include "ui/texte_brut.h"

#include <gtest/gtest.h>
#include <string>

TEST(TexteBrut, EachMarkOfTheToolkitIsWrittenToShowItself)
{
    const struct {
        const char* texte;
        const char* libelle;
        const char* entree;
        const char* ajout;
    } cas[] = {
        {"carte@nuit.png", "carte@@nuit.png", "carte@@nuit.png", "carte@@nuit.png"},
        {"@debut", "@@debut", "@@debut", "@@debut"},
        {"a@@b", "a@@@@b", "a@@@@b", "a@@@@b"},
        {"R & D", "R & D", "R && D", "R && D"},
        {"a/b_c", "a/b_c", "a/b_c", "a\\/b\\_c"},
        {"_x\\y", "_x\\y", "_x\\y", "\\_x\\\\y"},
    };
    for (const auto& c : cas) {
        EXPECT_EQ(sLibelleBrut(c.texte), c.libelle) << c.texte;
        EXPECT_EQ(sEntreeMenuBrute(c.texte), c.entree) << c.texte;
        EXPECT_EQ(sAjoutMenuBrut(c.texte), c.ajout) << c.texte;
        EXPECT_EQ(sTexteEntreeMenu(c.entree), c.texte) << c.texte;
    }
    EXPECT_EQ(sAjoutMenuBrut(nullptr), "");
}
