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

// The service's message in lockdir/: no received file may take its name,
// nor "message_<n>.txt", which a second message takes while the first is
// still there.
extern const char NOM_MESSAGE[];  // "message.txt"

// A name the service gives that may become a file of lockdir/: 1 to 51
// characters of [A-Za-z0-9._+-], not starting with "." and not ending
// with ".tmp", and not a name of the message's in any case. Anything else
// (a path, a blank, a hidden name) is refused.
bool bNomRecuSur(const std::string& nom);

// "<base>_<rang><extension>", the extension from the last full stop (none
// for a name that starts with its only one): the names a file takes
// beside a namesake, from rang 2 on.
std::string sNomRang(const std::string& nom, int rang);

// Creates a new file "<avant><six letters><apres>" (never an existing
// one) with the mode of any file the program makes: 0666 less the umask.
// Answers its descriptor and sets `chemin`, or -1 with errno.
int iCreerFichierNeuf(const std::string& avant, const std::string& apres, std::string& chemin);

// Writes the `n` octets to "<dossier>/<nom>"; 0, or -1 (logged, nothing
// left behind).
int iDeposer(const std::string& dossier, const std::string& nom, const char* octets, size_t n);

// The same, but a file already there keeps its name and content: the new
// one takes the first free name among "<nom>", sNomRang(nom, 2), ...,
// given whole at once (a hard link of its temporary file, which never
// replaces a name). A name also taken in `aussi` (when given: the folder
// the file goes to next) is passed over, so that it keeps its name there.
// `pris` (when given) receives the name taken.
int iDeposerAPart(const std::string& dossier, const std::string& nom, const char* octets,
                  size_t n, std::string* pris = nullptr, const char* aussi = nullptr);

// Appends the text to the message history etc/messages.txt, whole or not
// at all, under the transport lock so that two transfers do not
// interleave. Answers 0, or -1 when it could not be written (logged) or
// the program is shutting down.
int iAjouterHistorique(const std::string& texte);

#endif
