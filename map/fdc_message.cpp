// The map's messages: the loading text, a caption, a notice and what the
// program misses of its data.
#include "map/fdc.h"

#include "ui/donnees_absentes.h"
#include "ui/globales_ui.h"
#include "ui/place_libelle.h"
#include "ui/palette.h"

#include <FL/fl_draw.H>
#include <algorithm>
#include <string>
#include <vector>

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
    if (kind == 3) {
        // On a panel of its own over the map, each line whole across it, in
        // a smaller size where needed.
        const std::vector<std::string> avis = avisDonneesAbsentes();
        if (avis.empty())
            return;
        std::vector<int> tailles, largeurs;
        int large = 0;
        for (const std::string& ligne : avis) {
            tailles.push_back(iTailleAjustee(ligne.c_str(), DRU_FONT_BOLD, 14, w - 24));
            fl_font(DRU_FONT_BOLD, tailles.back());
            largeurs.push_back(int(fl_width(ligne.c_str())));
            large = std::max(large, largeurs.back());
        }
        const int hp = 18 * int(avis.size()) + 10, lp = std::min(w - 8, large + 16);
        const int xp = X + (w - lp) / 2, yp = Y + (h - hp) / 2;
        fl_color(COLOR_FOND);
        fl_rectf(xp, yp, lp, hp);
        fl_color(COLOR_ORANGE_TEXTE);
        fl_rect(xp, yp, lp, hp);
        for (size_t i = 0; i < avis.size(); ++i) {
            fl_font(DRU_FONT_BOLD, tailles[i]);
            fl_draw(avis[i].c_str(), X + (w - largeurs[i]) / 2, yp + 19 + 18 * int(i));
        }
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
