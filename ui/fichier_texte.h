// Whole text files for the text window: read with bounds, written so that
// a failure never leaves a half-written file.
#ifndef UI_FICHIER_TEXTE_H
#define UI_FICHIER_TEXTE_H

#include <cstddef>
#include <string>

// Larger files are refused (EFBIG): the window would hold them whole.
const size_t TAILLE_TEXTE_MAX = size_t(32) << 20;

// Reads the regular file at `chemin` whole into `octets`, in one opening.
// Answers 0 or the system's error number: EINVAL for anything but a
// regular file, EFBIG above `maximum` octets (refused from its size before
// any is read; a file growing meanwhile is cut off at the bound).
int iLireFichierBorne(const char* chemin, std::string& octets, size_t maximum);

// The same for the text window, up to TAILLE_TEXTE_MAX; EILSEQ for a file
// holding a NUL byte (the text buffer ends its texts there).
int iLireFichierTexte(const char* chemin, std::string& octets);

// Writes `n` bytes to "<file>.tmp", then renames it over the file, with
// the old file's mode; the file is the one `chemin` names through its
// symbolic links, which stay links. Answers 0 or the error number; on
// failure the file is as it was, the temporary file is gone and `echec`
// (when given) names the path that failed.
int iEcrireFichierTexte(const char* chemin, const char* octets, size_t n,
                        std::string* echec = nullptr);

#endif
