// A title box whose text is drawn at the largest size, from its own down
// to a floor, at which it shows whole in the box: both its ends show.
// A text too long even at the floor shows its start, clipped, and the
// whole text in the box's tooltip, which holds nothing else.
#ifndef UI_TITRE_AJUSTE_H
#define UI_TITRE_AJUSTE_H

#include <FL/Fl_Box.H>

class TitreAjuste : public Fl_Box {
public:
    // `taille` the text's own size, `plancher` the smallest, `marge` the
    // room kept about the text, `entier` the alignment of a whole text.
    TitreAjuste(int x, int y, int w, int h, int taille, int plancher, int marge, Fl_Align entier);

    void draw() override;
    // The box width that shows the text whole at the floor size.
    int iLargeurPlancher() const;

private:
    int taille_, plancher_, marge_;
    Fl_Align entier_;
};

#endif
