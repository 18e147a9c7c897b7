#include "ui/image_decodee.h"

#include <algorithm>

const char* pcRefusDecodage(int refus)
{
    switch (refus) {
    case DECODAGE_ILLISIBLE: return "illisible";
    case DECODAGE_TROP_GRANDE: return "taille refusee";
    case DECODAGE_COUPEE: return "donnees plus courtes que l'image";
    case DECODAGE_TROP_DE_PASSES: return "trop de passes";
    case DECODAGE_MEMOIRE: return "memoire insuffisante";
    case DECODAGE_TROP_DE_TRAVAIL: return "trop de travail";
    case DECODAGE_NON_ADMISE: return "non admise";
    default: return "refusee";
    }
}

bool bPlaceLignes(ImageDecodee& image, size_t lignes, size_t& capacite)
{
    if (lignes <= capacite)
        return true;
    const size_t voulues =
        std::min(size_t(image.h), std::max({lignes, capacite + capacite / 2, size_t(16)}));
    // realloc moves large blocks by remapping them: no copy, no second buffer.
    void* p = std::realloc(image.pixels.get(), voulues * size_t(image.w) * size_t(image.d));
    if (!p)
        return false;
    image.pixels.release();
    image.pixels.reset(static_cast<unsigned char*>(p));
    capacite = voulues;
    return true;
}
