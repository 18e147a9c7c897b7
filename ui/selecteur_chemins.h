// The chooser's path and menu texts, without any display.
#ifndef UI_SELECTEUR_CHEMINS_H
#define UI_SELECTEUR_CHEMINS_H

#include <cstddef>

// The chooser's form of a directory in `sortie` (`taille` bytes, the whole
// field): absolute, no trailing slash ("/" stays), a last "/.." removes
// the component before it, a last "/." goes; "" stays "" (the list of file
// systems). A path that does not fit gives "".
void vNormaliserRepertoire(const char* d, char* sortie, size_t taille);

// Whether a click on the path delivers it for good: the extensions .grb,
// .bz2 and .gz in any case, or "grib" anywhere in the path.
bool bCheminGrib(const char* chemin);

// The pattern of a filter menu entry: the text between its first "(" and
// its last ")", or the whole text.
void vMotifDuFiltre(const char* entree, char* sortie, size_t taille);

// Whether two directories are the same, trailing slashes aside.
bool bMemeRepertoire(const char* a, const char* b);

#endif
