// The strip under a viewer's map and its four texts: the validity over
// the line of the parameters shown, then the reference run on the left
// and the model on the right. They are laid out whenever the strip is
// drawn, each whole between the strip's rounded ends at the largest size
// from its own down to 9 that shows it so, the last row's two texts at
// one size and apart. A text still too wide at 9 is cut, and its
// tooltip holds it whole.
#ifndef PAGES_BANDEAU_TEXTES_H
#define PAGES_BANDEAU_TEXTES_H

#include "ui/taille_ajustee.h"

#include <FL/Fl_Group.H>

class Fl_Box;

// Where one text goes in its row: its left, width and size.
struct PlaceTexte {
    int x, l, taille;
};

// The room kept inside each end of the strip, and the gap kept between
// the last row's two texts.
constexpr int BANDEAU_BORD = 9;
constexpr int BANDEAU_ECART = 16;

// A text alone in the row `gauche` .. `droite`, centred, from `taille`
// down to the floor; at the floor and still too wide it takes the whole
// row (and is cut).
PlaceTexte placeSeule(int gauche, int droite, int taille, const MesureTexte& largeur);

// The last row: the left text from `gauche`, the right one ending at
// `droite`, both at one size, BANDEAU_ECART apart at least; at the floor
// and still too wide, the row shared between them in proportion.
void vPlacerPaire(int gauche, int droite, int taille, const MesureTexte& lg,
                  const MesureTexte& ld, PlaceTexte& g, PlaceTexte& d);

class BandeauTextes : public Fl_Group {
public:
    using Fl_Group::Fl_Group;

    // The four boxes, children of the strip, laid out at each drawing.
    void vTextes(Fl_Box* titre, Fl_Box* second, Fl_Box* gauche, Fl_Box* droite);
    void draw() override;

private:
    void vPlacer();
    Fl_Box* titre_ = nullptr;
    Fl_Box* second_ = nullptr;
    Fl_Box* gauche_ = nullptr;
    Fl_Box* droite_ = nullptr;
};

#endif
