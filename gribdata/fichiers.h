// Whole-file helpers: copy, the three writers, and the program's working
// folders.
#ifndef GRIBDATA_FICHIERS_H
#define GRIBDATA_FICHIERS_H

// Copies `source` to `target` (replaced). Answers 0 on success, 1 when the
// source cannot be opened (nothing is created), 2 when the target cannot be
// opened or is the source itself, 3 when reading or writing fails. On any
// failure after the target was opened, the partial target is removed; the
// source is never changed, so copy-then-remove keeps the only copy safe.
// Prints "<copyfile> source:... cible:..." on standard output.
int copyfile(const char* source, const char* target);

// Write `length` bytes of `buffer` to `path` (replacing it, or appending),
// or, when `length` is 0, the text of `buffer` without its terminating zero.
// Answer 0 on success, -1 when the file cannot be opened (nothing is
// written), the length is negative, or a write or the close fails.
int writebinaryfile(const char* buffer, const char* path, int length);
int appendbinaryfile(const char* buffer, const char* path, int length);

// Writes `text` with CR LF line ends: a CR goes before every LF that has
// none, and a final CR LF is added when the text is empty or had no bare LF.
// Same answers as the writers above.
int writetextefile(const char* text, const char* path);

// Creates the folder `path` with mode 0700 unless it is already a folder.
// Answers 1 when it was already a folder, else mkdir's answer (0 or -1).
int creationRepertoire(const char* path);

// Creates the program's working folders under the current folder: dat,
// dat/bulletin, dat/image, etc, etc/bull, etc/grib, lockdir. Failures are
// not reported here: iDossierInscriptible tells them.
void creationRepertoires();
extern const char* const DOSSIERS_TRAVAIL[7];

// 0 when `chemin` is a folder where a file can be made and written (a
// hidden probe file is made, given one octet and removed: a full disk
// fails too); else the errno of what failed.
int iDossierInscriptible(const char* chemin);

#endif
