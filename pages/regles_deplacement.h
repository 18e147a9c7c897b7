// What a typed course and speed of the moving zone become before they
// reach the request's "V" line and the map's frame.
#ifndef PAGES_REGLES_DEPLACEMENT_H
#define PAGES_REGLES_DEPLACEMENT_H

// The speed field's range ends here (knots).
constexpr double VITESSE_MAXIMUM = 99.9;

struct CapVitesse {
    double cap, vitesse;
    // A zone moves when either is not 0.
    bool bMobile() const { return cap != 0 || vitesse != 0; }
};

// What the request's "V" line holds: not a number, infinite or negative
// gives 0; the course in whole degrees (truncated), a course of 360 or
// more refused for `capPrecedent`; the speed at most VITESSE_MAXIMUM, with
// the one decimal the line writes.
CapVitesse capVitesseRetenus(double cap, double vitesse, double capPrecedent);

#endif
