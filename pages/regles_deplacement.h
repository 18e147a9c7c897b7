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

// Not a number or infinite gives 0, a negative value 0; a course above 360
// degrees is taken modulo 360, a speed above VITESSE_MAXIMUM becomes it.
CapVitesse capVitesseRetenus(double cap, double vitesse);

#endif
