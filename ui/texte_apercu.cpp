#include "ui/texte_apercu.h"

#include "ui/texte_bulletin.h"

#include <FL/fl_utf8.h>
#include <algorithm>

namespace {

bool bControle(char c)
{
    const unsigned char o = static_cast<unsigned char>(c);
    return (o < 0x20 && !(o >= '\t' && o <= '\r')) || o == 0x7F;
}

// The bytes up to the last character that the end of the read cut short.
size_t nEntiers(const char* o, size_t n)
{
    size_t debut = n;
    for (size_t k = 0; k < 3 && debut > 0 && (static_cast<unsigned char>(o[debut - 1]) & 0xC0) == 0x80; ++k)
        --debut;
    if (debut == 0)
        return n;
    const unsigned char tete = static_cast<unsigned char>(o[debut - 1]);
    const size_t longueur = tete >= 0xF0 ? 4 : tete >= 0xE0 ? 3 : tete >= 0xC0 ? 2 : 1;
    return n - (debut - 1) < longueur ? debut - 1 : n;
}

}  // namespace

bool bTexteApercu(const char* octets, size_t n, std::string& texte)
{
    if (n == 0 || std::any_of(octets, octets + n, bControle))
        return false;
    // Cut UTF-8 only when the bytes before the cut hold UTF-8 letters: an
    // ISO 8859-1 text ending on an accented letter looks cut too.
    const size_t entiers = nEntiers(octets, n);
    const bool huitBits = std::any_of(octets, octets + entiers,
                                      [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    if (fl_utf8test(octets, unsigned(n)))
        texte.assign(octets, n);
    else if (entiers < n && huitBits && fl_utf8test(octets, unsigned(entiers)))
        texte.assign(octets, entiers);
    else
        texte = latin1VersUtf8(std::string(octets, n));
    return true;
}
