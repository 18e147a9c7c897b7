// The geometry of the request frame on the map: where it may be placed and
// whether the pointer is inside it or on its handle.
#include "map/fdc.h"

#include <cmath>
#include <cstdlib>

void fdc::vOverlayDepuisBornes()
{
    cadreHaut = int(dLigne(cadreNord));
    cadreHauteur = int(dLigne(cadreSud)) - cadreHaut;
    cadreGauche = iColonne(cadreOuest);
    cadreLargeur = iColonne(cadreEst) - cadreGauche;
}

int fdc::overlay_in_screen(int px, int py, int wide)
{
    if (zoomIn || zoomOut)
        vOverlayDepuisBornes();
    const int mh = wide ? 60 : 14;
    const int mv = 14;
    return px - mh >= 0 && px + mh < largeur && px + cadreLargeur - mh >= 0 &&
           px + cadreLargeur + mh < largeur && py - mv >= 0 && py + mv < hauteur &&
           py + cadreHauteur - mv >= 0 && py + cadreHauteur + mv < hauteur;
}

int fdc::mouse_in_overlay(int x, int y)
{
    const int droite = cadreGauche + cadreLargeur, bas = cadreHaut + cadreHauteur;
    if (cadreLargeur >= 1 && cadreHauteur > 0 && cadreGauche < x && x < droite &&
        cadreHaut < y && y < bas)
        return 1;
    // A frame spanned backwards.
    return droite < x && x < cadreGauche && bas < y && y < cadreHaut;
}

int fdc::mouse_in_move_overlay(int x, int y)
{
    return std::abs(x - (cadreGauche + cadreLargeur)) < 15 &&
           std::abs(y - (cadreHaut + cadreHauteur)) < 15;
}
