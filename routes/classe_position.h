// One dated position of a route and the list cell that links it to its
// neighbours. The leg from position k-1 to position k keeps its lengths on
// k (`loxo`, `ortho`) and its course and speed on k-1 (`cap`, `vitesse`).
#ifndef ROUTES_CLASSE_POSITION_H
#define ROUTES_CLASSE_POSITION_H

#include <ctime>

// Origins of a position (`type`).
enum {
    POSITION_CALCULEE = 0,    // hourly point of a companion route
    POSITION_UTILISATEUR = 1, // entered by the user; the only kind stored
    POSITION_MAINTENANT = 2,  // the point at the current time
    POSITION_ECHEANCE = 3,    // the point at the displayed forecast validity
    POSITION_AUTRE_ECHEANCE = 4,
};

class classePosition {
public:
    // Position `n` at 48 N 5 W, dated now, entered by the user.
    explicit classePosition(int n);

    // The number; the first position (0) has no incoming leg.
    void set(int n);
    // The date and its two broken-down copies. Called with a long: an
    // unsigned argument would be ambiguous between this and set(int).
    void set(long t);
    // Latitude and longitude in degrees (the longitude kept as given),
    // with their radians and degrees, minutes and seconds.
    void set(double lat, double lon);
    // The position's line on standard output; `cortho` not 0 adds the
    // distances run.
    void print(double cortho, double cloxo) const;

    int numero;
    time_t date;  // seconds since 1970 UTC
    double latitude, longitude;
    int latitudeDegres, latitudeMinutes, latitudeSecondes;
    int longitudeDegres, longitudeMinutes, longitudeSecondes;
    double latitudeRadians, longitudeRadians;
    double cap;      // degrees, course of the leg that starts here
    double vitesse;  // knots, speed of the leg that starts here
    double loxo;     // nautical miles, rhumb line of the leg that ends here
    double ortho;    // nautical miles, great circle of the leg that ends here
    int dateUTC[6];     // year, month 1-12, day, hour, minute, second
    int dateLocale[6];  // the same in the machine's time zone
    int type;
};

struct structurePosition {
    structurePosition* precedent;
    classePosition* position;  // owned through the cell
    structurePosition* suivant;
};

#endif
