#include "map/remplacants_carte.h"

#include "map/fdc.h"

#include <FL/Fl.H>

void (*fdcRemplacant)(const fdc*, const char*, int) = nullptr;

namespace {

void vSignaler(const fdc* carte, const char* couche, int argument = 0)
{
    if (fdcRemplacant)
        fdcRemplacant(carte, couche, argument);
}

}  // namespace

void fdc::bulletins(int mode) { vSignaler(this, "bulletins", mode); }
void fdc::modeles() { vSignaler(this, "modeles"); }
void fdc::images() { vSignaler(this, "images"); }
void fdc::preisos() { vSignaler(this, "preisos"); }
void fdc::draw_overlay(int resized) { vSignaler(this, "draw_overlay", resized); }
void fdc::drawRoutes() { vSignaler(this, "drawRoutes"); }
void fdc::vFdcHistogramme(double, double) { vSignaler(this, "vFdcHistogramme"); }
void fdc::overlay_output(int mode) { vSignaler(this, "overlay_output", mode); }
void fdc::overlay_deplace() { vSignaler(this, "overlay_deplace"); }

// Without the request frame a drag of the left button pans the view by the
// pointer's movement.
void fdc::mousedrag()
{
    if (!Fl::event_button1())
        return;
    if (pressionGauche == 1)
        pressionGauche = 2;
    const int px = Fl::event_x() - carteX, py = Fl::event_y() - carteY;
    deplacer(curseurX - px, curseurY - py);
    curseurX = px;
    curseurY = py;
    redraw();
}
