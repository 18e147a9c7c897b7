// The transfer threads of GRIB and bulletin requests. A send takes, on the
// GUI thread, a snapshot of all its thread needs (the request text, the
// credentials, its slot and generation, what to record): a thread never
// reads a page or a request, and frees its snapshot when it ends.
#ifndef TRANSPORT_THREADS_HTTP_H
#define TRANSPORT_THREADS_HTTP_H

#include "transport/canaux.h"
#include "transport/envoi.h"
#include "transport/service_http.h"

#include <string>

class classeBouton;
class requete;

struct InstantaneHttp {
    std::string texte;
    std::string email;
    std::string motDePasse;
    bool avecMotDePasse = false;
    LienCanal lien;
    // The service's address, the thread's own copy: it outlives nothing
    // the program frees at shutdown.
    ServiceHttp service = serviceHttp();
    const DelaisHttp* delais = &DELAIS_HTTP;
    // The system request records nothing, nor the send window's text of
    // no request of the page.
    bool enregistrer = true;
    EnvoiRequete envoi;       // recorded when the send succeeds
};

// Thread bodies (argument: a new InstantaneHttp, which they delete).
// Each sends the text to the service's first script path in its slot,
// files the answer and, when the service took the request (whatever
// became of the data), records the send; the slot's final phase says
// how it went: green only when all came, red with the reason otherwise
// (a refusal, or no data, included).
void* vHttpGribTimeout(void* instantane);
void* vHttpBullTimeout(void* instantane);
// The same, logged as the system request's.
void* vHttpSystemeTimeout(void* instantane);

// GUI thread: claims a slot with its popup, takes the snapshot and starts
// the thread. With all 32 slots claimed, an alert says so and no thread
// starts. Answers the slot, or -1. `button` may be null. For a text as
// the send window holds it: `envoi.texte` is sent, and `envoi` recorded
// when the send succeeds if `enregistrer`.
int iEnvoyerTexte(const EnvoiRequete& envoi, bool enregistrer, const std::string& email,
                  const char* motDePasse, classeBouton* button);
int iEnvoyerBulletins(const requete& bulletins, classeBouton* button);

// Starts a detached thread counted among the running transfers; false
// when it could not start (the snapshot is then freed by the caller).
bool bLancerTransfert(void* (*corps)(void*), void* argument);

// The transfer threads still running.
int iTransfertsEnCours();

// Shutdown (GUI thread, under the toolkit's lock): transfers end at their
// next wait, and no thread touches a widget, records a send or notes a
// history line any more (one being written ends first).
void vArretTransferts();
// Waits until no transfer thread runs, at most `secondes`; true when none
// does. The caller must not hold the toolkit's lock.
bool bAttendreTransferts(double secondes);

#endif
