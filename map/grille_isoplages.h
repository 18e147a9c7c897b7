// The grid operations of the colour bands: doubling a grid of scaled
// integers, smoothing it, and the plan of doublings and smoothings that
// makes a field finer when it is loaded.
#ifndef MAP_GRILLE_ISOPLAGES_H
#define MAP_GRILLE_ISOPLAGES_H

#include "map/tampon_brut.h"

#include <cstddef>
#include <vector>

// A point that the field does not cover.
constexpr int ISOPLAGES_ABSENT = 2147483647;
// The largest magnitude of a stored value: a mean of stored values never
// reaches the mark above.
constexpr int ISOPLAGES_MAXIMUM = 2147483646;
// A value in stored units: truncated toward zero and kept within
// +-ISOPLAGES_MAXIMUM (clear of the absent mark); NaN gives 0.
int iStockeBorne(double v);

// No grid is made finer beyond this many cells (128 MB of ints): only a
// field of very few rows and many columns, or a view far larger than any
// screen, would reach it.
constexpr long long ISOPLAGES_CELLULES_MAX = 1LL << 25;

// A grid of m columns and n rows becomes 2m - 1 by 2n - 1: the points kept
// at even rows and columns, the means of their two or four neighbours in
// between (truncated toward zero). With `absents`, a mean that involves an
// absent point is absent. `resultat` holds (2m - 1) x (2n - 1) cells.
void vDoublerCellules(const int* source, int colonnes, int lignes, int* resultat, bool absents);

template <class Grille, class Source = Grille>
void vDoublerGrille(const Source& source, int colonnes, int lignes, Grille& resultat, bool absents)
{
    resultat.resize(size_t(2 * colonnes - 1) * size_t(2 * lignes - 1));
    vDoublerCellules(source.data(), colonnes, lignes, resultat.data(), absents);
}

// In place, row by row, every point at least `rayon` from the border
// becomes the mean of itself and of its neighbours within the radius
// (absent ones left out), unless it is above all of them or below all of
// them: peaks and troughs stay. Radius 0 changes nothing.
void vLisserCellules(int* grille, int colonnes, int lignes, int rayon);

template <class Grille>
void vLisserGrille(Grille& grille, int colonnes, int lignes, int rayon)
{
    vLisserCellules(grille.data(), colonnes, lignes, rayon);
}

// One doubling of the loading plan: rows afterwards, smoothing radius
// (-1: no smoothing).
struct PasseAffinage {
    int lignes;
    int rayon;
    bool operator==(const PasseAffinage& p) const { return lignes == p.lignes && rayon == p.rayon; }
};

// The doublings of a field of that size in refinement mode 0 (none), 1
// (until more than 400 rows) or 2 (until more than 800, smoother when the
// field has more than 100 rows and absent points).
std::vector<PasseAffinage> planAffinage(int colonnes, int lignes, int mode, bool absents);

// How fields loaded from now on are made finer: 9 (automatic: decided by
// the first field loaded), 0, 1 or 2. The map's keyboard steps it. Fields
// already loaded keep their grids.
extern int OPTIMISATION;

// The refinement mode of the next field: OPTIMISATION, decided by the first
// field loaded while it is still 9 (1 up to 100 rows, else 0).
int iModeAffinage(int lignes);

#endif
