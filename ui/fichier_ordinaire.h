// Opening a data file that must be a plain file.
#ifndef UI_FICHIER_ORDINAIRE_H
#define UI_FICHIER_ORDINAIRE_H

#include <cstdio>

// Opens `chemin` for reading when it is a regular file. A FIFO, a device
// or a folder is refused (`refuse` set) without blocking: a FIFO with no
// writer, or /dev/zero, would hold the caller for ever. Answers null
// otherwise too, with errno set (ENOENT for a missing file).
FILE* pfOuvrirFichierOrdinaire(const char* chemin, const char* mode, bool& refuse);

#endif
