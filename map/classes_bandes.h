// The fixed classes of the colour bands: Beaufort forces of a wind speed in
// knots and sea-state classes of a wave height in metres, with the band
// colour of each class. Speeds and heights are compared in single precision.
#ifndef MAP_CLASSES_BANDES_H
#define MAP_CLASSES_BANDES_H

// 0 to 12: the number of the thresholds 1, 4, 7, 11, 16, 22, 28, 34, 41,
// 48, 56, 64 knots that the speed reaches.
int iForceBeaufort(float noeuds);
// 0 to 9: the number of the thresholds 0.01, 0.1, 0.5, 1.25, 2.5, 4, 6, 9,
// 14 metres that the height reaches.
int iClasseMer(float metres);
// 0 to 9: the number of the thresholds 0.01, 0.1, 0.2, 0.3, 0.5, 0.75, 1,
// 1.5, 2 knots that a current reaches.
int iClasseCourant(float noeuds);

// Red, green, blue of a force or a class (taken in its table's range).
const unsigned char* pucBandeBeaufort(int force);
const unsigned char* pucBandeMer(int classe);

#endif
