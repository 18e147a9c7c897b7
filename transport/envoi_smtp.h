// The send window's direct mail send, on a thread of its own. The window
// hands over a send job (the profile's server, port and address, the text,
// what to record, its journal widgets); the thread conducts the SMTP
// dialogue, writes each step and then the outcome into the journal under
// the toolkit's lock, and records the send the moment the server took the
// mail. The window keeps drawing and the program keeps answering while a
// server takes its time; a shutdown or an abandonment ends the dialogue at
// its next wait, and once the mail is taken that only ends the wait for
// the server's goodbye: the send stays recorded.
#ifndef TRANSPORT_ENVOI_SMTP_H
#define TRANSPORT_ENVOI_SMTP_H

#include "transport/travail_fenetre.h"

#include <memory>
#include <string>

struct TravailSmtp : TravailFenetre {
    std::string serveur;
    int port = 25;
    std::string de;  // the profile's address
    std::string a;   // the service's
};

// Thread body; argument: a new std::shared_ptr<TravailSmtp>, deleted by it.
void* vSousThreadSmtp(void* travail);

// The outcome in the window: `cr` 0 the server took the mail, anything
// else a failure; a mail taken whose record could not be written
// (`enregistre` false) is no plain success, and the journal says why.
// GUI thread, or a thread holding the lock.
void vIssueSmtp(TravailSmtp& travail, int cr, bool enregistre);

// GUI thread: starts the thread, counted among the transfers. When it
// cannot start, the journal says the send failed.
void vEnvoyerSmtp(const std::shared_ptr<TravailSmtp>& travail);

#endif
