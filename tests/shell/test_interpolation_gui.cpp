// The whole program in process: a received file in a viewer page, its
// validities stepped by the map's keys, and its time interpolation by the
// real worker, whose output opens in the next free page and leaves no file.
#include "gribdata/interpolation.h"
#include "map/fdc.h"
#include "pages/vr.h"
#include "shell/gui.h"
#include "ui/boutons.h"
#include "ui/globales_ui.h"

#include "ecriture_grib_test.h"
#include "tests/outils/outils_test.h"
#include "tests/shell/programme_test.h"
#include "tests/ui/harnais_gui.h"

#include <FL/Fl.H>
#include <FL/Fl_Tabs.H>
#include <cstdio>
#include <gtest/gtest.h>

namespace {

int iPressee(const vr& page)
{
    for (int i = 0; page.boutonsValidites && page.boutonsValidites[i]; ++i)
        if (page.boutonsValidites[i]->value())
            return i;
    return -1;
}

// Pressure at the run and 6 hours later, on a small grid.
std::string sDeuxEcheances()
{
    std::vector<ChampEcrit> champs;
    for (int heures : {0, 6}) {
        ChampEcrit c = champUniforme(2, 101000 + 100 * heures, heures);
        c.ni = c.nj = 11;
        c.la1 = 50000, c.lo1 = -10000;
        champs.push_back(c);
    }
    return sMessagesGrib(champs);
}

}  // namespace

TEST(Interpolation, TheOutputOpensInTheNextFreePageAndIsNotKept)
{
    harnais::ChienDeGarde chien(300);
    DossierTemporaire dossier;
    ProgrammeEnProcessus programme(dossier.chemin());
    ASSERT_TRUE(programme.bAttendreChargement());
    ecrireFichier(dossier / "lockdir/.deux.grb", sDeuxEcheances());
    std::rename((dossier / "lockdir/.deux.grb").c_str(), (dossier / "lockdir/deux.grb").c_str());
    vr& page = *gvr[1];
    ASSERT_TRUE(harnais::bAttendre([&] { return page.fichiers[0] != nullptr; }));
    EXPECT_STREQ(page.etiquette, "deux.grb");

    // The map's keys n and h step the validities.
    fdc& carte = *page.carte;
    harnais::vSurvoler(GUI, carte.x() + 100, carte.y() + 100);
    harnais::vTouche(GUI, 'n', "n");
    EXPECT_EQ(iPressee(page), 1);
    harnais::vTouche(GUI, 'n', "n");
    EXPECT_EQ(iPressee(page), 0);
    harnais::vTouche(GUI, 'h', "h");
    EXPECT_EQ(iPressee(page), 1);

    classeBouton* b = page.boutonInterpolation;
    b->value(1);
    b->do_callback();
    EXPECT_FALSE(b->active());
    vr& sortie = *gvr[2];
    ASSERT_TRUE(harnais::bAttendre([&] { return sortie.fichiers[0] != nullptr && b->active(); }));
    EXPECT_STREQ(sortie.etiquette, "interdeux.grb");
    EXPECT_EQ(GRIB_INTERPOLATION_START.load(), 0);
    EXPECT_EQ(b->value(), 0);
    EXPECT_FALSE(existe(dossier / "dat/interdeux.grb"));
    EXPECT_FALSE(existe(dossier / "lockdir/interdeux.grb"));
    EXPECT_TRUE(existe(dossier / "dat/deux.grb"));
    // Every hour between the two.
    int n = 0;
    while (sortie.validites[n] != -1)
        ++n;
    EXPECT_EQ(n, 7);
    EXPECT_EQ(GUI->onglets->value(), &sortie);
    programme.vArreter();
}
