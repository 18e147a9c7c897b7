// What the text window does to a file before showing it, without any
// display: the kind of file told by its name, the 73-column reflow of the
// service's bulletins and their ISO 8859-1 letters turned into UTF-8.
#ifndef UI_TEXTE_BULLETIN_H
#define UI_TEXTE_BULLETIN_H

#include <cstddef>
#include <string>

enum GenreFichier {
    FICHIER_SIMPLE,   // the user's own text: kept as it is, changes tracked
    BULLETIN_ALERTE,  // base name BMS..., CYC... or holding WARNING
    BULLETIN_GMDSS,   // base name GMDSS...
    BULLETIN_AUTRE    // any other file whose path holds "bulletin"
};

// The kind of the file at `chemin` (exact, case-sensitive tests).
GenreFichier genreFichier(const char* chemin);

// The bulletin kinds are reflowed, converted and never marked modified.
inline bool bBulletin(GenreFichier g)
{
    return g != FICHIER_SIMPLE;
}

// The service's lines cut at 73 columns, one byte counting one column:
// carriage returns dropped, a full line broken at the blank just before
// its end when there is one, else after its 73rd (then 74th) byte.
std::string reformater(const char* texte, size_t n);

// Every byte of an ISO 8859-1 text as its UTF-8 character.
std::string latin1VersUtf8(const std::string& texte);

#endif
