// The model-domain overlay of the GRIB request page: each offered model's
// domain framed in black and in its colour, with its short label in the
// catalogue's language, as the model buttons show it.
#include "map/fdc.h"

#include "gribdata/modeles.h"
#include "map/cadres_modeles.h"
#include "ui/globales_ui.h"
#include "ui/images/images.h"
#include "ui/local.h"

#include <FL/Fl_RGB_Image.H>
#include <FL/fl_draw.H>
#include <initializer_list>

namespace {

void vCadre(const VueCarte& v, const CadreModele& c)
{
    const Fl_Color couleur = Fl_Color(c.modele->masque);
    fl_line_style(FL_SOLID);
    fl_color(Fl_Color(56));
    fl_rect(v.x + c.x, v.y + c.y, c.l, c.h);
    fl_color(couleur);
    fl_rect(v.x + c.x + 1, v.y + c.y + 1, c.l, c.h);
    if (!c.etiquette)
        return;
    if (image_bon)
        image_bon->draw(c.ex, c.ey, c.el, CADRE_MODELE_PAS);
    fl_color(couleur);
    fl_draw(pcTraduire(c.modele->libelleCourt), c.ex, c.ey, c.el, CADRE_MODELE_PAS,
            FL_ALIGN_CENTER);
}

}  // namespace

void fdc::modeles()
{
    const VueCarte v = vueCarte();
    if (!v.utilisable())
        return;
    static const std::vector<const TYPEDEF_MODELE*> lignes = modelesProposes();
    fl_font(DRU_FONT, 12);
    for (double decalage : {-360.0, 0.0, 360.0})
        for (const CadreModele& c :
             cadresModeles(v, decalage, lignes,
                           [](const char* t) { return fl_width(pcTraduire(t)); }))
            vCadre(v, c);
    fl_line_style(FL_SOLID);
}
