// Where each product of the bulletin and image pages lies, for the marks
// the request frame puts on their buttons: a Metarea's box from the tree
// (keys 1 to 17; the others lie across the poles and the date line), a
// picture's area from its table.
#ifndef PAGES_BOITES_PRODUITS_H
#define PAGES_BOITES_PRODUITS_H

#include "pages/regles_zone.h"

// The area of product `numero` of `famille` (PRODUIT_*); false when it
// has none. Installed as boiteProduit by the bulletin page.
bool bBoiteProduit(int famille, int numero, CadreZone& boite);

#endif
