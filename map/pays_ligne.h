// One place name as "img/datapays.txt" and the compiled gazetteer write
// it: "mask colour size style latitude longitude french [other]", blanks
// between the fields and "_" for a blank inside a name.
#ifndef MAP_PAYS_LIGNE_H
#define MAP_PAYS_LIGNE_H

#include "map/pays.h"

// Reads the fields of `ligne` into `p` (its next pointer untouched) and
// answers how many were read, as sscanf counts them (-1 for a line of
// blanks); with 7 the other name is the French one. Names longer than
// PAYS_NOM - 1 bytes are cut, at a character boundary.
int iLirePays(const char* ligne, TYPEDEF_PAYS& p);

#endif
