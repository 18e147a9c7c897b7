// The phases of the program's run, in the order main calls them; tests call
// them one by one.
#ifndef SHELL_DEMARRAGE_H
#define SHELL_DEMARRAGE_H

#include <cstddef>

// The working folder: the folder named by QUENBREL2_HOME (`home`, made
// absolute against `courant`); else the executable's path cut at the start
// of "quenbrel2.app"; else the current folder. Writes it with a trailing
// "/" into `dossier` and answers which rule gave it (1, 2, 3), or 0 when
// none fits in `taille` bytes.
int iDossierTravail(const char* home, const char* exe, const char* courant, char* dossier,
                    size_t taille);

// Fills CheminAbsolu by the rule above and moves into it; prints the
// executable's path on standard output. Answers 0, or -1 when the folder
// cannot be entered (the run goes on in the current folder).
int iRepertoireTravail();

// Empties FDCHAINEBUFFER and creates the data folders.
void vPreparationDossiers();

// The hand-over of a file given as the only argument. Answers 1 when the
// file now waits in lockdir/ for an instance that is already running: the
// launch must end at once with status 0. Answers 0 otherwise.
int iTransfertFichier(int argc, char** argv);

// Takes the lock, opens log.txt, reads the settings and builds everything
// up to the started loaders.
void vDemarrage(int argc);

// Runs the event loop; answers its result.
int iBoucle();

// Writes the settings, frees what start-up made, removes the lock and
// closes the log.
void vArret();

// Writes now what the end of the program writes (the pages' views in the
// settings, the settings, the routes), the program going on: an end asked
// from outside may be cut short by a kill before the shutdown runs.
void vEcrireSession();

// Installs the calls the kit below makes into the shell's windows and
// the parts above the map (ui/crochets.h).
void vInstallerCrochets();

// Writes a phase banner to log.txt.
void vBanniere(const char* phase);

#endif
