#include "map/pays_ligne.h"

#include <cctype>
#include <cstdio>
#include <cstring>

namespace {

bool bBlanc(char c)
{
    return std::isspace((unsigned char)c) != 0;
}

// The next word from `s` into `nom`, "_" read as a blank; false when
// there is none.
bool bNom(const char*& s, char* nom)
{
    while (*s && bBlanc(*s))
        ++s;
    const char* debut = s;
    while (*s && !bBlanc(*s))
        ++s;
    size_t n = size_t(s - debut);
    if (n == 0)
        return false;
    if (n > PAYS_NOM - 1) {
        n = PAYS_NOM - 1;
        // Not in the middle of a UTF-8 sequence.
        while (n > 0 && (debut[n] & 0xC0) == 0x80)
            --n;
    }
    for (size_t i = 0; i < n; ++i)
        nom[i] = debut[i] == '_' ? ' ' : debut[i];
    nom[n] = '\0';
    return true;
}

}  // namespace

int iLirePays(const char* ligne, TYPEDEF_PAYS& p)
{
    int fin = 0;
    const int n = std::sscanf(ligne, "%d %u %u %u %lf %lf%n", &p.masque, &p.couleur, &p.taille,
                              &p.style, &p.latitude, &p.longitude, &fin);
    if (n != 6)
        return n;
    const char* s = ligne + fin;
    if (!bNom(s, p.francais))
        return 6;
    if (!bNom(s, p.autre)) {
        std::memcpy(p.autre, p.francais, sizeof p.autre);
        return 7;
    }
    return 8;
}
