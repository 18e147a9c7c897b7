// Line reading for the library's table files.
#ifndef CODES_LIGNE_H
#define CODES_LIGNE_H

#include <cstdio>

// Reads one line into `ligne` (at most taille - 1 characters, newline kept
// when it fits) and skips the rest of a longer line, so that its tail is never
// taken for the next line. False at the end of the file.
bool bCodesLigne(FILE* fichier, char* ligne, int taille);

#endif
