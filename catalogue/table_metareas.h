// The compiled-in contents of the Metarea tree: one row per area, its own
// outline, and one row per sub-area, all in tree order, with the place of
// each sub-area's label and lines. The builder of
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
    // The number of segments the published catalogue gives the zone;
    // PLACES_SOUS_ZONES holds those drawn.
    int segments = 0;
};

// Where a sub-area's label stands, the room it needs (0: never shown) and
// the lines it draws: one row per sub-area, in the order of SOUS_ZONES,
// written by tools/metareas/sous_zones.py from catalogue/sous_zones.txt.
// A zone without a published definition at hand has no lines, and no
// label point either unless named after the water where it lies.
struct PlaceSousZone {
    const char* nom;  // the row's first label line, to check both tables agree
    double lat, lon, largeur;
    TraceMetarea trace;
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
extern const PlaceSousZone* const PLACES_SOUS_ZONES;

#endif
