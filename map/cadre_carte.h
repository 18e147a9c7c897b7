// The arithmetic of the request frame that needs no display: the texts of
// its bounds, a frame kept on the globe when it is centred near a pole,
// and where a moving zone's frame has gone at a forecast time.
#ifndef MAP_CADRE_CARTE_H
#define MAP_CADRE_CARTE_H

#include <cstddef>

// Room for a bound's text, terminator included.
constexpr size_t CADRE_TEXTE = 16;

// "45.50°N", "170.00°W": the absolute value with two decimals (three with
// `fin`), the degree sign and the hemisphere letter; a longitude is first
// brought into -180..180. Answers the text's length.
int iTexteBorne(char* out, double valeur, int longitude, int fin);

// A frame centred so near a pole that a bound leaves the globe is shifted
// back inside -90..90, keeping its height.
void vCadreDansLeGlobe(double& nord, double& sud);

// The frame centre (latitude, longitude) carried `heures` hours along
// `cap` at `vitesse` knots on a rhumb line, in single precision as the
// request's moving zone counts it; the longitude reached is brought
// within 180 degrees of `ouest`, the frame's west bound.
void vCentreMobile(double latitude, double longitude, float cap, float vitesse, double heures,
                   double ouest, double& latitude1, double& longitude1);

#endif
