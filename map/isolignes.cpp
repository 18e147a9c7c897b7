// The isolines are the borders between colour classes of the finished
// band picture, marked in place. Alpha 128 (an absent cell, or a white
// isoline pixel) and 255 (a coloured isoline pixel) are reserved: no band
// pixel has them.
#include "map/isoplages.h"

#include <cstdint>
#include <cstring>

namespace {

// A pixel's four bytes as one word, whatever the machine's byte order.
uint32_t iMot(const unsigned char* p)
{
    uint32_t m;
    std::memcpy(&m, p, 4);
    return m;
}

const unsigned char OCTETS_VERT[4] = {0, 255, 0, 0}, OCTETS_BLEU[4] = {0, 0, 255, 0};
const unsigned char OCTETS_ALPHA[4] = {0, 0, 0, 255}, OCTETS_128[4] = {0, 0, 0, 128};
const uint32_t VERT = iMot(OCTETS_VERT), BLEU = iMot(OCTETS_BLEU);
const uint32_t ALPHA = iMot(OCTETS_ALPHA), ALPHA_128 = iMot(OCTETS_128);

// Nothing to mark at a pixel that is reserved itself, or between an upper
// and a lower pixel that are equal band pixels (most pixels): the tests
// below would leave it as it is. Words only, and plain operations without
// branches, so that it runs fast and a block of pixels becomes vector code.
inline bool bRienAMarquer(uint32_t haut, uint32_t p, uint32_t bas)
{
    const uint32_t a = p & ALPHA, h = haut & ALPHA;
    return (a == ALPHA) | (a == ALPHA_128) |
           ((haut == bas) & ((haut & VERT) != 0) & ((haut & BLEU) != 0) & (h != ALPHA) &
            (h != ALPHA_128));
}

// The pixels of the BLOC from p on where bRienAMarquer does not hold, as
// bits: counted rather than tested one by one, so that the compiler makes
// vector code of it. Most blocks of a band picture hold none.
constexpr int BLOC = 8;
unsigned iAMarquerDansLeBloc(const unsigned char* haut, const unsigned char* p, const unsigned char* bas)
{
    int rien[BLOC];
    int n = 0;
    for (int k = 0; k < BLOC; ++k) {
        rien[k] = bRienAMarquer(iMot(haut + 4 * k), iMot(p + 4 * k), iMot(bas + 4 * k));
        n += rien[k];
    }
    if (n == BLOC)
        return 0;
    unsigned bits = 0;
    for (int k = 0; k < BLOC; ++k)
        bits |= unsigned(!rien[k]) << k;
    return bits;
}

bool bReserve(unsigned char alpha)
{
    return alpha == 128 || alpha == 255;
}

// Whether the pair decides for the pixel between: the first is a band
// pixel and neither is an absent cell (green and blue 0).
bool bPaire(const unsigned char* a, const unsigned char* b)
{
    return !bReserve(a[3]) && a[1] && a[2] && b[1] && b[2];
}

bool bMemeCouleur(const unsigned char* a, const unsigned char* b)
{
    return a[0] == b[0] && a[1] == b[1] && a[2] == b[2];
}

void vPoser(unsigned char* p, unsigned char r, unsigned char g, unsigned char b, unsigned char a)
{
    p[0] = r;
    p[1] = g;
    p[2] = b;
    p[3] = a;
}

// Over nearly transparent bands a white line would not show: the line
// takes a strong colour after the darker side of the border.
void vMarquer(unsigned char* p, const unsigned char* a, const unsigned char* b, int opacite)
{
    if (opacite > 31)
        return vPoser(p, 255, 255, 255, 128);
    const unsigned char* s = (a[0] < b[0] && a[1] < b[1]) || a[2] < b[2] ? a : b;
    if (s[0] > s[1] && s[0] > s[2])
        vPoser(p, 255, 0, 0, 255);
    else if (s[0] == s[1])
        vPoser(p, 255, 255, 0, 255);
    else if (s[0] < s[1] && s[1] > s[2])
        vPoser(p, 0, 255, 0, 255);
    else
        vPoser(p, 0, 128, 255, 255);
}

// The pixel p of a row L bytes long, once bRienAMarquer is false there.
void vMarquerPixel(unsigned char* p, size_t L, int opacite)
{
    const unsigned char *haut = p - L, *bas = p + L;
    const unsigned char *gauche = p - 4, *droite = p + 4;
    if (bPaire(haut, bas)) {
        if (!bMemeCouleur(haut, bas))
            vMarquer(p, haut, bas, opacite);
    } else if (bPaire(gauche, droite) && !bMemeCouleur(gauche, droite)) {
        vMarquer(p, gauche, droite, opacite);
    }
}

}  // namespace

bool isoplages::bIsolignesAMarquer() const
{
    return isolignesActives && lignes > 3 && image.size() >= size_t(colonnes) * lignes * 4;
}

void isoplages::isolignes()
{
    if (bIsolignesAMarquer())
        for (int y = 1; y < lignes - 1; ++y)
            vIsolignesLigne(y);
}

// Row y, once rows y - 1 (marked) and y + 1 (not yet) are coloured. A
// mark changes only its own pixel, which no later pixel's skip test reads.
void isoplages::vIsolignesLigne(int y)
{
    const size_t L = size_t(colonnes) * 4;
    unsigned char* ligne = &image[size_t(y) * L];
    int x = 1;
    for (; x + BLOC < colonnes; x += BLOC) {
        unsigned char* p = ligne + 4 * size_t(x);
        // Each pixel to look at in turn, without a test for the others.
        for (unsigned bits = iAMarquerDansLeBloc(p - L, p, p + L); bits; bits &= bits - 1)
            vMarquerPixel(p + 4 * __builtin_ctz(bits), L, opacite);
    }
    for (; x < colonnes - 1; ++x) {  // fewer than a block left
        unsigned char* p = ligne + 4 * size_t(x);
        if (!bRienAMarquer(iMot(p - L), iMot(p), iMot(p + L)))
            vMarquerPixel(p, L, opacite);
    }
}
