// What a run stopped short (a kill, a crash, a power cut) leaves in the
// working folder: temporary files under names of the program's own. The
// next start removes them, but never those of an instance still running
// on the same folder: only files whose status last changed before the
// start of the instance that holds the folder.
#ifndef GRIBDATA_RESTES_H
#define GRIBDATA_RESTES_H

#include <ctime>

// The start of the instance that holds the working folder, fixed by
// start-up before any thread runs. Until it is fixed, the current time:
// every leftover is then older.
void vFixerDebutTenant(const timespec& debut);
timespec tsDebutTenant();

// Removes from `dossier` the regular files whose name `bReste` accepts
// and whose status last changed before tsDebutTenant(); each is logged
// under `tag`. Answers how many went.
int iSupprimerRestes(const char* dossier, bool (*bReste)(const char* nom), const char* tag);

#endif
