// The globals of start-up and the hand-over that only the shell reads.
#ifndef SHELL_GLOBALES_SHELL_H
#define SHELL_GLOBALES_SHELL_H

#include "transport/scan.h"
#include "ui/globales_ui.h"

#include <pthread.h>

// "lockdir/<name>.tmp" and "lockdir/<name>" of a hand-over; the second then
// holds the lock-file path.
extern char strOpenLocktmpfilefile[1024];
extern char strOpenLockfilefile[1024];

// Receives each started worker thread in turn; threads are never joined.
extern pthread_t prime_thread;

#endif
