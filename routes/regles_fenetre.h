// What the route window decides without a display: the date and the
// coordinates a position row's fields stand for, a new route name, and the
// text of a route's entry in the route list menu.
#ifndef ROUTES_REGLES_FENETRE_H
#define ROUTES_REGLES_FENETRE_H

#include <string>

// A field's value beyond this, or not a number, is refused before it is
// turned into an integer: a month of 1e9 would be a billion months to
// count, and 1e20 does not fit an int.
const double ROUTES_SAISIE_MAX = 1e6;
bool bSaisieValide(double valeur);

// The date, in seconds since 1970-01-01 00:00 UTC, of the six fields
// year, month, day, hour, minute and second (each truncated toward zero),
// counted as the rows count it: every year from 1970 has 366 days when
// divisible by 4, else 365; every month from January has 30 days for April,
// June, September and November, 29 or 28 for February, 31 for the others
// (a thirteenth month and beyond included); then the days from the first,
// the hours, minutes and seconds. No field is held to its range, so a value
// past it carries into the next unit. False, `date` unchanged, when a field
// is refused, the year is before 1970 or the date falls before it.
bool bDateRangee(const double champs[6], long& date);

// A latitude or longitude from its degree, minute and second fields:
// minutes and seconds count away from the equator or the prime meridian
// when the degrees are negative, or 0 with the stored coordinate
// `actuelle` negative (the degree field cannot show -0 as typed). False
// when a field is refused.
bool bCoordonneeRangee(double degres, double minutes, double secondes, double actuelle,
                       double& coordonnee);

// A route's new name from the text of its name field: carriage returns and
// line feeds dropped (a name is one line of the routes file), then cut to
// 127 bytes at a character boundary. False for "@end", which would end
// the routes file where the name stands.
bool bNomRoute(const char* texte, std::string& nom);

#endif
