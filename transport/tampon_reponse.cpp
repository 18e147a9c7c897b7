#include "transport/tampon_reponse.h"

#include <algorithm>
#include <cstdlib>

namespace {

const size_t PREMIERE_TAILLE = 64 * 1024;

}  // namespace

TamponReponse::TamponReponse(int64_t maximum) : maximum_(std::max<int64_t>(0, maximum)) {}

TamponReponse::~TamponReponse()
{
    std::free(octets_);
}

bool TamponReponse::bCapacite(size_t capacite)
{
    void* p = std::realloc(octets_, capacite);
    if (!p)
        return false;
    octets_ = static_cast<char*>(p);
    capacite_ = capacite;
    return true;
}

bool TamponReponse::bPlace()
{
    if (libre() > 0)
        return true;
    // One octet over the limit and the final zero.
    const size_t plafond = size_t(maximum_) + 2;
    if (capacite_ >= plafond)
        return false;
    const size_t voulue = capacite_ == 0 ? PREMIERE_TAILLE : capacite_ + capacite_ / 2;
    return bCapacite(std::min(voulue, plafond));
}

bool TamponReponse::bReserver(size_t total)
{
    return total + 1 <= capacite_ || bCapacite(std::min(total, size_t(maximum_) + 1) + 1);
}

char* TamponReponse::ceder()
{
    if (taille_ == 0)
        return nullptr;
    if (capacite_ != taille_ + 1)
        bCapacite(taille_ + 1);  // a refused shrink keeps the larger block
    octets_[taille_] = 0;
    char* cede = octets_;
    octets_ = nullptr;
    taille_ = capacite_ = 0;
    return cede;
}
