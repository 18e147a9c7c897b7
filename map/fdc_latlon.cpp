// The graticule: dotted meridians and parallels at a step that follows the
// view's height, labelled along the map's edges.
#include "map/fdc.h"

#include "map/fdc_couches.h"
#include "map/graticule.h"
#include "ui/globales_ui.h"

#include <FL/fl_draw.H>
#include <cmath>

int FDCUNI = 0;

namespace {

// More lines than any view can show: a bound against a step lost in
// rounding beside far larger coordinates.
const int LIGNES_MAX = 4000;

struct Couleurs {
    Fl_Color gris;   // labels
    Fl_Color ligne;  // lines: plain grey over coloured bands
};

// A label with its shadow: black one pixel to the right and `dy` down,
// then grey.
void vEtiquette(const char* texte, int x, int y, int dy, Fl_Color gris)
{
    fl_color(FL_BLACK);
    fl_draw(texte, x + 1, y + dy);
    fl_color(gris);
    fl_draw(texte, x, y);
}

}  // namespace

void fdc::drawLatLon()
{
    if (W <= 0 || H <= 0 || !(echelleCourante > 0))
        return;
    const BoiteVue b = boiteVue(*this);
    const PasGraticule p = pasGraticule(b.haut, b.bas);
    const int g = ((FDCUNI + 127) % 256 + 256) % 256;
    const Couleurs c{fl_rgb_color(uchar(g), uchar(g), uchar(g)),
                     isoplageAffichee ? fl_rgb_color(128, 128, 128) : fl_rgb_color(uchar(g), uchar(g), uchar(g))};
    const int X = carteX, Y = carteY, w = largeur, h = hauteur;
    char premier[GRATICULE_TEXTE], second[GRATICULE_TEXTE];
    fl_font(DRU_FONT, 12);
    fl_line_style(FL_DOT);

    const double finL = b.droite + p.pas - std::fmod(b.droite, p.pas);
    int n = 0;
    for (double L = b.gauche - std::fmod(b.gauche, p.pas); L <= finL && n < LIGNES_MAX;
         L += p.pas, ++n) {
        const int x = iColonne(L);
        bool haut = false, bas = false;
        if (32 < x && x < w - 32) {
            vTexteMeridien(L, p, premier, second);
            vEtiquette(premier, X + x - int(fl_width(premier)) / 2, Y + 14, 1, c.gris);
            haut = true;
            if (84 < x && x < w - 84) {
                vEtiquette(second, X + x - int(fl_width(second)) / 2, Y + h - 3, -1, c.gris);
                bas = true;
            }
        }
        if (10 < x && x < w - 10) {
            fl_color(c.ligne);
            fl_line(X + x - 1, haut ? Y + 16 : Y + 1, X + x - 1, bas ? Y + h - 16 : Y + h - 1);
        }
    }

    const double finP = b.bas - p.pas + std::fmod(b.bas, p.pas);
    n = 0;
    for (double P = b.haut - std::fmod(b.haut, p.pas); P >= finP && n < LIGNES_MAX;
         P -= p.pas, ++n) {
        const int y = int(dLigne(P));
        if (25 <= y && y < h - 24) {
            vTexteParallele(P, p, premier, second);
            if (24 < y && y < h - 40) {
                const int gauche = int(fl_width(premier)), droite = int(fl_width(second));
                vEtiquette(premier, X + 2, Y + y + 4, 1, c.gris);
                vEtiquette(second, X + w - droite - 2, Y + y + 4, 1, c.gris);
                fl_color(c.ligne);
                fl_line(X + 3 + gauche, Y + y - 1, X + w - droite - 4, Y + y - 1);
            }
        } else if (12 < y && y < h - 12) {
            fl_color(c.ligne);
            fl_line(X + 1, Y + y - 1, X + w - 1, Y + y - 1);
        }
    }
    fl_line_style(FL_SOLID);
}
