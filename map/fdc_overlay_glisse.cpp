// A drag of the left button on the map: resizes the request frame by its
// corner, moves it by its inside, or pans the view under it.
#include "map/fdc.h"

#include "map/hote_carte.h"

#include <FL/Fl.H>
#include <algorithm>
#include <cmath>

namespace {

// The pointer keeps 14 pixels of margin inside the view.
bool bDansMarge(const fdc& c, int px, int py)
{
    return px - 14 >= 0 && px + 14 < c.largeur && py - 14 >= 0 && py + 14 < c.hauteur;
}

double dSurMaille(double v, double m)
{
    return m > 0 ? m * std::rint(v / m) : v;
}

}  // namespace

void fdc::mousedrag()
{
    if (!Fl::event_button1())
        return;
    const int px = Fl::event_x() - carteX, py = Fl::event_y() - carteY;
    if (pressionGauche == 1) {
        pressionGauche = 2;
        glisseRedimension = glisseDeplacement = glissePan = 0;
        priseX = priseY = 0;
        if (!overlay || !bVueLibre())
            glissePan = 1;
        else if (mouse_in_move_overlay(px, py) && !iHote(hoteCarte.forfait))
            glisseRedimension = 1;
        else if (mouse_in_overlay(px, py))
            glisseDeplacement = 1;
        else
            glissePan = 1;
    }
    if (glisseRedimension)
        redimensionnement_overlay();
    else if (glisseDeplacement)
        drag_overlay();
    else
        mousedrag_fdc();
}

void fdc::redimensionnement_overlay()
{
    const int px = Fl::event_x() - carteX, py = Fl::event_y() - carteY;
    if (!bDansMarge(*this, px, py))
        return;
    cadreLargeur = px - cadreGauche;
    cadreHauteur = py - cadreHaut;
    cadreNord = dLatitude(carteY + std::min(cadreHaut, py));
    cadreSud = dLatitude(carteY + std::max(cadreHaut, py));
    cadreOuest = dLongitude(carteX + std::min(cadreGauche, px));
    cadreEst = dLongitude(carteX + std::max(cadreGauche, px));
    etendueCadreLatitude = cadreNord - cadreSud;
    etendueCadreLongitude = cadreEst - cadreOuest;
    curseurX = px, curseurY = py;
    overlay_cadre();
    redraw();
}

void fdc::drag_overlay()
{
    const int px = Fl::event_x() - carteX, py = Fl::event_y() - carteY;
    if (!bDansMarge(*this, px, py))
        return;
    if (priseX == 0) {
        priseX = px - cadreGauche;
        priseY = py - cadreHaut;
    } else if (overlay_in_screen(px - priseX, py - priseY, 0)) {
        cadreGauche = px - priseX;
        cadreHaut = py - priseY;
    }
    const double m = overlayMaille();
    const int haut = std::min(cadreHaut, cadreHaut + cadreHauteur);
    const int gauche = std::min(cadreGauche, cadreGauche + cadreLargeur);
    cadreNord = dSurMaille(dLatitude(carteY + haut), m);
    cadreSud = cadreNord - etendueCadreLatitude;
    cadreOuest = dSurMaille(dLongitude(carteX + gauche), m);
    cadreEst = cadreOuest + etendueCadreLongitude;
    overlay_cadre();
    redraw();
}

void fdc::mousedrag_fdc()
{
    const int px = Fl::event_x() - carteX, py = Fl::event_y() - carteY;
    deplacer(curseurX - px, curseurY - py);
    curseurX = px, curseurY = py;
    if (overlay) {
        vOverlayDepuisBornes();
        overlay_cadre();
        overlay_output(3);
    } else {
        redraw();
    }
}
