// The predefined map views offered by the title bar's zone menu.
#ifndef MAP_ZONES_H
#define MAP_ZONES_H

typedef struct {
    const char* nom;   // catalogue key; null ends the table
    double latitude;   // centre, degrees north
    double longitude;  // centre, degrees east
    double etendue;    // view height, degrees
} TYPEDEF_ZONE;

extern const TYPEDEF_ZONE ZONES[];

// The number of rows before the closing one.
int iNombreZones();

#endif
