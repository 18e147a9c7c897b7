// Runs the whole program in the test process: working folder, start-up
// with the stand-ins, event loop pumped by the test, shutdown.
#ifndef TESTS_SHELL_PROGRAMME_TEST_H
#define TESTS_SHELL_PROGRAMME_TEST_H

#include "tests/outils/outils_test.h"

#include <string>

// Sets an environment variable for its lifetime.
class VariableTemporaire {
public:
    VariableTemporaire(const char* nom, const std::string& valeur);
    ~VariableTemporaire();
    VariableTemporaire(const VariableTemporaire&) = delete;
    VariableTemporaire& operator=(const VariableTemporaire&) = delete;

private:
    std::string nom_;
    bool avait_;
    std::string ancienne_;
};

// The program started in `dossier` (its working folder, also HOME),
// up to the started loaders; the test pumps the loop.
class ProgrammeEnProcessus {
public:
    explicit ProgrammeEnProcessus(const std::string& dossier);
    ~ProgrammeEnProcessus();
    ProgrammeEnProcessus(const ProgrammeEnProcessus&) = delete;
    ProgrammeEnProcessus& operator=(const ProgrammeEnProcessus&) = delete;

    // Until the loader watch has seen every loader.
    bool bAttendreChargement();
    // Until no window is shown any more (the event loop would return).
    bool bAttendreFinBoucle();
    // The shutdown, once.
    void vArreter();

private:
    VariableTemporaire home_;
    VariableTemporaire travail_;
    DossierCourant ici_;
    bool arrete_;
};

#endif
