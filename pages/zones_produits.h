// The product buttons of the bulletin and image pages whose area meets the
// request frame get a black label. Where each button's area lies is told
// by the panels that build the buttons, through `boiteProduit`.
#ifndef PAGES_ZONES_PRODUITS_H
#define PAGES_ZONES_PRODUITS_H

#include "pages/regles_zone.h"

class classeBoutonImage;

// Families of product buttons.
enum { PRODUIT_METAREA, PRODUIT_SATELLITE, PRODUIT_PREISO };

// The area of the product numbered `numero` of a family; false when it has
// none (a Metarea outside 1..17, a product without an area). Null until a
// panel installs it: no button is then marked.
extern bool (*boiteProduit)(int famille, int numero, CadreZone& boite);

// Each button of a null-terminated array: a black label when its area
// meets the frame, the buttons' usual label otherwise.
void vMarquerBoutonsProduits(classeBoutonImage** boutons, int famille, const CadreZone& cadre);

#endif
