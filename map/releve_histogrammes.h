// The samples of the charts of a map point: every record of the file whose
// parameter the map shows, read at the grid point nearest to the point,
// turned into one or more chart samples by its parameter. Each read is
// checked against its own record's grid: a point outside it, or an absent
// value, is a missing sample and takes the chart's substitute.
#ifndef MAP_RELEVE_HISTOGRAMMES_H
#define MAP_RELEVE_HISTOGRAMMES_H

#include <vector>

class Histogrammes;
struct grib;

struct EchantillonHistogramme {
    int genre;  // the chart's kind, 1 to 23
    int axes;   // the chart has its hour and day rows
    double valeur, second;  // valeur not a number: none (a rain total not known)
    int heure, jour;  // of the record's validity, UTC
};

// The sample in the chart of its kind (made at its first sample), with its
// hour and day when the chart has its rows; false when no slot is left.
bool bPoserEchantillon(Histogrammes& h, const EchantillonHistogramme& e);

// The chart kind of a wave height's record (100, 102, 105, 202, 203), its
// period's kind 13 above it; 0 for any other parameter.
int iGenreHauteur(int parametre);

// A grid point: its column and row on the first charted record's grid
// (possibly outside it), and where it lies.
struct PointHistogramme {
    int colonne = -1, ligne = -1;
    float latitude = 0, longitude = 0;
};

// The record's parameter is charted when the displayed list shows it and
// the charts can show it; a parameter 0 goes with any of them.
bool bReleve(const grib* affiches, int parametre);

// The grid point nearest to (latitude, longitude) on the first charted
// record's grid; false when no record is charted.
bool bPointHistogramme(const grib* fichier, const grib* affiches, double latitude,
                       double longitude, PointHistogramme& point);

// Every charted record's samples, in file order. With `superposition` the
// wind and the wave heights feed their main charts only. A wind or current
// sample whose v record does not follow ends the walk there.
std::vector<EchantillonHistogramme> releverHistogrammes(const grib* fichier,
                                                        const grib* affiches, double latitude,
                                                        double longitude, int superposition);

#endif
