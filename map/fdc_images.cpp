// The image products' overlay, drawn while the request page's image page
// shows: the name of each satellite region at its label point, the name of
// the charts, and the outline of every product chosen on that page, in
// its colour, in each of the three turns of the world.
#include "map/fdc.h"

#include "catalogue/images_produits.h"
#include "map/hote_carte.h"
#include "map/trace_images.h"
#include "ui/boutons.h"
#include "ui/globales_ui.h"
#include "ui/local.h"

#include <FL/fl_draw.H>
#include <initializer_list>

namespace {

const double DECALAGES[] = {-360.0, 0.0, 360.0};

// A product is chosen when the page's button carrying its number is down.
// The number, not the label: two labels may translate alike.
bool bChoisi(int genre, int numero)
{
    classeBoutonImage** boutons = hoteCarte.boutonsImages ? hoteCarte.boutonsImages(genre) : nullptr;
    for (; boutons && *boutons; ++boutons)
        if ((*boutons)->shortcut() == numero && (*boutons)->value())
            return true;
    return false;
}

// A label in the bold font it is measured in, over a black shadow.
void vEtiquette(const VueCarte& v, const char* cle, double lat, double lon, int couleur)
{
    const char* texte = pcTraduire(cle);
    fl_font(DRU_FONT_BOLD, 12);
    const int largeur = int(fl_width(texte));
    int x = 0, y = 0;
    if (!bEtiquetteImage(v, lat, lon, largeur, x, y))
        return;
    fl_color(FL_BLACK);
    fl_draw(texte, v.x + x - 1, v.y + y + 15);
    fl_draw(texte, v.x + x + 1, v.y + y + 17);
    fl_color(Fl_Color(couleur));
    fl_draw(texte, v.x + x, v.y + y + 16);
}

template <typename Ligne>
void vCadre(const VueCarte& v, const Ligne& l, double decalage)
{
    RectangleCarte r;
    if (!bCadreImage(v, l.nord, l.sud, l.ouest + decalage, l.est + decalage, r))
        return;
    fl_color(Fl_Color(l.couleur));
    fl_line_style(FL_SOLID);
    fl_rect(v.x + r.x, v.y + r.y, r.l, r.h);
}

}  // namespace

void fdc::images()
{
    const VueCarte v = vueCarte();
    if (!v.utilisable())
        return;
    for (double d : DECALAGES)
        for (const TYPEDEF_SATELLITE* l = SATELLITES; l->libelle; ++l) {
            vEtiquette(v, l->libelle, l->lat, l->lon + d, l->couleur);
            if (bChoisi(0, l->numero))
                vCadre(v, *l, d);
        }
    fl_line_style(FL_SOLID);
}

void fdc::preisos()
{
    const VueCarte v = vueCarte();
    if (!v.utilisable() || !PREISOS[0].libelle)
        return;
    const TYPEDEF_PREISO& premiere = PREISOS[0];
    for (double d : DECALAGES) {
        vEtiquette(v, premiere.libelle, premiere.lat, premiere.lon + d, premiere.couleur);
        for (const TYPEDEF_PREISO* l = PREISOS; l->libelle; ++l)
            if (bChoisi(1, l->numero))
                vCadre(v, *l, d);
    }
    fl_line_style(FL_SOLID);
}
