// The send window's direct mail send, on a thread of its own. The window
// hands over a send job (the profile's server, port and address, the text,
// the snapshot to record, its journal widgets); the thread conducts the
// SMTP dialogue, writes each step and then the outcome into the journal
// under the toolkit's lock, and records the send when the server took the
// mail. The window keeps drawing and the program keeps answering while a
// server takes its time; a shutdown ends the dialogue at its next wait.
#ifndef TRANSPORT_ENVOI_SMTP_H
#define TRANSPORT_ENVOI_SMTP_H

#include "transport/envoi.h"
#include "transport/journal_fenetre.h"

#include <memory>
#include <string>

class Fl_Widget;

struct TravailSmtp {
    std::string serveur;
    int port = 25;
    std::string de;  // the profile's address
    std::string a;   // the service's
    std::string texte;
    bool enregistrer = false;  // the request the text came from is known
    EnvoiRequete envoi;        // recorded when the server took the mail

    // The window's widgets; touched on the GUI thread or under the lock.
    JournalFenetre journal;
    Fl_Widget* affichage = nullptr;  // the journal's display: its colour
    Fl_Widget* boutonMail = nullptr;
    Fl_Widget* boutonCopier = nullptr;
    Fl_Widget* boutonFermer = nullptr;
    Fl_Widget* fenetre = nullptr;

    // The window goes (GUI thread): the thread leaves its widgets alone.
    void vDetacher();
};

// Thread body; argument: a new std::shared_ptr<TravailSmtp>, deleted by it.
void* vSousThreadSmtp(void* travail);

// The outcome in the window: `cr` 0 the server took the mail, anything
// else a failure. GUI thread, or a thread holding the lock.
void vIssueSmtp(TravailSmtp& travail, int cr);

// GUI thread: starts the thread, counted among the transfers. When it
// cannot start, the journal says the send failed.
void vEnvoyerSmtp(const std::shared_ptr<TravailSmtp>& travail);

#endif
