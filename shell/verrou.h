// The running-instance marker etc/lockfile: it exists, kept open, from
// start-up to shutdown, and the instance holds an advisory lock (flock) on
// it for the whole run. A marker that nobody holds was left by a run that
// ended abnormally: it does not count.
#ifndef SHELL_VERROU_H
#define SHELL_VERROU_H

// Creates the marker and takes its lock, saying on standard output whether
// it could. A marker left behind is taken over (said too). When a running
// instance holds it, this run goes on without it and never removes it.
void vPoserVerrou();

// Removes the marker and releases it when this run holds it; when it could
// not be made at all, its removal is still tried.
void vLeverVerrou();

// True when a running instance holds the lock of the marker at `chemin`.
bool bInstanceEnCours(const char* chemin);

#endif
