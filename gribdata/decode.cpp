#include "gribdata/decode.h"

#include <cstring>

namespace {

const unsigned char CLE[] = {7, 3, 11, 5, 2, 13, 1};
const size_t LONGUEUR_CLE = sizeof CLE;

int valeurHex(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

}  // namespace

char* decode(const char* stored)
{
    const size_t longueur = stored ? std::strlen(stored) : 0;
    char* texte = new char[longueur + 1];
    size_t octets = 0;
    for (size_t i = 0; i + 1 < longueur; i += 2) {
        int fort = valeurHex(stored[i]);
        int faible = valeurHex(stored[i + 1]);
        if (fort < 0 || faible < 0)
            break;
        texte[octets] = char((fort * 16 + faible + CLE[octets % LONGUEUR_CLE]) & 0xFF);
        ++octets;
    }
    texte[octets] = '\0';
    return texte;
}

char* encode(const char* text)
{
    static const char chiffres[] = "0123456789ABCDEF";
    const size_t longueur = text ? std::strlen(text) : 0;
    char* stocke = new char[2 * longueur + 1];
    for (size_t i = 0; i < longueur; ++i) {
        unsigned octet = (unsigned(static_cast<unsigned char>(text[i])) + 256u -
                          CLE[i % LONGUEUR_CLE]) & 0xFFu;
        stocke[2 * i] = chiffres[octet >> 4];
        stocke[2 * i + 1] = chiffres[octet & 0xF];
    }
    stocke[2 * longueur] = '\0';
    return stocke;
}
