// Where a point lies on a decoded field's grid, and the values of the
// records read beside a field (a wind's v component, a wave height's
// direction and period) at the same cell. A partner is read only on a grid
// of the same geometry: the same index on another grid is another place,
// or lies beyond its values.
#ifndef MAP_CELLULE_GRILLE_H
#define MAP_CELLULE_GRILLE_H

class Grib;
struct grib;

struct CelluleGrille {
    int ligne = 0, colonne = 0;
};

// The row and column nearest to the point (halves to the even one): rows
// southwards from La1, columns eastwards from Lo1, the longitude taken
// with the shift of -360, 0 or +360 that puts it inside the grid; on a
// grid round the whole earth, a point between its last column and its
// first is so read at the nearer of the two. False outside the grid, or
// for a grid without rows, columns or steps.
bool bCelluleGrille(const Grib& g, double latitude, double longitude, CelluleGrille& c);

// A grid whose columns go round the whole earth, its last one a step short
// of its first (0 to 359, -180 to 179 in whole degrees).
bool bGrilleGlobale(const Grib& g);

// The same first point and steps: a row and column stand for the same
// place on both grids (their sizes may differ).
bool bMemeGrille(const Grib& a, const Grib& b);

// The value of `partenaire` at the cell of `g`; false when it has no
// decoded values, its grid is laid otherwise than g's or the cell lies
// outside it.
// An absent value is read as it is.
bool bLirePartenaire(const Grib& g, const grib* partenaire, CelluleGrille c, float& v);

#endif
