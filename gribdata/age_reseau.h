// How old the latest run of a forecast model is, from the current UTC hour:
// the request's cost follows a moving zone from that run, and so does the
// frame the request map draws.
#ifndef GRIBDATA_AGE_RESEAU_H
#define GRIBDATA_AGE_RESEAU_H

// Hours since the latest run of model `modele` at UTC hour `heureUtc`
// (0..23). Model 1's latest run is the 0 UTC one from 9 UTC on, before that
// the previous day's 12 UTC one; the other models run every 6 hours, each
// run taken from 6 hours after it.
int iAgeReseau(int modele, int heureUtc);

// How far ahead of now forecast time `echeance` (hours from the run) lies,
// for a run `age` hours old; 0 when it is already past.
int iAvanceEcheance(int echeance, int age);

#endif
