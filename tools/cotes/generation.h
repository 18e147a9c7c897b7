// One coastline level file from GMT's pieces: assembled, cut to what the
// level's records hold, rounded to the level's units, ordered so that
// lakes are filled after the land around them, and written in the layout
// the coastline store reads.
#ifndef TOOLS_COTES_GENERATION_H
#define TOOLS_COTES_GENERATION_H

#include "map/tdc_format.h"
#include "tools/cotes/assemblage.h"

#include <string>
#include <vector>

struct BilanGeneration {
    BilanAssemblage assemblage;
    int enregistrements = 0;
    long points = 0;
    int rejetes = 0;  // parts that vanish once rounded, or that do not fit
};

// The record of a piece at `niveau`, in the level's units; false when it
// has too few distinct points once rounded, or does not fit the layout.
bool bEnregistrement(const Morceau& m, int niveau, EnregistrementTdc& e);

// The bytes of img/data<niveau>.dat for the pieces GMT wrote. Level 0
// keeps only land.
std::string sGenererNiveau(int niveau, const std::vector<Morceau>& morceaux, BilanGeneration& bilan);

#endif
