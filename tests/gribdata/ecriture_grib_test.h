// GRIB edition 1 messages of the kind the service sends (centre 85, regular
// latitude / longitude grid scanned from the north-west corner, simple
// packing on 8 bits, a bit map when a point is absent) made from a field
// given as a function, for the map's tests and benchmarks.
#ifndef TESTS_GRIBDATA_ECRITURE_GRIB_TEST_H
#define TESTS_GRIBDATA_ECRITURE_GRIB_TEST_H

#include <functional>
#include <string>
#include <vector>

struct ChampEcrit {
    int parametre = 2, process = 78, p1 = 0;
    int p2 = 0, indicateur = 0, typeNiveau = 102, jour = 6;  // of December 2026, 12 UTC
    int ni = 360, nj = 181;
    int la1 = 90000, lo1 = -180000;  // north-west corner, millidegrees
    int di = 1000, dj = 1000;        // steps, millidegrees
    // Value at a latitude and longitude in degrees; NaN for an absent point.
    std::function<double(double, double)> valeur;
};

// The message's bytes. Values are packed with the finest binary scale that
// holds their range in 8 bits.
std::string sMessageGrib(const ChampEcrit& champ);

// The messages of several fields, one after the other.
std::string sMessagesGrib(const std::vector<ChampEcrit>& champs);

// A field of one value everywhere.
ChampEcrit champUniforme(int parametre, double valeur, int p1 = 0);

#endif
