// What a stopped run left in the working folder, removed at start-up, and
// what a second instance on the folder is told.
#ifndef SHELL_NETTOYAGE_H
#define SHELL_NETTOYAGE_H

// Removes what a stopped run left: the interpolation's working copy, every
// ".tmp" of lockdir/ (an interpolation's output, a received file or a
// hand-over cut short) and of the saved requests' folders, and the files
// of a move across file systems. An instance still running on the folder
// keeps its own. Start-up calls it once the lock is taken and the log
// open.
void vSupprimerRestesArret();

// Timeout: once the loaders are done and no box, menu or modal window is
// open, a second instance says once that it will write neither settings
// nor routes when it quits.
void vAvertirInstanceSecondaire(void*);

#endif
