// What the map draws of its own: the splash during start-up, then the base
// image or the plain sea. The layers over it are drawn by their own parts.
#include "map/fdc.h"

#include "map/chargement_fonds.h"
#include "ui/calcul_image.h"
#include "ui/palette.h"

#include <FL/Fl.H>
#include <FL/Fl_Shared_Image.H>
#include <FL/fl_draw.H>

void fdc::draw()
{
    fl_push_clip(x(), y(), w(), h());
    if (DEMARRAGE && interlude) {
        vDessinerCouvrant(interlude, x(), y(), w(), h());
        fl_pop_clip();
        return;
    }
    dessinEnCours = 1;
    if (w() != largeur || h() != hauteur)
        redimensionner();
    gribVerrou(1);
    if (vueImage) {
        vueImage->draw(x(), y());
    } else if (vuePixmap) {
        vuePixmap->draw(x(), y());
    } else {
        fl_color(FL_MER);
        fl_rectf(x(), y(), w(), h());
    }
    dessinEnCours = 0;
    fl_pop_clip();
}

int fdc::handle(int event)
{
    switch (event) {
    case FL_ENTER:
        sourisDedans = 1;
        Fl::focus(this);
        return 1;
    case FL_LEAVE:
        sourisDedans = 0;
        return 1;
    default:
        break;
    }
    if (!sourisDedans || event > FL_MOUSEWHEEL)
        return 0;
    switch (event) {
    case FL_MOVE:
        coordonneesmouse();
        curseurX = Fl::event_x() - carteX;
        curseurY = Fl::event_y() - carteY;
        return 1;
    case FL_MOUSEWHEEL:
        if (!verrou)
            mousewheel();
        return 1;
    default:
        return 0;
    }
}
