// A label fitted to the room the toolkit draws it in: its own box within
// the margins of its alignment, the box's whole width, lines in a taller
// room, a smaller size down to the floor, and the tooltip when nothing
// holds it. (The walk of the pages checks the rest on every label.)

// Google Test first: the X11 headers define macros its own headers use.
#include <gtest/gtest.h>

#include "ui/libelles.h"
#include "ui/place_libelle.h"

#include "tests/ui/harnais_gui.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_Double_Window.H>
#include <FL/fl_draw.H>
#include <tuple>

namespace {

const char* const TEXTE = "Envoyer la demande";

int iLargeur(const char* texte, int taille)
{
    fl_font(FL_HELVETICA, taille);
    return int(fl_width(texte));
}

class PlaceLibelle : public ::testing::Test {
protected:
    PlaceLibelle() : fenetre(400, 200) { fenetre.end(); }

    // A frameless box of the window holding TEXTE, aligned inside.
    Fl_Box* pBoite(int x, int y, int w, int h, Fl_Align cote)
    {
        fenetre.begin();
        Fl_Box* b = new Fl_Box(x, y, w, h, TEXTE);
        b->align(cote | FL_ALIGN_INSIDE);
        fenetre.end();
        return b;
    }
    // A neighbour that leaves the room up to x.
    void vVoisin(int x, int y, int w = 20)
    {
        fenetre.begin();
        new Fl_Box(FL_FLAT_BOX, x, y, w, 20, nullptr);
        fenetre.end();
    }

    void SetUp() override { ASSERT_TRUE(harnais::bMontrer(&fenetre)); }

    Fl_Double_Window fenetre;
    const int l12 = iLargeur(TEXTE, 12);
};

}  // namespace

TEST_F(PlaceLibelle, ALabelAlignedRightFitsWithinTheToolkitsMarginsOrIsCentred)
{
    Fl_Box* large = pBoite(10, 10, l12 + 6, 20, FL_ALIGN_RIGHT);
    Fl_Box* juste = pBoite(10, 40, l12 + 3, 20, FL_ALIGN_RIGHT);
    vVoisin(l12 + 16, 10);
    vVoisin(l12 + 13, 40);
    vAjusterLibelle(large, 12);
    vAjusterLibelle(juste, 12);
    EXPECT_EQ(large->labelsize(), 12);
    EXPECT_TRUE(large->align() & FL_ALIGN_RIGHT);
    EXPECT_EQ(juste->labelsize(), 12);
    EXPECT_FALSE(juste->align() & FL_ALIGN_RIGHT) << "drawn on the box's whole width";
    EXPECT_EQ(juste->w(), l12 + 3);
}

TEST_F(PlaceLibelle, ATallerRoomTakesTheTextOnLinesBeforeASmallerSize)
{
    Fl_Box* b = pBoite(50, 80, l12 / 2 + 20, 15, FL_ALIGN_RIGHT);
    vVoisin(30, 80);
    vVoisin(50 + l12 / 2 + 20, 80);
    vAjusterLibelle(b, 12, libreAutour(b, {0, 400, 60, 120}));
    EXPECT_EQ(b->labelsize(), 12);
    EXPECT_TRUE(b->align() & FL_ALIGN_WRAP);
    fl_font(FL_HELVETICA, 12);
    EXPECT_GE(b->h(), 2 * fl_height());
    EXPECT_GE(b->y(), 60);
    EXPECT_LE(b->y() + b->h(), 120);
}

TEST_F(PlaceLibelle, ANarrowBoxTakesTheLargestSizeThatHoldsTheTextThenTheTooltip)
{
    const int l10 = iLargeur(TEXTE, 10);
    // One line high: no room for lines.
    Fl_Box* b = pBoite(10, 10, l10 + 6, 20, FL_ALIGN_LEFT);
    vVoisin(l10 + 16, 10);
    vAjusterLibelle(b, 12, libreAutour(b, {0, 400, 10, 30}));
    EXPECT_LE(b->labelsize(), 10);
    EXPECT_GE(b->labelsize(), TAILLE_PLANCHER);
    EXPECT_LE(iLargeur(TEXTE, b->labelsize()), b->w() - 6);
    EXPECT_EQ(b->tooltip(), nullptr);
    const int court = iLargeur(TEXTE, TAILLE_PLANCHER) / 2;
    Fl_Box* etroite = pBoite(10, 40, court, 20, FL_ALIGN_LEFT);
    vVoisin(10 + court, 40);
    vAjusterLibelle(etroite, 12, libreAutour(etroite, {0, 400, 40, 60}));
    EXPECT_EQ(etroite->labelsize(), TAILLE_PLANCHER);
    ASSERT_NE(etroite->tooltip(), nullptr);
    EXPECT_STREQ(etroite->tooltip(), TEXTE);
    // A short text fits again: the tooltip that only told it goes.
    vNommer(etroite, "Non");
    vAjusterLibelle(etroite, 12, libreAutour(etroite, {0, 400, 40, 60}));
    EXPECT_EQ(etroite->tooltip(), nullptr);
}

// Relabelled, a label is fitted from the box it was built with, wherever
// its holders have moved it since; moved by something else, it is built
// anew where it stands.
TEST_F(PlaceLibelle, AFitStartsFromTheBoxAsBuiltNotFromTheLastFit)
{
    fenetre.begin();
    Fl_Group groupe(0, 100, 400, 40);
    Fl_Box* b = new Fl_Box(100, 110, 30, 20, "Non");
    b->align(FL_ALIGN_RIGHT | FL_ALIGN_INSIDE);
    groupe.end();
    fenetre.end();
    vNommer(b, TEXTE);
    vAjusterLibelle(b, 12);
    ASSERT_GT(b->w(), 30);
    groupe.position(10, 90);
    vNommer(b, "Non");
    vAjusterLibelle(b, 12);
    EXPECT_EQ(std::make_tuple(b->x(), b->y(), b->w(), b->align()),
              std::make_tuple(110, 100, 30, Fl_Align(FL_ALIGN_RIGHT | FL_ALIGN_INSIDE)));
    // Laid out again by its holder: that box is the one it is built with.
    b->resize(60, 100, 40, 20);
    vAjusterLibelle(b, 12);
    EXPECT_EQ(std::make_tuple(b->x(), b->w()), std::make_tuple(60, 40));
    fenetre.remove(groupe);
}
