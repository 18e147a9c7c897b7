// The send window's direct HTTP send. The window hands over a send job (the
// text, the profile's credentials, snapshots of what to record, its journal
// widgets); a thread sends the text to the service's second script path
// without a slot and writes the outcome into the journal under the
// toolkit's lock, while a ticker on the GUI thread writes "->" every 0.2 s
// until the thread has ended.
#ifndef TRANSPORT_ENVOI_DIRECT_H
#define TRANSPORT_ENVOI_DIRECT_H

#include "transport/envoi.h"
#include "transport/service_http.h"

#include <atomic>
#include <memory>
#include <string>

class Fl_Text_Buffer;
class Fl_Widget;

struct TravailEnvoi {
    std::string texte;
    std::string email;
    std::string motDePasse;
    bool avecMotDePasse = false;
    // The service's address, the thread's own copy.
    ServiceHttp service = serviceHttp();
    // Recorded when the send succeeds (the answer whole, accepted and all
    // it carried filed): the GRIB request's when the text is a GRIB
    // request, else the bulletin request's when it is one.
    EnvoiRequete envoiGrib, envoiBulletin;

    // The window's widgets; touched on the GUI thread or under the lock.
    Fl_Text_Buffer* journal = nullptr;
    Fl_Widget* affichage = nullptr;  // the journal's display: its colour
    Fl_Widget* boutonMail = nullptr;
    Fl_Widget* boutonFermer = nullptr;
    Fl_Widget* fenetre = nullptr;

    // The window goes (GUI thread): the ticker stops and the thread leaves
    // the widgets alone.
    void vDetacher();
};

// The ticker's flag: 0 idle, 1 ticking, 2 the thread has ended. The
// ticker only ever turns 0 into 1, so the thread's 2 always stops it.
extern std::atomic<int> HttpTimeoutWait;
extern int HttpTimeoutWaitCompteur;

// Thread body; argument: a new std::shared_ptr<TravailEnvoi>, deleted by it.
void* vHttpTimeout(void* travail);

// The ticker (toolkit timeout; data: the TravailEnvoi).
void vHttpTimeoutWait(void* travail);
// One tick; false when the ticker stops.
bool bPasAttente(TravailEnvoi& travail);

// GUI thread: the flag to 0, the thread started and the ticker armed after
// 0.1 s. False when the thread could not start.
bool bEnvoyerDirect(const std::shared_ptr<TravailEnvoi>& travail);

#endif
