// The clock: a one-second timeout that keeps the title bar's two clocks
// (UTC and local time) and the program's globals of "now" current. Only a
// new minute, or a language change, costs any work.
#ifndef UI_HORLOGE_H
#define UI_HORLOGE_H

#include <ctime>

class classGroupeDateHeure;

// Written by the clock once a minute; 0 until its first tick. `decalage`
// (local time minus UTC) is the GRIB model's, in gribdata/globales.h.
extern int heurecourante;  // UTC hour, 0..23
extern int jourcourant;    // UTC day of the week, 0 = Sunday
extern int AAAAMMJJ;       // UTC date as yyyymmdd
// Set by the language switch: the next tick rewrites the dates.
extern int DateFormatChange;

// The display the clock fills; set by the title bar that holds it. While
// null the ticks only update the globals.
extern classGroupeDateHeure* horlogeAffichage;

// A date text: "<day name> dd/mm/yy".
#define HORLOGE_TEXTE 32

// The timeout routine (data: the main window); re-arms itself every second.
void clock_Date(void* fenetre);
// One tick at the instant `maintenant`: answers 1 when it recomputed, 0
// when the minute is the one already shown.
int iTic(time_t maintenant);

// Seconds from 1970 to the start of the breakdown's hour, counting every
// year divisible by 4 as a leap year (true up to 2099).
long long llHeures(const struct tm& t);
// The date text of a breakdown with the translated day name; a long name
// is cut at a character boundary so the text fits.
void vTexteDate(char texte[HORLOGE_TEXTE], const struct tm& t);

#endif
