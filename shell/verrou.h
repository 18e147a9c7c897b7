// The running-instance marker etc/lockfile: it exists, kept open, from
// start-up to shutdown.
#ifndef SHELL_VERROU_H
#define SHELL_VERROU_H

// Creates the marker and says on standard output whether it could.
void vPoserVerrou();

// Closes the marker when it was opened and removes it in any case.
void vLeverVerrou();

#endif
