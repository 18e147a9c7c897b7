// What the field drawing reads of a decoded field's grid.
#ifndef MAP_GRILLE_CHAMP_H
#define MAP_GRILLE_CHAMP_H

class Grib;

// A grid step in degrees from millidegrees; 83 is the service's mark for
// exactly 1/12 degree.
float fPasDegres(int millidegres);

// False, with a log line, for a grid that nothing can be drawn or read
// from: fewer than 2 rows or columns, or a step of 0.
bool bGrilleUtilisable(const Grib& champ);

#endif
