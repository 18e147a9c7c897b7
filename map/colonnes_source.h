// The source columns of one row of a view cut from a world image that wraps
// in longitude, nearest neighbour.
#ifndef MAP_COLONNES_SOURCE_H
#define MAP_COLONNES_SOURCE_H

#include <vector>

// `largeur` output columns: the first `avant` taken from column `premiere`
// on at `pas` source columns per output column, stopping at the image's
// east edge; the rest in runs that restart at column 0, each run at most
// trunc(W / pas) columns. Every index lies in [0, W).
std::vector<int> colonnesSource(int largeur, int premiere, int avant, double pas, int W);

// A source index clamped to [0, n).
int iBorne(long long v, int n);

#endif
