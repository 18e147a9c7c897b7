// Size bounds shared by the two decompressors.
#ifndef GRIBDATA_DECOMPRESSION_LIMITES_H
#define GRIBDATA_DECOMPRESSION_LIMITES_H

#include <algorithm>
#include <cstdint>

// The output may be at most this many times the compressed size: beyond it
// the file is taken for a corrupt or hostile one.
constexpr unsigned FACTEUR_TAILLE_MAX = 99;

struct LimitesDecompression {
    uint64_t initiale;  // first working buffer, from the caller's guess
    uint64_t maximale;  // largest acceptable output
};

// `compresse` is the compressed file size, `facteur` the caller's first size
// factor (already checked to be at most FACTEUR_TAILLE_MAX). The length goes
// back through an unsigned int, hence the 4 GiB bound.
inline LimitesDecompression limitesDecompression(uint64_t compresse, unsigned facteur)
{
    const uint64_t plafond = std::min<uint64_t>(FACTEUR_TAILLE_MAX * compresse, UINT32_MAX);
    const uint64_t initiale = std::max(facteur, 1u) * compresse;
    return {std::min(initiale, plafond), plafond};
}

#endif
