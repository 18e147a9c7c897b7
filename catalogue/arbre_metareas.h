// Building and reading the Metarea tree: an area appended with its texts
// copied, and an area found by its key.
#ifndef CATALOGUE_ARBRE_METAREAS_H
#define CATALOGUE_ARBRE_METAREAS_H

#include "catalogue/metareas.h"

// Appends an area at the end of the tree's list, its three label lines and
// its identifiers (null-terminated, or null for none) copied into buffers
// of exactly their size; the other fields keep their creation values.
TYPEDEF_METAREA* pAjouterMetarea(TYPEDEF_LISTE_METAREA& arbre, const char* nom, const char* nom2,
                                 const char* nom3, uint32_t couleur, int numero,
                                 const char* const* bulletins);

// The area whose key is `numero`, or null. Key 0 marks the area without
// bulletins and never matches.
const TYPEDEF_METAREA* pMetareaNumero(const TYPEDEF_LISTE_METAREA* arbre, int numero);

#endif
