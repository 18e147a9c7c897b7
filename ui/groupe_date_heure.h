// The title bar's date and time display: two clocks side by side, UTC and
// local time, each four digit pictures (HH:MM) under a caption and over a
// date line. The clock (ui/horloge.h) fills it.
#ifndef UI_GROUPE_DATE_HEURE_H
#define UI_GROUPE_DATE_HEURE_H

#include <FL/Fl_Group.H>

class Fl_Box;
class Fl_Button;
class Fl_Image;
class Fl_RGB_Image;

// The digit pictures of the display the title bar shows, by digit value.
// Their addresses: the pictures themselves are built before main runs, in
// an order this table cannot rely on.
extern Fl_RGB_Image** const classGroupeDateHeureimages1[10];

// The date lines: 12 points at most, 7 at least, in boxes of this width.
constexpr int TAILLE_DATE = 12, TAILLE_DATE_MIN = 7, LARGEUR_DATE = 93;

class classGroupeDateHeure : public Fl_Group {
public:
    // Variant 1 is the title bar's layout (0, 0, 230, 99).
    classGroupeDateHeure(int variante, int x, int y, int w, int h, const char* label = nullptr);

    // Builds the layout of the variant.
    void skins();
    // One picture: a plain button without box that never reacts.
    Fl_Button* Bouton(int x, int y, int w, int h, Fl_Image* image);
    // A digit (0..9) of the UTC clock (which 0) or of the local one.
    void setImageH1(int which, int digit);
    void setImageH2(int which, int digit);
    void setImageM1(int which, int digit);
    void setImageM2(int which, int digit);
    // The date line; the text is not copied and must outlive the label.
    void setDate(int which, const char* text);
    // The captions in the catalogue's language.
    void setLangage();

    // One clock: caption, date line and the five pictures of HH:MM.
    struct Horloge {
        Fl_Box* legende;
        Fl_Box* date;
        Fl_Button* heureDizaines;
        Fl_Button* heureUnites;
        Fl_Button* separateur;
        Fl_Button* minuteDizaines;
        Fl_Button* minuteUnites;
    };

    Fl_RGB_Image** const* chiffres;  // the digit table of the variant
    Fl_Group* cadran;                // the face, holding both clocks
    Horloge horloges[2];             // UTC, then local time
    int variante;

private:
    void vHorloge(Horloge& h, const int chiffresX[4], int separateurX);
    void vChiffre(Fl_Button* bouton, int digit);
};

#endif
