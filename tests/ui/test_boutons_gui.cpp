// The program's buttons in a window: the tooltip key, the keyboard left to
// the window, the number that is no shortcut, the colours and the faces.
#include "ui/boutons.h"
#include "ui/images/images.h"
#include "ui/palette.h"

#include "tests/ui/harnais_gui.h"

#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Tooltip.H>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

// A window that counts the F1 presses reaching it, as the main window's
// help key does.
class Fenetre : public Fl_Double_Window {
public:
    Fenetre() : Fl_Double_Window(300, 200) {}
    int handle(int e) override
    {
        if (e == FL_KEYDOWN && Fl::event_key() == FL_F + 1) {
            ++f1;
            return 1;
        }
        return Fl_Double_Window::handle(e);
    }
    int f1 = 0;
};

void vCompter(Fl_Widget*, void* n)
{
    ++*static_cast<int*>(n);
}

bool bProche(const std::array<unsigned char, 3>& p, Fl_Color c)
{
    unsigned char r, g, b;
    Fl::get_color(c, r, g, b);
    return std::abs(p[0] - r) <= 3 && std::abs(p[1] - g) <= 3 && std::abs(p[2] - b) <= 3;
}

bool bContient(const std::vector<unsigned char>& pixels, Fl_Color c)
{
    for (size_t i = 0; i + 2 < pixels.size(); i += 3)
        if (bProche({pixels[i], pixels[i + 1], pixels[i + 2]}, c))
            return true;
    return false;
}

class Boutons : public ::testing::Test {
protected:
    void SetUp() override
    {
        skins();
        TOOLTIP = 1;
        Fl_Tooltip::enable();
        saisie = new Fl_Input(10, 10, 100, 25);
        bouton = new classeBouton(10, 50, 100, 30, "Envoyer");
        bouton->callback(vCompter, &clics);
        rond = new classeRoundBouton(10, 90, 100, 25, "Option");
        fenetre.end();
        ASSERT_TRUE(harnais::bMontrer(&fenetre));
    }
    void TearDown() override { Fl_Tooltip::enable(); }
    Fenetre fenetre;
    Fl_Input* saisie = nullptr;
    classeBouton* bouton = nullptr;
    classeRoundBouton* rond = nullptr;
    int clics = 0;
};

}  // namespace

TEST_F(Boutons, TheTooltipKeyFlipsOnceThenIsForgotten)
{
    harnais::vCliquer(&fenetre, 50, 20);
    harnais::vTouche(&fenetre, 't', "t");
    EXPECT_STREQ(saisie->value(), "t");
    for (int y : {65, 60, 70, 55, 95, 65}) {
        harnais::vSurvoler(&fenetre, 5, 150);
        harnais::vSurvoler(&fenetre, 50, y);
    }
    EXPECT_EQ(TOOLTIP, 0);
    EXPECT_FALSE(Fl_Tooltip::enabled());
    harnais::vCliquer(&fenetre, 50, 65);
    EXPECT_EQ(clics, 1) << "the button reacts again";
    // The next "t" typed flips them back, over the round button too.
    harnais::vCliquer(&fenetre, 50, 20);
    harnais::vTouche(&fenetre, 't', "t");
    harnais::vSurvoler(&fenetre, 50, 100);
    harnais::vSurvoler(&fenetre, 50, 65);
    EXPECT_EQ(TOOLTIP, 1);
    EXPECT_TRUE(Fl_Tooltip::enabled());
}

TEST_F(Boutons, AClickedButtonLeavesTheKeyboardToTheWindow)
{
    harnais::vCliquer(&fenetre, 50, 20);
    harnais::vCliquer(&fenetre, 50, 65);
    EXPECT_EQ(clics, 1);
    EXPECT_EQ(Fl::focus(), saisie);
    harnais::vTouche(&fenetre, FL_F + 1);
    EXPECT_EQ(fenetre.f1, 1);
    // Even a button given the focus by the program lets the key through.
    Fl::focus(bouton);
    harnais::vTouche(&fenetre, FL_F + 1);
    EXPECT_EQ(fenetre.f1, 2);
}

TEST_F(Boutons, AButtonsNumberIsNoShortcut)
{
    bouton->shortcut(51);  // the key "3"
    rond->shortcut(51);
    Fl_Button* temoin = new Fl_Button(150, 50, 100, 30, "stock");
    fenetre.add(temoin);
    int clicsTemoin = 0;
    temoin->shortcut(52);
    temoin->callback(vCompter, &clicsTemoin);
    harnais::vCliquer(&fenetre, 200, 150);
    harnais::vTouche(&fenetre, '3', "3");
    harnais::vTouche(&fenetre, '4', "4");
    EXPECT_EQ(clics, 0);
    EXPECT_EQ(rond->value(), 0);
    EXPECT_EQ(clicsTemoin, 1) << "a toolkit button would have been pressed";
    EXPECT_EQ(bouton->shortcut(), 51);
}

TEST_F(Boutons, APressedButtonLightsItsLabelAndTakesItsUpColourBack)
{
    bouton->labelsize(24);
    bouton->type(FL_TOGGLE_BUTTON);
    auto montre = [&](Fl_Color c) { return bContient(harnais::lirePixels(&fenetre, 10, 50, 100, 30), c); };
    bouton->value(1);
    EXPECT_TRUE(montre(COLOR_BOUTON_ACTIVE) && montre(COLOR_FOND));
    bouton->value(0);
    EXPECT_FALSE(montre(COLOR_BOUTON_ACTIVE));
    EXPECT_TRUE(montre(COLOR_BOUTONS_TEXTE));
    bouton->couleurHaut = FL_RED;
    EXPECT_TRUE(montre(FL_RED));
    bouton->type(FL_HIDDEN_BUTTON);
    EXPECT_FALSE(montre(FL_RED));
}

TEST_F(Boutons, AnImageButtonShowsItsFaceFromTheCornerWhenSmaller)
{
    const int avant = NombreDeBoutons;
    classeBoutonImage* image = new classeBoutonImage(150, 100, 60, 14);
    fenetre.add(image);
    EXPECT_EQ(NombreDeBoutons, avant + 1);
    for (int v : {1, 0}) {
        image->value(v);
        Fl_RGB_Image* face = v ? image_bon : image_boff;
        const unsigned char* p =
            reinterpret_cast<const unsigned char*>(face->data()[0]) + (6 * face->w() + 30) * face->d();
        const auto lu = harnais::pixel(&fenetre, 150 + 30, 100 + 6);
        for (int k = 0; k < 3; ++k)
            EXPECT_NEAR(lu[k], p[k], 3) << "value " << v;
    }
    image->label("Beaufort");
    image->labelsize(12);
    image->value(1);
    EXPECT_TRUE(bContient(harnais::lirePixels(&fenetre, 150, 100, 60, 14), COLOR_BOUTON_ACTIVE));
    image->value(0);
    image->deactivate();
    EXPECT_TRUE(bContient(harnais::lirePixels(&fenetre, 150, 100, 60, 14), COLOR_MOYEN));
}
