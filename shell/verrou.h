// The running-instance marker etc/lockfile: it exists, kept open, from
// start-up to shutdown, and the instance holds an advisory lock (flock) on
// it for the whole run. A marker that nobody holds was left by a run that
// ended abnormally: it does not count.
#ifndef SHELL_VERROU_H
#define SHELL_VERROU_H

#include <ctime>

// Creates the marker and takes its lock, saying on standard output whether
// it could. A marker left behind is taken over (said too). When a running
// instance holds it, this run goes on without it, never removes it, and
// is a second instance (INSTANCE_SECONDAIRE).
void vPoserVerrou();

// Removes the marker and releases it when this run made and holds it;
// otherwise nothing is removed.
void vLeverVerrou();

// When the instance that holds the working folder started: this run's
// start when it holds the marker, the holder's when another does (the
// marker's status time), else now.
timespec tsDebutVerrou();

// True when a running instance holds the lock of the marker at `chemin`.
bool bInstanceEnCours(const char* chemin);

#endif
