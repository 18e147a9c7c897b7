// The WMO Marsden squares: ten-degree squares numbered westward from
// Greenwich, by rows from the equator; the coastline store files its finer
// levels by them.
#ifndef MAP_MARSDEN_H
#define MAP_MARSDEN_H

// Entries of a square table: 0 and 937 exist but are never valid squares.
#define TDC_CARRES 938

// Number of the square holding (latitude, longitude), in degrees. Points at
// 90 N or out of range give numbers outside 1..936.
int iMarsden(double latitude, double longitude);

// Squares 1..288 cover 0 to 80 N, 300..623 the south, 901..936 80 N and up.
inline bool bMarsdenValide(int carre)
{
    return carre >= 1 && carre <= 936;
}

#endif
