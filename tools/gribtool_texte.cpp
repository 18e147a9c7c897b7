#include "tools/gribtool_texte.h"

#include <charconv>
#include <cstring>

namespace {

// The longest "%.9g": a sign, 9 digits, the point and a 4-character exponent.
const size_t REEL_MAX = 32;

}  // namespace

void SortieTexte::vTexte(const char* texte, size_t n)
{
    if (n_ + n > TAILLE)
        vVider();
    if (n > TAILLE) {
        std::fwrite(texte, 1, n, flux_);
        return;
    }
    std::memcpy(tampon_ + n_, texte, n);
    n_ += n;
}

void SortieTexte::vReel9(double v)
{
    if (n_ + REEL_MAX > TAILLE)
        vVider();
    const std::to_chars_result r =
        std::to_chars(tampon_ + n_, tampon_ + TAILLE, v, std::chars_format::general, 9);
    n_ = size_t(r.ptr - tampon_);
}

void SortieTexte::vVider()
{
    if (n_)
        std::fwrite(tampon_, 1, n_, flux_);
    n_ = 0;
}
