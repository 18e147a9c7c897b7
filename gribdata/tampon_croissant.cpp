#include "gribdata/tampon_croissant.h"

#include <cstdlib>
#include <cstring>
#include <new>

TamponCroissant::TamponCroissant(uint64_t initiale, uint64_t maximale)
    : initiale_(std::max<uint64_t>(1, std::min(initiale, maximale))), maximale_(maximale)
{
}

TamponCroissant::~TamponCroissant()
{
    std::free(donnees_);
}

// malloc/realloc rather than new: a refused allocation must come back as a
// failure of this one file, not reach the program's new-handler, which exits.
// Growing by half (at least by the first size) keeps the peak, with the
// exact copy, near 2.5 times the output, in a dozen reallocations at most;
// large blocks are moved by remapping, not copied.
bool TamponCroissant::agrandir()
{
    uint64_t nouvelle = capacite_ == 0
                            ? initiale_
                            : std::min(capacite_ + std::max(capacite_ / 2, initiale_), maximale_);
    if (nouvelle > SIZE_MAX)
        return false;
    void* p = std::realloc(donnees_, size_t(nouvelle));
    if (!p)
        return false;
    donnees_ = static_cast<char*>(p);
    capacite_ = nouvelle;
    return true;
}

char* TamponCroissant::copieExacte() const
{
    char* copie = new (std::nothrow) char[size_t(taille_)];
    if (copie && taille_ > 0)
        std::memcpy(copie, donnees_, size_t(taille_));
    return copie;
}
