// The coastline store: six levels of detail of the world's shorelines (and
// the rivers and borders the files carry), held once for the program.
// Level 0 is coarse and loaded by the constructor; levels 1 to 5 are loaded
// later by a background thread and, from level 2 on, filed by Marsden
// square so that a map visits only the squares around its view.
#ifndef MAP_TDC_H
#define MAP_TDC_H

#include "map/marsden.h"
#include "map/tdc_format.h"

// One polyline: a closed ring for levels below 10, an open line above.
// Point i lies at latitude sud + latitudes[i] / scale and longitude
// ouest + longitudes[i] / scale (scale of the record's level; level 0
// records hold absolute hundredths with edges of 0).
struct TYPEDEF_TDC {
    int nombre;
    short niveau;
    float sud, ouest, nord, est;  // degrees
    short* latitudes;             // owned
    short* longitudes;            // owned
    TYPEDEF_TDC* suivant;         // next record of the level, in file order
};

// A cell of a square's list; an empty square is one cell with no record.
struct TYPEDEF_TDC_CASE {
    TYPEDEF_TDC* tdc;
    TYPEDEF_TDC_CASE* suivant;
};

class tdc {
public:
    tdc();
    ~tdc();
    tdc(const tdc&) = delete;
    tdc& operator=(const tdc&) = delete;

    // Loads level 1..5 into its chain and square table and publishes its
    // chain under the toolkit's lock. A level whose files are missing or
    // hold no readable record takes the previous level's chain.
    int load_file(int niveau);
    // Levels 1 to 5 in order.
    int load();
    // Frees a record chain; answers 0.
    int del(TYPEDEF_TDC* premier);

    // Chain heads; a level not (yet) loaded points at the previous one's.
    TYPEDEF_TDC* chaines[TDC_NIVEAUX];
    // Square lists of each level, indexed by Marsden number; level 0's and
    // any unloaded level's stay null.
    TYPEDEF_TDC_CASE* carres[TDC_NIVEAUX][TDC_CARRES];
    int charge[TDC_NIVEAUX];
    float echelles[TDC_NIVEAUX];

private:
    void vChargerNiveau0();
    void vClasser(int niveau, TYPEDEF_TDC* premier);
    void vLibererCarres(int niveau);
};

// The program's store, made at start-up before any map.
extern tdc* tdc1;

// The level the last coastline drawing chose; the place names follow it.
extern int ZOOMTDC;

#endif
