#include "codes/texte.h"

#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <initializer_list>

namespace {
bool bDansMot(char c)
{
    return isalnum((unsigned char)c) || c == '-' || c == '+' || c == '.';
}

// Room for the widest value of a 64-bit long or unsigned long with every
// group separator and sign, e.g. "-9223372036.-854.-775.-808".
const int TAILLE_FORMAT = 64;

// The groups are computed in the value's own type (signed and unsigned
// division differ), then printed as long long, which holds every group of
// either type.
template <typename T>
const char* cpcGroupes(char* texte, T n, int aligned)
{
    long long g9 = n / 1000000000, g6 = (n % 1000000000) / 1000000;
    long long g3 = (n % 1000000) / 1000, g0 = n % 1000;
    if (g9 != 0)
        snprintf(texte, TAILLE_FORMAT, "%lld.%3.3lld.%3.3lld.%3.3lld", g9, g6, g3, g0);
    else if (g6 != 0)
        snprintf(texte, TAILLE_FORMAT, aligned ? "  %3lld.%3.3lld.%3.3lld" : "%lld.%3.3lld.%3.3lld",
                 g6, g3, g0);
    else if (g3 != 0)
        snprintf(texte, TAILLE_FORMAT, aligned ? "      %3lld.%3.3lld" : "%lld.%3.3lld", g3, g0);
    else
        snprintf(texte, TAILLE_FORMAT, aligned ? "          %3lld" : "%lld", g0);
    return texte;
}
}

int iCodesChaineMots(const char* text)
{
    if (!text)
        return 0;
    int mots = 0;
    bool dedans = false;
    for (const char* p = text; *p; p++) {
        bool lettre = bDansMot(*p);
        if (lettre && !dedans)
            mots++;
        dedans = lettre;
    }
    return mots;
}

const char* cpcCodesFormat(long n, int aligned)
{
    static thread_local char texte[TAILLE_FORMAT];
    return cpcGroupes(texte, n, aligned);
}

const char* cpcCodesFormat(unsigned long n, int aligned)
{
    static thread_local char texte[TAILLE_FORMAT];
    return cpcGroupes(texte, n, aligned);
}

char* pcCodesStringCat(char* destination, const char* p1, const char* p2, const char* p3,
                       const char* p4, const char* p5, const char* p6, const char* p7,
                       const char* p8, const char* p9, const char* p10)
{
    strcpy(destination, p1 ? p1 : "");
    for (const char* p : {p2, p3, p4, p5, p6, p7, p8, p9, p10})
        if (p)
            strcat(destination, p);
    return destination;
}

void vCodesPrintLigne(int, int, const char* format, ...)
{
    static thread_local char ligne[1024];
    ligne[0] = 0;
    va_list args;
    va_start(args, format);
    vsnprintf(ligne, sizeof ligne, format, args);
    va_end(args);
    size_t n = strlen(ligne);
    fputs(ligne, stderr);
    if (n == 0 || ligne[n - 1] != '\n')
        fputc('\n', stderr);
}

int iCodesJourMoisAn(int year, int month)
{
    switch (month) {
    case 1: case 3: case 5: case 7: case 8: case 10: case 12:
        return 31;
    case 4: case 6: case 9: case 11:
        return 30;
    case 2:
        return year % 4 == 0 ? 29 : 28;
    default:
        return 0;
    }
}
