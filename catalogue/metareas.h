// The tree of the GMDSS Metareas: the list of areas, each with its label
// lines, colour, key number, box and bulletin identifiers, its own outline
// and the list of its sub-areas. Built once at start-up, read by the map,
// the bulletin buttons and the request model, freed at exit.
//
// Outlines are lists of separate segments: vertices 1 and 2 make the first
// segment, 3 and 4 the second, and so on. Texts, identifier arrays,
// vertices, records and cells are owned by the tree (array new for texts
// and arrays, new for the rest).
#ifndef CATALOGUE_METAREAS_H
#define CATALOGUE_METAREAS_H

#include <cstdint>

struct TYPEDEF_SOMMET {
    double lat;
    double lon;
    TYPEDEF_SOMMET* suivant;
};

// One cell of the area list or of a sub-area list: `element` is a
// TYPEDEF_METAREA in the first, a TYPEDEF_SOUS_ZONE in the second.
struct TYPEDEF_MAILLON {
    void* element;
    TYPEDEF_MAILLON* suivant;
};

struct TYPEDEF_SOUS_ZONE {
    char* nom = nullptr;   // null: no label
    char* nom2 = nullptr;
    char* nom3 = nullptr;
    uint32_t couleur = 255;  // toolkit colour index of the label
    int32_t style = 0;       // line style of the segments: 0 solid, 1 dashed
    int32_t numero = 0;      // an area's key; 0 on sub-areas and on areas without bulletins
    char** bulletins = nullptr;  // null-terminated, or null when none
    double lat = 0, lon = 0;     // label point
    double nord = 0, sud = 0, ouest = 0, est = 0;  // an area's box
    TYPEDEF_SOMMET* sommets_premier = nullptr;
    TYPEDEF_SOMMET* sommets_courant = nullptr;
    double largeur = 0;  // label width in degrees of longitude
};

struct TYPEDEF_METAREA : TYPEDEF_SOUS_ZONE {
    TYPEDEF_MAILLON* sous_zones_premier = nullptr;
    TYPEDEF_MAILLON* sous_zones_courant = nullptr;
};

struct TYPEDEF_LISTE_METAREA {
    TYPEDEF_MAILLON* courant;
    TYPEDEF_MAILLON* premier;
};

// The tree, null until start-up builds it.
extern TYPEDEF_LISTE_METAREA* GMDSS;

// Builds a new tree; never null.
TYPEDEF_LISTE_METAREA* Metareas();
// Frees a tree and everything it owns; null does nothing.
void vLibererMetareas(TYPEDEF_LISTE_METAREA* arbre);

#endif
