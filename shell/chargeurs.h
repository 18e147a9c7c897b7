// The start of the loader threads.
#ifndef SHELL_CHARGEURS_H
#define SHELL_CHARGEURS_H

#include <pthread.h>

using CreationFil = int (*)(pthread_t*, const pthread_attr_t*, void* (*)(void*), void*);

// Starts the loader `corps` on a detached thread of its own (its handle
// goes to prime_thread). A loader that cannot start is logged and its flag
// `drapeau` raised as the loader would at its end, so that start-up still
// completes. Called with the toolkit's lock held. Answers 0, or the
// thread call's error. `creer` stands for the thread call in tests.
int iLancerChargeur(void* (*corps)(void*), void* donnee, int* drapeau, const char* nom,
                    CreationFil creer = pthread_create);

#endif
