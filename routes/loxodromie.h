// Rhumb lines on the sphere of one nautical mile per minute of arc: the
// length and course of a leg, and dead reckoning along one. Courses in
// degrees clockwise from north, due north reported as 360 (0 only for
// coincident points).
#ifndef ROUTES_LOXODROMIE_H
#define ROUTES_LOXODROMIE_H

class classePosition;

// Length in nautical miles from `depart` to `arrivee`, from their radians
// (longitudes unwrapped by the caller); the course goes into depart->cap.
// Points at or near a pole are measured with their Mercator latitude held
// short of it: the result is always finite.
double loxodromie(classePosition* depart, classePosition* arrivee);

// The point reached from (latitude, longitude) by `distance` nautical
// miles on course `cap`; the longitude brought into -180..180.
void loxoCapVitesse(double latitude, double longitude, double cap, double distance,
                    double& latitude2, double& longitude2);

#endif
