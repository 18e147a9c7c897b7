// What a direct send of the send window (HTTP or SMTP) shares with the
// window while its thread runs: the text, what to record once the send
// succeeded, the widgets it reports in, and whether the user gave it up
// first. The window hands one over and keeps it; the thread holds it too
// until it ends.
#ifndef TRANSPORT_TRAVAIL_FENETRE_H
#define TRANSPORT_TRAVAIL_FENETRE_H

#include "transport/envoi.h"
#include "transport/journal_fenetre.h"

#include <atomic>
#include <functional>
#include <mutex>
#include <string>

class Fl_Widget;

struct TravailFenetre {
    TravailFenetre() = default;
    TravailFenetre(const TravailFenetre&) = delete;
    TravailFenetre& operator=(const TravailFenetre&) = delete;
    virtual ~TravailFenetre() = default;

    std::string texte;
    // Recorded once the send succeeded, when `enregistrer` (not for the
    // system request, nor a text no request of the page stands for).
    bool enregistrer = false;
    EnvoiRequete envoi;

    // The window's widgets; touched on the GUI thread, or by the thread
    // under the toolkit's lock (vSousVerrou).
    JournalFenetre journal;
    Fl_Widget* affichage = nullptr;  // the journal's display: its colour
    Fl_Widget* boutonMail = nullptr;
    Fl_Widget* boutonCopier = nullptr;
    Fl_Widget* fenetre = nullptr;
    // The window's rule for its direct sends, asked again by an outcome
    // whose text did not go: they may send it again.
    std::function<void()> rendreEnvois;

    // GUI thread: the window goes; the thread leaves its widgets alone.
    virtual void vDetacher();

    // GUI thread: the user gives the send up. Its thread's waits end and
    // nothing of it is filed, recorded or shown. False when it came too
    // late: the outcome was known already and stands (its waits left end
    // all the same).
    bool bAbandonner();
    // The thread: the outcome is known before the send has ended (the mail
    // server took the mail and only its goodbye is awaited); an
    // abandonment from here on leaves it standing.
    void vAcquerir();
    // The thread, once its send has ended: true when the outcome stands
    // (filed, recorded, shown); false when the send was abandoned first.
    bool bConclure();

    // The outcome in the window: a line feed and `texte` in the journal,
    // green when the text went and was recorded, the mail buttons off as
    // asked, else the mail client's back (the close button stays on
    // throughout a send); a text that did not go gives the direct sends
    // back as the window's rule says. GUI thread, or under the lock.
    void vIssue(bool parti, bool enregistre, const std::string& texte, bool sansMail,
                bool sansCopie);

    // Set by bAbandonner; the waits of the send's thread read it.
    std::atomic<bool> abandon{false};
    // Set by an outcome whose text did not go (one that went unrecorded
    // went all the same: sent again, it would be ordered twice).
    std::atomic<bool> echec{false};

private:
    std::mutex verrou_;
    bool conclu_ = false;
    bool acquis_ = false;
};

// Runs `f` under the toolkit's lock unless the program is shutting down,
// then wakes the GUI thread: how a send's thread touches its window.
void vSousVerrou(const std::function<void()>& f);

// For the life of the guard, the waits of the calling thread end when
// `travail` is abandoned, as they do at a shutdown.
class GardeAbandon {
public:
    explicit GardeAbandon(const TravailFenetre& travail);
    ~GardeAbandon();
    GardeAbandon(const GardeAbandon&) = delete;
    GardeAbandon& operator=(const GardeAbandon&) = delete;
};

#endif
