// The cursor read-out's text: the values of every displayed field at the
// grid point nearest to a position, written as the popup shows them.
// Without a display: the map and the tests call it alike.
#ifndef MAP_LECTURE_VALEURS_H
#define MAP_LECTURE_VALEURS_H

struct grib;

// Writes into `texte` (LECTURE_TAILLE bytes) the lines of each entry of the
// displayed-field list at (latitude, longitude), and answers 1; the
// longitude form (as given, minus or plus 360) that fits the first
// field's grid goes into `longitudeGrille`. Answers 0, the text untouched,
// when the list is empty, its first entry has no decoded field, or the
// position lies outside the first field's grid.
int iLectureValeurs(const grib* liste, double latitude, double longitude, char* texte,
                    double& longitudeGrille);

// The Beaufort force of a speed in knots (0 to 12) and the sea state of a
// height in metres (0 to 9): how many of their thresholds the value reaches.
int iBeaufort(double noeuds);
int iEtatMer(double metres);

#endif
