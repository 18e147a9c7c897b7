// The colouring of a text window: one style letter ("A" to "N", see
// styletable) for every byte of the text, chosen line by line by a rule
// that the kind and the name of the file select.
#ifndef UI_STYLES_BULLETIN_H
#define UI_STYLES_BULLETIN_H

#include "ui/texte_bulletin.h"

#include <string>

// The style string of `texte` (same length): line ends keep "A".
std::string styleTexte(const char* chemin, GenreFichier genre, const std::string& texte);

#endif
