// What the two decompressors share: the compressed file read whole after
// the same checks, and the end of a decompression, where the data decoded
// before any damage are kept.
#ifndef GRIBDATA_DECOMPRESSION_COMMUNE_H
#define GRIBDATA_DECOMPRESSION_COMMUNE_H

#include "gribdata/tampon_croissant.h"

#include <cstddef>
#include <memory>

struct FichierCompresse {
    std::unique_ptr<unsigned char[]> octets;
    size_t taille = 0;
};

// Reads the file whole. On a refusal (missing, not a regular file, empty, a
// first factor above 99, no memory) logs "<prefixe> <file> : <reason>" and
// answers false.
bool lireCompresse(const char* file, unsigned int n, const char* prefixe, FichierCompresse& f);

// A stream decoder's verdict once it stopped.
struct FinFlux {
    TamponCroissant::Issue issue;
    // Why the data stopped short (truncated or corrupt), or null.
    const char* dommage;
};

// The exact-size buffer of what was decoded, or null. Data cut by damage
// are kept up to it, with one line saying where; an empty result of a
// damaged file, too large a result or a lack of memory answer null.
char* conclure(const char* file, const char* prefixe, const TamponCroissant& tampon, FinFlux fin,
               const char* ligneFin, unsigned int& n);

#endif
