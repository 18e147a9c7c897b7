// A label fitted to the room the toolkit draws it in: its own box within
// the margins of its alignment, the box's whole width, lines in a taller
// room, a smaller size down to the floor, and the tooltip when nothing
// holds it; fitted again from the box it was built with; within what a
// scroll area shows; scroll areas brought back within their content. (The
// walk of the pages checks the rest on every label.)

// Google Test first: the X11 headers define macros its own headers use.
#include <gtest/gtest.h>

#include "ui/defilement.h"
#include "ui/libelles.h"
#include "ui/place_libelle.h"

#include "tests/ui/harnais_gui.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Pack.H>
#include <FL/Fl_Scroll.H>
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
    const int large = b->w();
    ASSERT_GT(large, 30);
    groupe.position(10, 90);
    vNommer(b, "Non");
    vAjusterLibelle(b, 12);
    EXPECT_EQ(std::make_tuple(b->x(), b->y(), b->w(), b->h()), std::make_tuple(110, 100, 30, 20));
    EXPECT_TRUE(b->align() & FL_ALIGN_RIGHT);
    vNommer(b, TEXTE);
    vAjusterLibelle(b, 12);
    EXPECT_EQ(b->w(), large);
    // Laid out again by its holder: that box is the one it is built with.
    b->resize(60, 100, 40, 20);
    vNommer(b, "Non");
    vAjusterLibelle(b, 12);
    EXPECT_EQ(std::make_tuple(b->x(), b->w()), std::make_tuple(60, 40));
    fenetre.remove(groupe);
}

// In a scroll area with its scrollbar on the left and its content set in
// from it, a label stays over the content whatever room it is offered:
// the area repaints the margin when it scrolls.
TEST_F(PlaceLibelle, InAScrollAreaALabelStaysOverTheContent)
{
    fenetre.begin();
    Fl_Scroll zone(0, 0, 230, 200);
    zone.type(Fl_Scroll::VERTICAL);
    zone.scrollbar.align(FL_ALIGN_LEFT);
    Fl_Group contenu(18, 0, 212, 400);
    Fl_Box* jour = new Fl_Box(18, 10, 36, 20, TEXTE);
    jour->align(FL_ALIGN_RIGHT | FL_ALIGN_INSIDE);
    Fl_Input* champ = new Fl_Input(60, 40, 30, 20, "Course");
    new Fl_Box(FL_FLAT_BOX, 55, 10, 20, 20, nullptr);
    contenu.end();
    zone.end();
    fenetre.end();
    ASSERT_TRUE(harnais::bRedessiner(&fenetre));
    vAjusterLibelle(jour, 12, libreAutour(jour, {0, 230, 10, 30}));
    vAjusterLibelle(champ, 12, {0, 230, 40, 60});
    EXPECT_GE(jour->x(), 18);
    // Its room from the content's edge to 3 px off the field.
    fl_font(champ->labelfont(), 12);
    ASSERT_GT(fl_width("Course"), 60 - 3 - 18);
    fl_font(champ->labelfont(), champ->labelsize());
    EXPECT_LE(fl_width("Course"), 60 - 3 - 18) << champ->labelsize();
    EXPECT_EQ(libreVisible(jour, {0, 400, 0, 400}).gauche, 18);
    EXPECT_EQ(libreVisible(jour, {0, 400, 0, 400}).droite, 230);
    fenetre.remove(zone);
}

// Content shorter than the place scrolled past its end comes back to it;
// a vertical scroll keeps the horizontal place the area counts for the
// content's inset.
TEST_F(PlaceLibelle, AScrollAreaComesBackWithinItsShorterContent)
{
    fenetre.begin();
    Fl_Scroll zone(0, 0, 230, 100);
    zone.type(Fl_Scroll::VERTICAL);
    zone.scrollbar.align(FL_ALIGN_LEFT);
    Fl_Pack pile(18, 0, 212, 100);
    Fl_Box* boites[5];
    for (Fl_Box*& b : boites)
        b = new Fl_Box(FL_FLAT_BOX, 0, 0, 212, 60, nullptr);
    pile.end();
    zone.end();
    fenetre.end();
    ASSERT_TRUE(harnais::bRedessiner(&fenetre));
    EXPECT_EQ(iHauteurContenu(&pile), 300);
    const int x = pile.x();
    vDefilerVers(&zone, 200);
    EXPECT_EQ(pile.x(), x);
    for (int i = 2; i < 5; ++i)
        boites[i]->hide();
    vBornerDefilement(&zone);
    EXPECT_EQ(zone.yposition(), 20);
    EXPECT_EQ(pile.y(), -20);
    boites[1]->hide();
    vBornerDefilements(&fenetre);
    EXPECT_EQ(pile.y(), 0);
    fenetre.remove(zone);
}
