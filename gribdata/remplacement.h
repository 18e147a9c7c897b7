// Replacing a file whole without ever losing it: the new content goes to a
// temporary file beside it, reaches the disk, and only then takes its name;
// a file that could not be read whole can be kept aside first; and a
// record appended to a log is there whole or not at all.
#ifndef GRIBDATA_REMPLACEMENT_H
#define GRIBDATA_REMPLACEMENT_H

#include <cstdio>
#include <functional>
#include <string>

// The file a write through `chemin` replaces: the target of a link to a
// regular file (the link stays), else the path itself (a link to a device
// or a FIFO is itself replaced).
std::string cheminCible(const char* chemin);

// Writes the `n` octets to `fd` whole, a write cut by a signal taken up
// again; false with errno set (ENOSPC for a write that took nothing).
bool bEcrireTout(int fd, const char* octets, size_t n);

// Writes the file through "<target>.tmp" (made afresh, with the mode of the
// file it replaces): `ecrire` fills the stream and answers false when a
// write failed; then flush, fsync, close and rename. Answers 0, or the
// errno of the step that failed, with the path it failed on in `enEchec`;
// the temporary file is then removed and the old file left as it was.
int iRemplacerFichier(const char* chemin, const std::function<bool(FILE*)>& ecrire,
                      std::string& enEchec);

// Keeps the file at `chemin` (a link's target) under the first free name
// of "<chemin>.bak", "<chemin>.bak1", "<chemin>.bak2", ...: a second name
// of the same file, or a copy where that cannot be. Never replaces a file.
// Answers 0 with the name in `copie`, or an errno.
int iGarderExemplaire(const char* chemin, std::string& copie);

// Appends the `n` octets to the file at `chemin` (made when missing) whole,
// or not at all: after a write, sync or close that failed (a full disk)
// the file is cut back to its previous size, so the next record is never
// glued to a fragment. Appends of other processes wait their turn (flock).
// Answers 0 or the errno of the step that failed.
int iAjouterEnEntier(const char* chemin, const char* octets, size_t n);

#endif
