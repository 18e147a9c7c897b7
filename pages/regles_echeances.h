// What the Forecast-times section of the GRIB request page offers and
// decides, without a display: the forecast-time buttons of the run
// offered now, the validity buttons with their day rows and past hours,
// the day labels, the step selectors and the request's times read back.
#ifndef PAGES_REGLES_ECHEANCES_H
#define PAGES_REGLES_ECHEANCES_H

#include "gribdata/echeances_reseau.h"

#include <string>
#include <vector>

class ListeCodes;

// The forecast-time buttons: the run's times; for model 10, only those
// that are not before today (t + R >= 0).
std::vector<int> echeancesProposees(const ChoixReseau& choix, int code);

// One validity button.
struct ValiditeProposee {
    int numero;    // what the button carries: v, or model 10's t
    int validite;  // v = t + R, hours from today's 0 h
    int jour, heure;
    bool ligne;     // a row with its day label starts at this button
    bool inactive;  // an hour of today already gone
};

// The validity buttons of the run: every time whose validity is not
// before today's 0 h. A row starts at the first one and at each whole day.
// An hour of today before `heureCourante` is disabled when the next time
// of the list (as listed, its end counting as -1) lies within today's
// first 24 hours and before `heureCourante` too.
std::vector<ValiditeProposee> validitesProposees(const ChoixReseau& choix, int code,
                                                 int heureCourante);

// Room for a day row's label, its end included.
constexpr int LIBELLE_JOUR = 8;

// A day row's label: " <jour> " for today, "<jour>+<n>" for day n. A
// translation too long for the room is cut at a character boundary; the
// day number always stays.
std::string sLibelleJour(const char* jour, int numero);

// Whether a step selector presses a button carrying `numero`: -1 ("Tous")
// every enabled button, 3, 6 or 12 those whose number is a multiple of
// it; 0 ("Raz") none.
bool bPresseParPas(int numero, int pas, bool actif);

// The request's list holds a time that reads as `numero` ("%d").
bool bTempsDemande(const ListeCodes& liste, int numero);

#endif
