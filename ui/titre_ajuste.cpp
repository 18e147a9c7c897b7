#include "ui/titre_ajuste.h"

#include "ui/taille_ajustee.h"

#include <FL/fl_draw.H>

TitreAjuste::TitreAjuste(int x, int y, int w, int h, int taille, int plancher, int marge,
                         Fl_Align entier)
    : Fl_Box(x, y, w, h), taille_(taille), plancher_(plancher), marge_(marge), entier_(entier)
{
    labelsize(taille);
    align(entier);
}

void TitreAjuste::draw()
{
    const bool entier = bAjusterTaille(this, taille_, w() - marge_, plancher_, true);
    align(entier ? entier_ : FL_ALIGN_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_CLIP);
    Fl_Box::draw();
}

int TitreAjuste::iLargeurPlancher() const
{
    fl_font(labelfont(), plancher_);
    return int(fl_width(label() ? label() : "")) + 1 + marge_;
}
