#include "ui/groupe_date_heure.h"

#include "ui/globales_ui.h"
#include "ui/images/images.h"
#include "ui/libelles.h"
#include "ui/local.h"
#include "ui/palette.h"
#include "ui/titre_ajuste.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_RGB_Image.H>

Fl_RGB_Image** const classGroupeDateHeureimages1[10] = {
    &skin1_image_heure_00, &skin1_image_heure_01, &skin1_image_heure_02, &skin1_image_heure_03,
    &skin1_image_heure_04, &skin1_image_heure_05, &skin1_image_heure_06, &skin1_image_heure_07,
    &skin1_image_heure_08, &skin1_image_heure_09,
};

namespace {

Fl_Box* pBoite(int x, int y, int w, int h, int fonte, int taille, Fl_Color couleur,
               Fl_Align alignement)
{
    Fl_Box* b = new Fl_Box(x, y, w, h);
    b->labelfont(fonte);
    b->labelsize(taille);
    b->labelcolor(couleur);
    b->align(alignement | FL_ALIGN_INSIDE);
    return b;
}

// A date line kept to its box: some languages' day names do not fit at
// the clock's size, and the line then shrinks. The toolkit keeps 3 px on
// either side of a label aligned to a side.
Fl_Box* pDate(int x, int y, Fl_Color couleur, Fl_Align alignement)
{
    Fl_Box* b = new TitreAjuste(x, y, LARGEUR_DATE, 16, TAILLE_DATE, TAILLE_DATE_MIN, 6,
                                alignement | FL_ALIGN_INSIDE);
    b->labelfont(DRU_FONT_BOLD);
    b->labelcolor(couleur);
    return b;
}

}  // namespace

classGroupeDateHeure::classGroupeDateHeure(int v, int x, int y, int w, int h, const char* label)
    : Fl_Group(x, y, w, h, label), chiffres(classGroupeDateHeureimages1), cadran(nullptr),
      horloges(), variante(v)
{
    box(FL_FLAT_BOX);
    color(COLOR_FOND);
    skins();
    end();
}

void classGroupeDateHeure::skins()
{
    // Only the title bar's variant exists; its layout is at the window's
    // top left corner, offset here by the group's own place.
    cadran = new Fl_Group(x() + 17, y() + 1, 195, 71);
    cadran->image(skin1_image_date_heure);
    cadran->align(FL_ALIGN_CENTER | FL_ALIGN_INSIDE);
    const int utc[4] = {44, 55, 76, 88}, locale[4] = {128, 140, 158, 170};
    vHorloge(horloges[0], utc, 69);
    vHorloge(horloges[1], locale, 152);
    // Each date line has its half of the face, right of the UTC clock's
    // left edge and left of the local clock's right edge.
    horloges[0].date = pDate(x() + 19, y() + 50, COLOR_BOUTONS_MOYEN, FL_ALIGN_RIGHT);
    horloges[0].legende = pBoite(x() + 30, y() + 10, 80, 11, DRU_FONT, 9, COLOR_BOUTONS_MOYEN,
                                 FL_ALIGN_CENTER);
    horloges[1].date = pDate(x() + 211 - LARGEUR_DATE, y() + 50, COLOR_WHITE_GTK_TITRE,
                             FL_ALIGN_LEFT);
    horloges[1].legende = pBoite(x() + 115, y() + 10, 80, 11, DRU_FONT, 9,
                                 COLOR_WHITE_GTK_TITRE, FL_ALIGN_CENTER);
    setLangage();
    cadran->end();
}

void classGroupeDateHeure::vHorloge(Horloge& h, const int chiffresX[4], int separateurX)
{
    // Every picture starts as the separator; the first tick puts the digits.
    Fl_Button** places[4] = {&h.heureDizaines, &h.heureUnites, &h.minuteDizaines,
                             &h.minuteUnites};
    for (int i = 0; i < 4; ++i)
        *places[i] = Bouton(x() + chiffresX[i], y() + 25, 11, 22, skin1_image_heure_pp);
    h.separateur = Bouton(x() + separateurX, y() + 34, 5, 11, skin1_image_heure_pp);
}

Fl_Button* classGroupeDateHeure::Bouton(int x, int y, int w, int h, Fl_Image* image)
{
    Fl_Button* b = new Fl_Button(x, y, w, h);
    b->box(FL_NO_BOX);
    b->align(FL_ALIGN_INSIDE | FL_ALIGN_CLIP);
    b->deactivate();
    b->image(image);
    return b;
}

void classGroupeDateHeure::vChiffre(Fl_Button* bouton, int digit)
{
    if (digit >= 0 && digit <= 9)
        bouton->image(*chiffres[digit]);
}

void classGroupeDateHeure::setImageH1(int which, int digit)
{
    vChiffre(horloges[which ? 1 : 0].heureDizaines, digit);
}

void classGroupeDateHeure::setImageH2(int which, int digit)
{
    vChiffre(horloges[which ? 1 : 0].heureUnites, digit);
}

void classGroupeDateHeure::setImageM1(int which, int digit)
{
    vChiffre(horloges[which ? 1 : 0].minuteDizaines, digit);
}

void classGroupeDateHeure::setImageM2(int which, int digit)
{
    vChiffre(horloges[which ? 1 : 0].minuteUnites, digit);
}

void classGroupeDateHeure::setDate(int which, const char* text)
{
    horloges[which ? 1 : 0].date->label(text);
}

void classGroupeDateHeure::setLangage()
{
    vLibeller(horloges[0].legende, CLE_LOCAL("Heure UTC"));
    vLibeller(horloges[1].legende, CLE_LOCAL("Heure locale"));
}
