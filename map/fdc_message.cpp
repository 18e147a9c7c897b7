// The map's messages: the loading text, a caption and a notice.
#include "map/fdc.h"

#include "ui/globales_ui.h"
#include "ui/palette.h"

#include <FL/fl_draw.H>

namespace {

// The text over a one-pixel halo on all eight sides.
void vHalo(const char* texte, int x, int y, Fl_Color halo, Fl_Color couleur)
{
    fl_color(halo);
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (dx || dy)
                fl_draw(texte, x + dx, y + dy);
    fl_color(couleur);
    fl_draw(texte, x, y);
}

}  // namespace

void fdc::draw_message(int kind, char* text)
{
    const int X = carteX, Y = carteY, w = largeur, h = hauteur;
    if (kind == 0) {
        fl_font(DRU_FONT_BOLD, 20);
        vHalo(chargement, X + w / 2 - int(fl_width(chargement)) / 2, Y + h / 3 - 9,
              fl_rgb_color(196, 196, 196), COLOR_FOND);
        return;
    }
    if (!text || !*text)
        return;
    if (kind == 1) {
        fl_font(DRU_FONT, 12);
        fl_color(fl_rgb_color(160, 160, 160));
        fl_draw(text, X + 4, Y + h - 4);
    } else if (kind == 2) {
        fl_font(DRU_FONT_BOLD, 14);
        vHalo(text, X + w / 3, Y + h - 20, FL_BLACK, Fl_Color(255));
    }
}
