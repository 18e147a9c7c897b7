// Cutting of assembled pieces to what a level's records can hold.
#ifndef TOOLS_COTES_DECOUPE_H
#define TOOLS_COTES_DECOUPE_H

#include "tools/cotes/morceau.h"

#include <vector>

// The parts of the piece in each ten-degree square, for the levels filed
// by Marsden square: a map finds a record only through the square of its
// south-west corner. Rings are cut as polygons, so each part still fills
// its share of the land; lines are cut into the runs inside each square.
// Every part is moved by whole turns so that its west edge lies in
// [-180, 180).
void vDecouperCarres(const Morceau& m, std::vector<Morceau>& sortie);

// The piece as it is when it spans at most `etendue` degrees each way,
// else cut into bands of 180 degrees of longitude.
void vLimiterEtendue(const Morceau& m, double etendue, std::vector<Morceau>& sortie);

#endif
