// What a product button of the bulletin and image pages stands for: the
// object codes a press adds to a bulletin request and the volume it
// counts, looked up by the button's number in the Metarea tree GMDSS and
// the product tables; and the zone chart a chart button opens.
#ifndef CATALOGUE_OBJETS_PRODUITS_H
#define CATALOGUE_OBJETS_PRODUITS_H

#include <vector>

struct ObjetsProduit {
    std::vector<const char*> codes;  // in the order they are requested
    int volume = 5;                  // Ko: 5 a bulletin, 30 a satellite picture, 60 a chart
    bool unique = false;  // coastal bulletins: a code the request holds is not added again
};

// By range of `numero`: up to 999 the identifiers of the Metarea with
// that key (none for key 0 or an area without identifiers); 1000 to 1999
// SATELLITES; 2000 to 2999 PREISOS; 4000 to 4499 BULLETINS_LARGE; 4500
// to 4999 BULLETINS_COTES; 5000 to 6999 BULLETINS_NAVTEX, where the
// second pair of a row brings its third; other numbers have no code.
ObjetsProduit objetsProduit(int numero);

// What a code a bulletin request holds counts: 30 Ko a satellite picture,
// 60 a chart, 5 anything else; a Metarea's bulletins count 5 for the area
// (`metarea` its key, 0 for a code of no Metarea), as its button does.
struct ProduitCode {
    int volume = 5;
    int metarea = 0;
};
ProduitCode produitCode(const char* code);

// The file under img/ of the zone chart whose button carries `numero`,
// or null.
const char* pcFichierCarteZones(unsigned numero);

#endif
