// The predefined GRIB packages without a display: their rows and names,
// the three zone shapes a package button cycles through, and the zone a
// package puts at the map's centre.
#ifndef PAGES_REGLES_FORFAITS_H
#define PAGES_REGLES_FORFAITS_H

#include "pages/regles_zone.h"

// Null, the row labels "1" to "6", null.
extern const char* const LISTE_FORFAITS[];
extern int NOMBRE_FORFAITS;

// The rows of LISTE_FORFAITS, counted from entry 1.
int iLignesForfaits();
// The catalogue key of row n's name; null past the sixth row.
const char* pcNomForfait(int n);

// A package button's state is its row n on the first press, then 10n,
// then 100n. The row a state stands for (0 for none).
int iLigneForfait(int etat);
// The state after one more press of a button already down: n -> 10n ->
// 100n -> n.
int iEtatSuivant(int etat);

// The zone's latitude and longitude spans for a state; 0 by 0 for a state
// of no row.
struct FormeForfait {
    double latitude, longitude;
};
FormeForfait formeForfait(int etat);

// The zone of that shape centred on (latitude, longitude); the centre's
// longitude is first brought back by 360 degrees at most once into -180
// to 180, so that a view panned across the antimeridian gives bounds the
// fields hold.
CadreZone cadreForfait(int etat, double latitude, double longitude);

#endif
