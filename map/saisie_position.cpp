#include "map/saisie_position.h"

#include <cctype>
#include <cmath>

namespace {

const char* blancs(const char* p)
{
    while (*p == ' ' || *p == '\t')
        ++p;
    return p;
}

// Decimal digits, at most `max` of them: their value, or -1 for none.
double dChiffres(const char*& p, int max)
{
    double v = 0;
    int n = 0;
    for (; n < max && std::isdigit(static_cast<unsigned char>(*p)); ++n, ++p)
        v = v * 10 + (*p - '0');
    return n ? v : -1;
}

// A part after the degrees: digits then `marque`; absent: 0.
bool bPartie(const char*& p, char marque, double& v)
{
    const char* debut = p;
    v = dChiffres(p, 2);
    if (v < 0 || *p != marque) {
        p = debut;
        v = 0;
        return false;
    }
    ++p;
    return true;
}

bool bLettre(char c, bool longitude, int& signe)
{
    const char l = char(std::toupper(static_cast<unsigned char>(c)));
    if (l == (longitude ? 'E' : 'N'))
        signe = 1;
    else if (l == (longitude ? 'W' : 'S'))
        signe = -1;
    else
        return false;
    return true;
}

}  // namespace

bool bLirePosition(const char* texte, bool longitude, double& degres)
{
    if (!texte)
        return false;
    const char* p = blancs(texte);
    int signe = 1;
    const bool signee = *p == '-' || *p == '+';
    if (signee)
        signe = *p++ == '-' ? -1 : 1;
    double v = dChiffres(p, 3);
    if (v < 0)
        return false;
    if (*p == '.') {
        ++p;
        double echelle = 0.1;
        const char* debut = p;
        for (; std::isdigit(static_cast<unsigned char>(*p)); ++p, echelle /= 10)
            v += (*p - '0') * echelle;
        if (p == debut)
            return false;
    } else if (static_cast<unsigned char>(p[0]) == 0xC2 &&
               static_cast<unsigned char>(p[1]) == 0xB0) {
        // The degree sign: minutes and seconds may follow.
        p += 2;
        double m = 0, s = 0;
        if (bPartie(p, '\'', m))
            bPartie(p, '"', s);
        if (m >= 60 || s >= 60)
            return false;
        v += m / 60 + s / 3600;
    }
    p = blancs(p);
    if (*p) {
        if (signee || !bLettre(*p, longitude, signe))
            return false;
        p = blancs(p + 1);
    }
    if (*p || v > (longitude ? 180 : 90))
        return false;
    degres = signe * v;
    return true;
}
