// Text from outside (a name typed by the user or read from a file) made
// safe for one line of the log: the log is read in terminals and editors,
// where a control octet or a broken UTF-8 sequence would play tricks or
// hide what follows.
#ifndef CODES_TEXTE_JOURNAL_H
#define CODES_TEXTE_JOURNAL_H

#include <string>

// `texte` with every control octet (C0, DEL, and the C1 characters
// U+0080 to U+009F), every octet that is not part of a well-formed UTF-8
// sequence and the backslash written as "\xHH" ("\x5C" for the
// backslash), so that an escaped text reads back unambiguously. Printable
// ASCII and well-formed UTF-8 stay as they are. Null gives "".
std::string sTexteJournal(const char* texte);
inline std::string sTexteJournal(const std::string& texte) { return sTexteJournal(texte.c_str()); }

// A line as the log writes it, whatever it carries: its control octets
// but the line feed and the tab (C0 and DEL) written "\xHH", so that no
// text reaching the log by any path sends control sequences to a terminal
// showing it. The rest, the backslash included, stays as it is: a text
// already escaped by `sTexteJournal` is not escaped again.
std::string sLigneJournal(const std::string& ligne);

#endif
