#include "shell/chargeurs.h"

#include "gribdata/globales.h"
#include "shell/globales_shell.h"

#include <cstring>

int iLancerChargeur(void* (*corps)(void*), void* donnee, int* drapeau, const char* nom,
                    CreationFil creer)
{
    const int erreur = creer(&prime_thread, nullptr, corps, donnee);
    if (erreur == 0) {
        pthread_detach(prime_thread);
        return 0;
    }
    vJournal("<THREADS>", "%s : demarrage impossible (%s), chargement abandonne\n", nom,
             std::strerror(erreur));
    *drapeau = 1;
    return erreur;
}
