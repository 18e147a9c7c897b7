// The scale: the view's height and width in nautical miles in the bottom
// left corner, in kilometres in the bottom right one; the miles' unit in
// the catalogue's language.
#include "map/fdc.h"

#include "map/echelle_mesure.h"
#include "map/fdc_couches.h"
#include "ui/globales_ui.h"
#include "ui/images/images.h"
#include "ui/local.h"

#include <FL/Fl_RGB_Image.H>
#include <FL/fl_draw.H>
#include <cmath>
#include <cstdio>

namespace {

struct Nombre {
    char texte[32];
    int largeur;
};

Nombre nombre(const char* format, double valeur)
{
    Nombre n;
    std::snprintf(n.texte, sizeof n.texte, format, valeur);
    n.largeur = int(std::rint(fl_width(n.texte)));
    return n;
}

// A number on its small background, in black, in the box at (x, y).
void vNombre(const Nombre& n, int xFond, int x, int y)
{
    if (image_bofftr)
        image_bofftr->draw(xFond, y, n.largeur + 4, 11);
    fl_color(FL_BLACK);
    fl_draw(n.texte, x, y, n.largeur, 11, FL_ALIGN_CENTER, nullptr, 1);
}

void vSymbole(const char* symbole, int x, int y, int w, int h)
{
    fl_color(Fl_Color(255));
    fl_draw(symbole, x, y, w, h, FL_ALIGN_CENTER, nullptr, 1);
}

}  // namespace

void fdc::echelle()
{
    if (W <= 0 || H <= 0 || !(echelleCourante > 0))
        return;
    const MesureEchelle m = mesureEchelle(boiteVue(*this));
    const int X = carteX, Y = carteY, w = largeur, h = hauteur;
    fl_line_style(FL_SOLID, 1);
    fl_font(DRU_FONT, 11);
    const Nombre hMilles = nombre(m.format, m.hauteur), lMilles = nombre(m.format, m.largeur);
    const Nombre hKm = nombre(m.format, m.hauteur * 1.852);
    const Nombre lKm = nombre(m.format, m.largeur * 1.852);

    vNombre(hMilles, X + 2, X + 4, Y + h - 33);
    vSymbole("@+58arrow", X + 2, Y + h - 22, 11, 22);
    if (m.largeurVue) {
        vSymbole("@+5arrow", X + 2, Y + h - 11, 25, 11);
        vNombre(lMilles, X + 25, X + 27, Y + h - 13);
    }
    vNombre(hKm, X + w - hKm.largeur - 6, X + w - hKm.largeur - 4, Y + h - 33);
    vSymbole("@+58arrow", X + w - 13, Y + h - 22, 11, 22);
    if (m.largeurVue) {
        vSymbole("@+54arrow", X + w - 23, Y + h - 11, 21, 11);
        vNombre(lKm, X + w - lKm.largeur - 29, X + w - lKm.largeur - 27, Y + h - 13);
    }
    fl_font(DRU_FONT, 10);
    const int km = int(std::rint(fl_width("Km")));
    const char* milles = pcTraduire("Milles");
    vSymbole(milles, X + 13, Y + h - 23, int(std::rint(fl_width(milles))), 10);
    vSymbole("Km", X + w - hKm.largeur / 2 - km - 2, Y + h - 23, km, 10);
}
