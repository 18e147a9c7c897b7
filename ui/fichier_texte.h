// Whole text files for the text window: read with bounds, written so that
// a failure never leaves a half-written file.
#ifndef UI_FICHIER_TEXTE_H
#define UI_FICHIER_TEXTE_H

#include <cstddef>
#include <string>

// Larger files are refused (EFBIG): the window would hold them whole.
const size_t TAILLE_TEXTE_MAX = size_t(32) << 20;

// Reads the regular file at `chemin` whole into `octets`. Answers 0 or the
// system's error number: EINVAL for anything but a regular file, EFBIG
// above TAILLE_TEXTE_MAX, EILSEQ for a file holding a NUL byte (the text
// buffer ends its texts there).
int iLireFichierTexte(const char* chemin, std::string& octets);

// Writes `n` bytes to "<chemin>.tmp", then renames it over `chemin`.
// Answers 0 or the error number; on failure `chemin` is as it was and the
// temporary file is gone.
int iEcrireFichierTexte(const char* chemin, const char* octets, size_t n);

#endif
