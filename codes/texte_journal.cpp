#include "codes/texte_journal.h"

#include <cstdio>

namespace {

bool bSuite(unsigned char o)
{
    return (o & 0xC0) == 0x80;
}

// The length of the well-formed UTF-8 sequence of a printable character
// that starts at `p` (lead octet at or above 0x80); 0 when there is none:
// a stray continuation, a sequence cut short, an overlong form, a
// surrogate, a code point past U+10FFFF, or a C1 control.
int iSequence(const unsigned char* p)
{
    const unsigned char o = p[0];
    int n = 0;
    unsigned long point = 0;
    if (o >= 0xC2 && o <= 0xDF)
        n = 2, point = o & 0x1F;
    else if (o >= 0xE0 && o <= 0xEF)
        n = 3, point = o & 0x0F;
    else if (o >= 0xF0 && o <= 0xF4)
        n = 4, point = o & 0x07;
    else
        return 0;
    for (int i = 1; i < n; ++i) {
        if (!bSuite(p[i]))  // the terminating zero is no continuation
            return 0;
        point = point << 6 | (p[i] & 0x3F);
    }
    const unsigned long minimum[] = {0, 0, 0x80, 0x800, 0x10000};
    if (point < minimum[n] || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF) ||
        point <= 0x9F)
        return 0;
    return n;
}

// The octet written "\xHH".
void vHex(std::string& s, unsigned char o)
{
    char t[8];
    std::snprintf(t, sizeof t, "\\x%02X", unsigned(o));
    s += t;
}

}  // namespace

std::string sLigneJournal(const std::string& ligne)
{
    std::string s;
    s.reserve(ligne.size());
    for (const char c : ligne) {
        const unsigned char o = static_cast<unsigned char>(c);
        if ((o >= 0x20 && o != 0x7F) || c == '\n' || c == '\t')
            s.push_back(c);
        else
            vHex(s, o);
    }
    return s;
}

std::string sTexteJournal(const char* texte)
{
    std::string s;
    if (!texte)
        return s;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(texte); *p;) {
        const int n = *p >= 0x80 ? iSequence(p) : 0;
        if (n > 0) {
            s.append(reinterpret_cast<const char*>(p), size_t(n));
            p += n;
            continue;
        }
        if (*p >= 0x20 && *p < 0x7F && *p != '\\')
            s.push_back(char(*p));
        else
            vHex(s, *p);
        ++p;
    }
    return s;
}
