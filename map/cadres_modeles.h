// Where the model-domain overlay frames each offered model on a map and
// where it puts their labels, without a display.
#ifndef MAP_CADRES_MODELES_H
#define MAP_CADRES_MODELES_H

#include "map/vue_carte.h"

#include <functional>
#include <vector>

struct TYPEDEF_MODELE;

// Labels are stacked this many pixels apart.
constexpr int CADRE_MODELE_PAS = 14;

struct CadreModele {
    const TYPEDEF_MODELE* modele;
    int x, y, l, h;       // the frame, pixels relative to the map
    bool etiquette;       // the label is drawn
    int ex, ey, el;       // its box in window pixels, CADRE_MODELE_PAS high
};

// The frames of one of the three passes (longitudes shifted by
// `decalage`), in drawing order, for the rows given (those of colour 0
// are passed over). A regional domain is cut to the view; a world domain
// frames the whole map in the -360 pass only. Labels stand beside the
// frame's top left corner, pushed down a cursor so that none covers
// another. `largeur` measures a label in pixels.
std::vector<CadreModele> cadresModeles(const VueCarte& v, double decalage,
                                       const std::vector<const TYPEDEF_MODELE*>& lignes,
                                       const std::function<double(const char*)>& largeur);

#endif
