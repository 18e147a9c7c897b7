// The text the file chooser's preview shows of a file's first bytes,
// without any display.
#ifndef UI_TEXTE_APERCU_H
#define UI_TEXTE_APERCU_H

#include <cstddef>
#include <string>

// False for bytes that are no text (a control byte other than a blank or
// a line end). Else `texte` gets them as UTF-8: as they are when they are
// UTF-8 (a character cut by the end of the bytes read is left out),
// otherwise read as ISO 8859-1 and converted, as the text window does.
bool bTexteApercu(const char* octets, size_t n, std::string& texte);

#endif
