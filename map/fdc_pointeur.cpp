// Whether the pointer is over a map, from the event's own screen position:
// the request page and the nine viewers lay their maps in the same box, and
// the title bar's position fields and the map's keys answer only to the map
// the pointer is over.
#include "map/fdc.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>

bool fdc::bPointeurDessus() const
{
    if (!visible_r())
        return false;
    // Screen coordinates: an event of another window (a chart, the
    // read-out popup) carries coordinates relative to that window.
    int gauche = x(), haut = y();
    if (const Fl_Window* fenetre = window()) {
        gauche += fenetre->x_root();
        haut += fenetre->y_root();
    }
    const int px = Fl::event_x_root(), py = Fl::event_y_root();
    return px >= gauche && px < gauche + w() && py >= haut && py < haut + h();
}

void fdc::vPrendreClavier()
{
    if (bPointeurDessus())
        Fl::focus(this);
}
