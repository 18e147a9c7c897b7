// The GMDSS Metarea tree: the 23 areas for which the service publishes
// maritime safety bulletins (VIII given twice, north and south, and XI
// twice, Japan and China), each with its label, colour, key, box, bulletin
// identifiers, outline and named sub-areas. Built once at start-up from
// tables compiled into the program and never changed afterwards, except
// for the `courant` cursors, which readers use to walk it.
//
// Readers: the map draws the outlines and labels; the bulletin pages make
// one button per area whose `numero` is not 0, in list order; the request
// model and the direct fetch take an area's identifiers by its `numero`.
//
// Coordinates are degrees, north and east positive. Longitudes run past
// 180 where a line, a label point or a box crosses the date line eastwards
// (up to 289.55), never below -180; the two ends of a segment are less than
// 180 degrees of longitude apart. Texts are UTF-8.
#ifndef CATALOGUE_METAREAS_H
#define CATALOGUE_METAREAS_H

#include <cstdint>

// An identifier of a bulletin is at most this long (the request model
// copies each into a buffer one byte longer).
constexpr int METAREA_IDENTIFIANT_MAX = 47;

// Keys of 1000 and more name other products in the request model.
constexpr int METAREA_NUMERO_MAX = 999;

// One vertex of a segment list.
struct TYPEDEF_SOMMET {
    double lat = 0;
    double lon = 0;
    TYPEDEF_SOMMET* suivant = nullptr;
};

// A sub-area, and the first part of an area record: the map reads both
// kinds through these fields.
struct TYPEDEF_SOUS_ZONE {
    // Label lines, owned; null where absent (never nom2 without nom, nor
    // nom3 without nom2). A record without nom has no label.
    char* nom = nullptr;
    char* nom2 = nullptr;
    char* nom3 = nullptr;
    uint32_t couleur = 255;  // toolkit colour index of the label
    int32_t style = 0;       // toolkit line style of the segments: 0 solid, 1 dashed
    int32_t numero = 0;      // an area's key; 0 on sub-areas and on XI (China)
    // An area's bulletin identifiers, null-terminated, owned; null when
    // there are none (exactly when numero is 0).
    char** bulletins = nullptr;
    double lat = 0, lon = 0;                        // label point
    double nord = 0, sud = 0, ouest = 0, est = 0;   // an area's box
    // Separate segments, two vertices each (never a closed polygon unless
    // the list repeats a point); the list length is even, possibly 0.
    TYPEDEF_SOMMET* sommets_premier = nullptr;
    TYPEDEF_SOMMET* sommets_courant = nullptr;
    // Room the label needs, in degrees of longitude: the map names a
    // sub-area only while its widest line is narrower than that; 0 never.
    double largeur = 0;
};

struct TYPEDEF_MAILLON;

// An area: its `nom` is the Roman numeral, `nom2` the issuing country and
// `nom3` a second name (III and VIII(S)); `couleur` 63, 95 or 223.
struct TYPEDEF_METAREA : TYPEDEF_SOUS_ZONE {
    TYPEDEF_MAILLON* sous_zones_premier = nullptr;
    TYPEDEF_MAILLON* sous_zones_courant = nullptr;
};

// A cell of the area list (its element is a TYPEDEF_METAREA) or of a
// sub-area list (a TYPEDEF_SOUS_ZONE).
struct TYPEDEF_MAILLON {
    TYPEDEF_SOUS_ZONE* element = nullptr;
    TYPEDEF_MAILLON* suivant = nullptr;
};

// The head of the area list.
struct TYPEDEF_LISTE_METAREA {
    TYPEDEF_MAILLON* courant = nullptr;  // a walk cursor for readers
    TYPEDEF_MAILLON* premier = nullptr;
};

// The tree; null until start-up builds it, and again after shutdown.
extern TYPEDEF_LISTE_METAREA* GMDSS;

// A new tree, complete; never null.
TYPEDEF_LISTE_METAREA* Metareas();

// Frees a tree built by Metareas() (null: nothing), every text, array,
// vertex, record and cell once.
void vLibererMetareas(TYPEDEF_LISTE_METAREA* arbre);

// The area record held by a cell of the area list.
inline TYPEDEF_METAREA* pMetarea(const TYPEDEF_MAILLON* maillon)
{
    return static_cast<TYPEDEF_METAREA*>(maillon->element);
}

// The area whose key is `numero` (not 0); null when none. Walks with a
// cursor of its own.
TYPEDEF_METAREA* pMetareaNumero(const TYPEDEF_LISTE_METAREA* arbre, int numero);

#endif
