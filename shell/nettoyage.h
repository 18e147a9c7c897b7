// What a stopped run left in the working folder, removed at start-up.
#ifndef SHELL_NETTOYAGE_H
#define SHELL_NETTOYAGE_H

// Removes what a stopped run left: the interpolation's working copy, every
// ".tmp" of lockdir/ (an interpolation's output, a received file or a
// hand-over cut short), of etc/ (the settings or the routes replaced) and
// of the saved requests' folders, and the files
// of a move across file systems. An instance still running on the folder
// keeps its own. Start-up calls it once the lock is taken and the log
// open.
void vSupprimerRestesArret();

#endif
