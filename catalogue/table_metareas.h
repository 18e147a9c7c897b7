// The compiled-in contents of the Metarea tree: one row per area, its own
// outline, and one row per sub-area, all in tree order. The builder of
// metareas.cpp walks these tables; the tests read them to check the tree
// against them.
#ifndef CATALOGUE_TABLE_METAREAS_H
#define CATALOGUE_TABLE_METAREAS_H

// One straight segment, (lat1, lon1) to (lat2, lon2).
struct SegmentMetarea {
    double lat1, lon1, lat2, lon2;
};

// Where a row's segments lie in the segment tables.
struct TraceMetarea {
    const SegmentMetarea* segments = nullptr;
    int nombre = 0;
};

struct LigneSousZone {
    const char* nom = nullptr;
    const char* nom2 = nullptr;
    const char* nom3 = nullptr;
    int style = 0;
    // The segments the zone has; `trace` holds those placed so far. A
    // zone whose lines are not placed yet has none, its label point at
    // (0, 0) and `largeur` 0: it draws nothing.
    int segments = 0;
    double lat = 0, lon = 0, largeur = 0;
    TraceMetarea trace = {};
};

// Room for an area's identifiers and the null that ends them.
constexpr int METAREA_BULLETINS = 5;

struct LigneMetarea {
    const char* nom;
    const char* nom2;
    const char* nom3;
    unsigned couleur;
    int numero;
    const char* bulletins[METAREA_BULLETINS];
    double lat, lon;
    double nord, sud, ouest, est;
    TraceMetarea contour;
    int sousZones;  // its rows follow the previous area's in SOUS_ZONES
};

constexpr int NOMBRE_METAREAS = 23;
constexpr int NOMBRE_SOUS_ZONES = 277;

extern const LigneMetarea* const METAREAS;
extern const LigneSousZone* const SOUS_ZONES;

#endif
