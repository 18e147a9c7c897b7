// What the viewer tells the user when it draws nothing of a file: the
// reason of a refusal, in the running language.
#ifndef MAP_RAISON_REFUS_H
#define MAP_RAISON_REFUS_H

#include "gribdata/refus_grib.h"

#include <string>

// A phrase, then in parentheses what the message says of itself (its
// centre and model, its grid, its bits per value, its parameter); empty
// for code 0.
std::string sRaisonRefus(const RefusGrib& refus);

#endif
