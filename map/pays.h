// Place names written on the map over the coastline: the list read from
// "img/datapays.txt" and the gazetteer compiled into the program, each name
// shown at the coastline detail levels of its level mask.
#ifndef MAP_PAYS_H
#define MAP_PAYS_H

// Room for a name, its terminator included.
constexpr int PAYS_NOM = 48;

struct TYPEDEF_PAYS {
    int masque;         // bit k-1: shown at coastline level k (1..5)
    unsigned couleur;   // decimal RRRGGGBBB; 0 black
    unsigned taille;    // font size in points
    unsigned style;     // 0 regular, 1 italic, 2 bold, 3 bold italic
    double latitude, longitude;  // the label's centre, degrees
    char francais[PAYS_NOM];     // shown when the language is French
    char autre[PAYS_NOM];        // shown in any other language
    TYPEDEF_PAYS* suivant;       // next of the list; null in the table
};

// The names of "img/datapays.txt" in file order; null when there are none.
extern TYPEDEF_PAYS* ST_PAYS;
// The compiled gazetteer, ended by a row whose mask is 0.
extern const TYPEDEF_PAYS ST_PAYS2[];

// (Re)reads "img/datapays.txt". A line that is not a comment ("#...") and
// does not hold 7 or 8 fields drops every name of the file (logged).
void Pays();
// Frees the list.
void delete_Pays();

#endif
