#include "ui/ombre.h"

#include <FL/Fl_Box.H>

const Fl_Color OMBRE_COLONNES[10] = {0x54687500, 0x505F7100, 0x4B5A6C00, 0x46556700,
                                     0x3C4B5300, 0x1E2D3500, 0x65737E00, 0xA0B0BD00,
                                     0x92A2AF00, 0x8B9BA800};

void vColonnesOmbre(int y, int h)
{
    for (int i = 0; i < 10; ++i) {
        Fl_Box* colonne = new Fl_Box(230 + i, y, 1, h);
        colonne->box(FL_FLAT_BOX);
        colonne->color(OMBRE_COLONNES[i]);
    }
}
