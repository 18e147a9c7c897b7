// The samples of the charts of a map point: every record of the file whose
// parameter the map shows, read at the grid point nearest to the point,
// turned into one or more chart samples by its parameter, each level of a
// parameter given at several in a series of its own. Each read is checked
// against its own record's grid: a point outside it, or an absent value,
// is a missing sample and takes the chart's substitute.
#ifndef MAP_RELEVE_HISTOGRAMMES_H
#define MAP_RELEVE_HISTOGRAMMES_H

#include "gribdata/serie_grib.h"

#include <string>
#include <vector>

class Histogrammes;
struct grib;

struct EchantillonHistogramme {
    int genre;  // the chart's kind, 1 to 23
    int axes;   // the chart has its hour and day rows
    double valeur, second;  // valeur not a number: none (a rain total not known)
    int heure, jour;  // of the record's validity, UTC
    // Its series' level and that level's name when the file holds its
    // parameter at several levels (each then charted apart); -1 and empty
    // otherwise.
    int niveau = -1;
    std::string nomNiveau;
};

// What every sample of one record shares: its validity's hour and day,
// and its series, told by its level when the file holds its parameter at
// several levels.
class SourceEchantillons {
public:
    explicit SourceEchantillons(const grib* fichier) : multiples_(fichier) {}
    // The samples made from now on are that record's.
    void vRecord(const grib& r);
    EchantillonHistogramme operator()(int genre, int axes, double valeur, double second) const;

private:
    NiveauxMultiples multiples_;
    int heure_ = 0, jour_ = 0, niveau_ = -1;
    std::string nom_;
};

// Every sample in the chart of its kind and series (made at its first
// sample), with its hour and day when the chart has its rows; a sample
// with no slot left is dropped. `compteurs` gets, for each kind, the
// sample count of its fullest chart. Answers the kind of the last sample,
// 0 without any.
int iPoserEchantillons(Histogrammes& h, const std::vector<EchantillonHistogramme>& e,
                       int (&compteurs)[32]);

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
// sample without its v record (gribdata/serie_grib.h) ends the walk there.
std::vector<EchantillonHistogramme> releverHistogrammes(const grib* fichier,
                                                        const grib* affiches, double latitude,
                                                        double longitude, int superposition);

#endif
