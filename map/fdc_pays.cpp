// The place names over the coastline: those of the data file, then the
// compiled gazetteer, each at the coastline levels its mask names.
#include "map/fdc.h"

#include "map/etiquette_carte.h"
#include "map/fdc_couches.h"
#include "map/pays.h"
#include "map/tdc.h"
#include "ui/globales_ui.h"
#include "ui/local.h"

#include <FL/fl_draw.H>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

const Fl_Font POLICES[] = {FL_HELVETICA, FL_HELVETICA_ITALIC, FL_HELVETICA_BOLD,
                           FL_HELVETICA_BOLD_ITALIC};
// A size from the data file is not trusted to fit an int.
const unsigned TAILLE_MAX = 1000;

Fl_Color couleurNom(unsigned c)
{
    if (c == 0)
        return FL_BLACK;
    auto composante = [](unsigned v) { return uchar(std::min(v % 1000, 255u)); };
    return fl_rgb_color(composante(c / 1000000), composante(c / 1000), composante(c));
}

bool bFrancais()
{
    return !langage || !langage->langue || std::strcmp(langage->langue, "fr") == 0;
}

// Every name of the list (`tableau` false: next pointers) or of the table
// (true: rows up to a mask of 0) whose mask holds the coastline level,
// where the view shows it, in each of the three turns of the world.
void vDessinerNoms(const fdc& c, const TYPEDEF_PAYS* premier, bool tableau)
{
    if (c.niveauTraitCote < 2 || c.W <= 0 || c.H <= 0 || !(c.echelleCourante > 0) ||
        ZOOMTDC < 1 || ZOOMTDC > 5)
        return;
    const int bit = 1 << (ZOOMTDC - 1);
    const BoiteVue b = boiteVue(c);
    const bool francais = bFrancais();
    fl_line_style(FL_SOLID);
    fl_push_clip(c.carteX, c.carteY, c.largeur, c.hauteur);
    for (double decalage : {-360.0, 0.0, 360.0})
        for (const TYPEDEF_PAYS* p = premier; p && (!tableau || p->masque);
             p = tableau ? p + 1 : p->suivant) {
            const double lon = p->longitude + decalage;
            if (!(p->masque & bit) || p->latitude < b.bas || p->latitude > b.haut ||
                lon < b.gauche || lon > b.droite)
                continue;
            const char* nom = francais ? p->francais : p->autre;
            const int taille = int(std::min(p->taille, TAILLE_MAX));
            fl_font(p->style < 4 ? POLICES[p->style] : fl_font(), taille);
            const int largeurNom = int(fl_width(nom));
            const int x = c.iColonne(lon) - largeurNom / 2;
            const int y = int(c.dLigne(p->latitude)) + taille / 2;
            // A name the map's side would cut waits until it shows whole.
            if (!bTexteEntier(x, y, largeurNom, fl_height() - fl_descent(), fl_descent(),
                              c.largeur, c.hauteur))
                continue;
            fl_color(couleurNom(p->couleur));
            fl_draw(nom, x + c.carteX, y + c.carteY);
        }
    fl_pop_clip();
}

}  // namespace

void fdc::pays()
{
    if (ST_PAYS)
        vDessinerNoms(*this, ST_PAYS, false);
}

void fdc::pays2()
{
    vDessinerNoms(*this, ST_PAYS2, true);
}
