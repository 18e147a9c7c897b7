// What the transfer tests share: one stand-in service for the whole test
// program (the service's address is read once per process), a scratch
// working folder with the program's folders, lowered time limits, and a
// transfer run through a claimed slot as a transfer thread runs it.
#ifndef TESTS_TRANSPORT_TRANSFERT_TEST_H
#define TESTS_TRANSPORT_TRANSFERT_TEST_H

#include "transport/canaux.h"
#include "transport/threads_http.h"

#include "tests/outils/outils_test.h"
#include "tests/outils/service_factice.h"

#include <functional>
#include <gtest/gtest.h>
#include <set>
#include <string>

class Transfert : public ::testing::Test {
protected:
    Transfert();
    ~Transfert() override;

    // Started on first use, with the program pointed at it.
    static ServiceFactice& service();
    static std::string cheminService();  // the first script path

    // A GRIB request text as the request model renders it.
    static std::string texteGrib();
    static std::string texteBulletins(const std::vector<std::string>& objets);

    // The text sent through a claimed slot by the GRIB thread body, on this
    // thread; answers the slot's final phase, and keeps the slot in
    // `dernierCanal`. `motDePasse` null: none.
    int iTransferer(const std::string& texte, const char* motDePasse = "secret-du-bord",
                    bool bulletins = false);
    int dernierCanal = -1;
    // The same on a thread of its own; the slot, or -1.
    int iLancer(const std::string& texte, const char* motDePasse = "secret-du-bord");
    // Until no transfer thread runs (a bound against hanging).
    static bool bAttendreFin();

    // The names in lockdir/, and every path under the working folder
    // outside it.
    static std::set<std::string> lockdir();
    static std::set<std::string> horsLockdir();
    std::string journal() const { return log.contenu(); }

    DossierTemporaire dossier;
    DossierCourant ici{dossier.chemin()};
    JournalTemporaire log{dossier / "log.txt"};
};

// Waits for `condition`, checking every millisecond, at most `secondes`
// (a bound against hanging, not a measure).
bool bAttendreQue(const std::function<bool()>& condition, double secondes = 30);

#endif
