// GMT cuts every shoreline at the edges of its storage bins. Pieces join
// again end to start (longitudes taken modulo 360) into closed rings for
// shorelines and into longest lines for rivers and borders.
#ifndef TOOLS_COTES_ASSEMBLAGE_H
#define TOOLS_COTES_ASSEMBLAGE_H

#include "tools/cotes/morceau.h"

#include <vector>

struct BilanAssemblage {
    int anneaux = 0;       // closed shoreline rings
    int polaires = 0;      // rings around a pole, closed along the map's edge
    int ouverts = 0;       // shorelines that did not close (kept as they are)
    int lignes = 0;        // rivers and borders
};

// The assembled pieces; a ring ends on its first point, and its westmost
// longitude lies in [-180, 180).
std::vector<Morceau> vAssembler(const std::vector<Morceau>& morceaux, BilanAssemblage& bilan);

#endif
