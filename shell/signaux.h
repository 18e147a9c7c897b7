// SIGTERM, SIGINT and SIGHUP end the program by its normal shutdown. The
// handler only marks the request and writes a byte into a pipe; the loop
// that reads it (a box's or a dialog's too) closes the nested loops, and
// the main loop writes the settings and the routes, then closes the main
// window, waiting for the loaders first as the close button does. A
// modified text asks its question then; a second signal while it is up
// closes it as its cancel and ends the program all the same.
#ifndef SHELL_SIGNAUX_H
#define SHELL_SIGNAUX_H

// Installs the handlers (before the lock is taken: a signal from then on
// is never lost, only deferred).
void vSignauxInstaller();

// Lets the event loop watch the pipe.
void vSignauxBoucle();

// Stops watching the pipe.
void vSignauxFin();

#endif
