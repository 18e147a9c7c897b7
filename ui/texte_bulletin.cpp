#include "ui/texte_bulletin.h"

#include "gribdata/globales.h"

#include <cstring>

namespace {

const size_t LARGEUR = 73;  // columns of a reflowed line

bool bBlanc(char c)
{
    return c == ' ' || c == '\t';
}

bool bCommencePar(const char* texte, const char* debut)
{
    return std::strncmp(texte, debut, std::strlen(debut)) == 0;
}

}  // namespace

GenreFichier genreFichier(const char* chemin)
{
    const char* barre = std::strrchr(chemin, '/');
    const char* nom = barre ? barre + 1 : chemin;
    if (bCommencePar(nom, "BMS") || bCommencePar(nom, "CYC") || std::strstr(nom, "WARNING"))
        return BULLETIN_ALERTE;
    if (bCommencePar(nom, "GMDSS"))
        return BULLETIN_GMDSS;
    if (std::strstr(chemin, "bulletin"))
        return BULLETIN_AUTRE;
    return FICHIER_SIMPLE;
}

std::string reformater(const char* texte, size_t n)
{
    // At most one line feed is added for every 73 bytes read.
    const size_t limite = n + n / LARGEUR + 2;
    std::string sortie;
    sortie.reserve(limite);
    size_t colonne = 0;
    for (size_t i = 0; i < n; ++i) {
        const char c = texte[i];
        if (sortie.size() + 2 > limite) {
            // Cannot happen by the bound above; kept as a guard.
            vJournal("<EDITEUR>", "ERREUR fichier trop long: %zu\n", limite);
            break;
        }
        if (c == '\r')
            continue;
        if (c == '\n') {
            colonne = 0;
        } else if (colonne < LARGEUR) {
            ++colonne;
        } else {
            const size_t fin = sortie.size();
            if (bBlanc(sortie[fin - 1])) {
                sortie[fin - 1] = '\n';
                colonne = 0;
            } else if (fin >= 2 && bBlanc(sortie[fin - 2])) {
                sortie[fin - 2] = '\n';
                colonne = 1;
            } else {
                sortie += '\n';
                colonne = 0;
            }
        }
        sortie += c;
    }
    return sortie;
}

std::string latin1VersUtf8(const std::string& texte)
{
    std::string sortie;
    sortie.reserve(texte.size() + texte.size() / 8);
    for (const char c : texte) {
        const unsigned char o = static_cast<unsigned char>(c);
        if (o < 0x80) {
            sortie += c;
        } else {
            sortie += static_cast<char>(0xC0 | (o >> 6));
            sortie += static_cast<char>(0x80 | (o & 0x3F));
        }
    }
    return sortie;
}
