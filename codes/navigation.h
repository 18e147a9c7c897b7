// Course, rhumb-line and wind arithmetic. Angles in degrees, distances in
// nautical miles; directions are where the wind or current comes from,
// clockwise from north.
#ifndef CODES_NAVIGATION_H
#define CODES_NAVIGATION_H

double dCodesCap360(double course);
// Any longitude brought into -180..180; values already there are unchanged.
double dReplieLongitude(double lon);
// Destination of a rhumb line; the longitude reached lies in -180..180.
// Longitudes are worked out with latitudes held short of the poles
// (dLatitudeMercator), so they stay finite.
void vCodesLoxoLLCD(double lat0, double lon0, double course, double distance,
                    double& lat1, double& lon1);
// The latitude held within LATITUDE_MERCATOR_MAX of the equator, where
// Mercator's latitude term is still finite.
const double LATITUDE_MERCATOR_MAX = 89.99;
double dLatitudeMercator(double latitude);
void vUVDF(float u, float v, float& direction, float& force);
void vDFUV(float direction, float force, float& u, float& v);
// Remainder of a by b at a resolution of 1/1000.
float fmod1000(float a, float b);

#endif
