// What a map's view asks of the coastline store: the level that fits the
// scale, the Marsden squares around the view and the test of a record's box.
#ifndef MAP_TDC_VUE_H
#define MAP_TDC_VUE_H

#include "map/tdc.h"

#include <vector>

// The geographic box of a view, in degrees; left and right may lie beyond
// -180 and 180 when the view crosses the dateline.
struct BoiteVue {
    double haut, bas, gauche, droite;
};

// The level for a view at scale `echelle` (raster pixels per screen
// pixel), with the map's thresholds m/4, m/16, m/96 and m/512: each finer
// level is taken only below its threshold, after the coarser one, and when
// its chain is not merely the coarser level's (a level that did not load).
int iNiveauTdc(double echelle, const double seuils[4], TYPEDEF_TDC* const chaines[TDC_NIVEAUX]);

// The valid squares whose corners lie on the ten-degree grid around the
// box, one step beyond each side, each square once, longitudes outermost.
void vCarresVisibles(const BoiteVue& b, std::vector<int>& carres);

// Whether the record, shifted by `decalage` degrees of longitude, meets
// the box.
inline bool bTdcVisible(const TYPEDEF_TDC* t, double decalage, const BoiteVue& b)
{
    return t->sud <= b.haut && b.bas <= t->nord && t->ouest + decalage <= b.droite &&
           b.gauche <= t->est + decalage;
}

#endif
