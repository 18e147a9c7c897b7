// What loading a saved request back decides without a widget: whether the
// request's model may be loaded, whether its view may be zoomed on, the
// compression choice of its line, and the moving zone it keeps.
#ifndef PAGES_REGLES_CHARGEMENT_H
#define PAGES_REGLES_CHARGEMENT_H

#include <string>

// A model a loaded GRIB request may hold: one the page offers as a
// button. None (0) would wipe the page's request to one that cannot be
// sent; any other would load a request whose sections show nothing to
// change.
bool bModeleChargeable(int modele);

// The view a loaded GRIB request gives the map: centre latitude, centre
// longitude and twice the latitude span. False when a value is not finite
// or out of range (latitude beyond 90, longitude beyond 540, a span not
// above 0 or over 360): the map is then not zoomed.
bool bDimensionsValides(double latitude, double longitude, double etendue);

// The compression button's number for the request's line: 0 the bare
// "C", 1 "C gzip", 2 otherwise.
int iCompressionChargee(const std::string& ligne);

// The moving zone of a "V" line: none for the bare "V" or a course and
// speed both 0; a course of 0 with a speed is a zone moving north.
struct CapVitesseCharges {
    int cap = 0;
    double vitesse = 0;
};
CapVitesseCharges capVitesseCharges(const std::string& ligne, int cap, double vitesse);

#endif
