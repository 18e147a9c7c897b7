// How received files reach their folder: whole or not at all. Each is
// written under a ".tmp" name of its own in the target's folder (the scan
// skips those, and two transfer threads never share one) and renamed over
// its final name.
#ifndef TRANSPORT_DEPOT_H
#define TRANSPORT_DEPOT_H

#include <cstddef>
#include <string>

// The longest name a received file may have.
constexpr size_t NOM_RECU_MAX = 51;

// The service's message in lockdir/: no received file may take its name.
extern const char NOM_MESSAGE[];  // "message.txt"

// A name the service gives that may become a file of lockdir/: 1 to 51
// characters of [A-Za-z0-9._+-], not starting with "." and not ending
// with ".tmp", and not the message's name in any case. Anything else (a
// path, a blank, a hidden name) is refused.
bool bNomRecuSur(const std::string& nom);

// Creates a new file "<avant><six letters><apres>" (never an existing
// one) with the mode of any file the program makes: 0666 less the umask.
// Answers its descriptor and sets `chemin`, or -1 with errno.
int iCreerFichierNeuf(const std::string& avant, const std::string& apres, std::string& chemin);

// Writes the `n` octets to "<dossier>/<nom>"; 0, or -1 (logged, nothing
// left behind).
int iDeposer(const std::string& dossier, const std::string& nom, const char* octets, size_t n);

// Appends the text to the message history etc/messages.txt, under the
// transport lock so that two transfers do not interleave.
int iAjouterHistorique(const std::string& texte);

#endif
