// Great-circle distance on a sphere of one nautical mile per minute of arc.
#ifndef ROUTES_ORTHODROMIE_H
#define ROUTES_ORTHODROMIE_H

class classePosition;

// Distance in nautical miles between (lat1, lon1) and (lat2, lon2), all in
// degrees. Longitudes are taken as given: a leg across the 180th meridian
// needs no unwrapping, the cosine of the difference does not care.
double orthodromie2(double lat1, double lon1, double lat2, double lon2);

// The same between two positions, from their radians.
double orthodromie(const classePosition* a, const classePosition* b);

#endif
