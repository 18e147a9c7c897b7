// The clock's date lines in a window: every day name of the four
// languages fits its half of the face, at the largest size that fits, in
// the room the toolkit gives a label aligned to a side: its box less 3 px
// at either end.
#include "ui/globales_ui.h"
#include "ui/groupe_date_heure.h"
#include "ui/jours_mois.h"
#include "ui/local.h"
#include "ui/palette.h"

#include "tests/outils/outils_test.h"
#include "tests/ui/harnais_gui.h"
#include "tests/ui/textes_entiers.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Double_Window.H>
#include <FL/fl_draw.H>
#include <gtest/gtest.h>
#include <string>
#include <vector>

TEST(HorlogeFenetre, EveryDayNameFitsItsHalfOfTheFace)
{
    std::vector<std::string> textes;
    {
        DossierCourant ici(std::string(QUENBREL_SOURCE_DIR) + "/data");
        for (const char* code : {"fr", "en", "de", "sp"}) {
            local l(code);
            for (int j = 0; j < 7; ++j)
                textes.push_back(std::string(l.get(pc_Fr_Jours[j])) + " 30/12/26");
        }
    }
    // Long day names as the clock writes them.
    const char* longues[] = {"Jeudi 08/12/26",  "Dimanche 08/12/26", "Thursday 08/12/26",
                             "Mittwoch 08/12/26", "Martes 08/12/26", "Miércoles 08/12/26",
                             "Jueves 08/12/26"};
    textes.insert(textes.end(), std::begin(longues), std::end(longues));
    skins();
    Fl_Double_Window fenetre(230, 99);
    classGroupeDateHeure horloge(1, 0, 0, 230, 99);
    fenetre.end();
    ASSERT_TRUE(harnais::bMontrer(&fenetre));
    const Fl_Box* utc = horloge.horloges[0].date;
    const Fl_Box* locale = horloge.horloges[1].date;
    // Both lines on the face (17 to 212), side by side.
    EXPECT_GE(utc->x(), 17);
    EXPECT_LE(utc->x() + utc->w(), locale->x());
    EXPECT_LE(locale->x() + locale->w(), 212);
    int reduits = 0;
    for (const std::string& t : textes) {
        horloge.setDate(0, t.c_str());
        horloge.setDate(1, t.c_str());
        ASSERT_TRUE(harnais::bRedessiner(&fenetre));
        EXPECT_EQ(harnais::textesCoupes(&fenetre), std::vector<std::string>()) << t;
        for (const Fl_Box* b : {utc, locale}) {
            const int place = b->w() - 6;
            fl_font(b->labelfont(), b->labelsize());
            EXPECT_LE(fl_width(t.c_str()), place) << t << " at " << b->labelsize();
            EXPECT_EQ(b->tooltip(), nullptr) << t;
            if (b->labelsize() < TAILLE_DATE) {
                ++reduits;
                fl_font(b->labelfont(), b->labelsize() + 1);
                EXPECT_GT(fl_width(t.c_str()), place) << t;
            }
        }
    }
    EXPECT_GT(reduits, 0);  // some names are too long at 12 points
    horloge.setDate(0, "Lun 30/12/26");
    ASSERT_TRUE(harnais::bRedessiner(&fenetre));
    EXPECT_EQ(utc->labelsize(), TAILLE_DATE);
}
