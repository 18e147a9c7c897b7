// Quenbrel 2: the program's entry.
#include "codes/logerr.h"
#include "shell/demarrage.h"

int main(int argc, char** argv)
{
    CLASS_CODES_LOGERR contexte("Tormaskel");
    iRepertoireTravail();
    vPreparationDossiers();
    if (iTransfertFichier(argc, argv))
        return 0;
    vDemarrage(argc);
    const int statut = iBoucle();
    vArret();
    return statut;
}
