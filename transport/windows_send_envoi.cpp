// The send window's ways to send: the direct send (HTTP or SMTP by the
// layout), the direct HTTP send of the mail layout, the mail client, and
// the close button, which gives up a send still under way. A text the
// page's rule does not permit is not sent by any of them.
#include "transport/windows_send.h"

#include "transport/crochets_envoi.h"
#include "transport/envoi_direct.h"
#include "transport/envoi_smtp.h"
#include "transport/lien_mail.h"
#include "transport/service_mail.h"
#include "transport/threads_http.h"

#include "gribdata/globales.h"
#include "ui/boutons.h"
#include "ui/local.h"

#include <FL/Fl_Group.H>
#include <FL/Fl_Text_Buffer.H>
#include <FL/Fl_Text_Display.H>
#include <cstring>
#include <string>

namespace {

const char* const THREADS = "<THREADS>";
const Fl_Color JAUNE = 95, ROUGE = 88;

WindowsSend* fenetre(void* f)
{
    return static_cast<WindowsSend*>(f);
}

// The password an HTTP send carries: none for "NULL".
const char* pMotDePasse(const TYPEDEF_PROFIL& p)
{
    return std::strcmp(p.password, "NULL") != 0 ? p.password : nullptr;
}

}  // namespace

// The window's text went, or is going: a send under way or ended green,
// or the text handed over. Only a failure lets it be sent again from here.
bool WindowsSend::bTexteParti() const
{
    return remis_ || (travail_ && !travail_->echec.load());
}

void WindowsSend::vDesactiverEnvois()
{
    boutonEnvoiDirect->deactivate();
    if (boutonEnvoiHttp)
        boutonEnvoiHttp->deactivate();
}

// The journal shown for an attempt, which starts on a line of its own.
void WindowsSend::vMontrerJournal()
{
    groupeRequete->hide();
    groupeJournal->show();
    const int n = tamponJournal->length();
    if (n > 0 && tamponJournal->byte_at(n - 1) != '\n')
        tamponJournal->append("\n");
}

// A text the page's rule does not permit now goes nowhere: the journal
// says so in red and every way to send it is off.
bool WindowsSend::bRefuse()
{
    if (!regle || regle())
        return false;
    vJournal(THREADS, "envoi refuse: la requete ne peut pas etre envoyee\n");
    refuse_ = true;
    vActiverSelonProfil();
    boutonEnvoiMail->deactivate();
    vMontrerJournal();
    journalFenetre_.ajouter(pcTraduire("Requete interdite : elle n'est pas envoyee"));
    journalFenetre_.afficher();
    journal->color(ROUGE);
    redraw();
    return true;
}

// What a send of the window records: its text with the volume and cost it
// shows. False when nothing is to be recorded.
bool WindowsSend::bInstantane(EnvoiRequete& envoi) const
{
    return bInstantaneTexte(texte, envoi, volumeMontre.c_str(), coutMontre.c_str());
}

// The first steps of both direct sends: the buttons off, the profile in
// use, the journal shown. The close button stays: it gives the send up.
// Null when there is nothing to send with, nothing to send, or the text
// may not go.
TYPEDEF_PROFIL* WindowsSend::pDebutEnvoi()
{
    if (bRefuse())
        return nullptr;
    vDesactiverEnvois();
    TYPEDEF_PROFIL* profil = configuration ? profilCourant(*configuration) : nullptr;
    if (!profil)
        return nullptr;
    vMontrerJournal();
    return std::strlen(texte) < 13 ? nullptr : profil;
}

void WindowsSend::vBoutonEnvoiDirectCallback(Fl_Widget*, void* f)
{
    WindowsSend* w = fenetre(f);
    const TYPEDEF_PROFIL* p = w->pDebutEnvoi();
    if (!p)
        return;
    if (!w->http) {
        w->journal->color(JAUNE);
        w->vLancerSmtp(*p);
        return;
    }
    if (crochetsEnvoi.identifiants)
        crochetsEnvoi.identifiants(p->email, p->password);
    w->tamponJournal->text("");
    w->hide();
    if (crochetsEnvoi.reactiverEnvoi)
        crochetsEnvoi.reactiverEnvoi();
    // The window's text goes on a transfer thread with its popup.
    w->remis_ = true;
    EnvoiRequete envoi;
    const bool enregistrer = w->bInstantane(envoi);
    envoi.texte = w->texte;
    iEnvoyerTexte(envoi, enregistrer, p->email, pMotDePasse(*p), nullptr);
}

void WindowsSend::vBoutonEnvoiDirectHttpCallback(Fl_Widget*, void* f)
{
    WindowsSend* w = fenetre(f);
    const TYPEDEF_PROFIL* p = w->pDebutEnvoi();
    if (!p)
        return;
    const std::string debut = std::string(p->email) + "\n\n" + pcTraduire("Requete HTTP en cours...");
    w->tamponJournal->append(debut.c_str());
    w->journal->color(JAUNE);
    if (crochetsEnvoi.identifiants)
        crochetsEnvoi.identifiants(p->email, p->password);
    w->vLancerHttp(*p);
}

// The window's widgets go to the send job, which replaces the previous one
// (left to end on its own).
void WindowsSend::vConfier(const std::shared_ptr<TravailFenetre>& t)
{
    t->texte = texte;
    t->enregistrer = bInstantane(t->envoi);
    t->journal = journalFenetre_;
    t->affichage = journal;
    t->boutonMail = boutonEnvoiMail;
    t->boutonCopier = boutonCopier;
    t->fenetre = this;
    t->rendreEnvois = [this] { vActiverSelonProfil(); };
    if (travail_)
        travail_->vDetacher();
    travail_ = t;
    // Held while the send is under way: the outcome gives it back.
    boutonEnvoiMail->deactivate();
}

// The send job of the window's text: the thread sends it and writes the
// outcome into the journal, the ticker shows it is under way.
void WindowsSend::vLancerHttp(const TYPEDEF_PROFIL& p)
{
    auto t = std::make_shared<TravailEnvoi>();
    t->email = p.email;
    t->avecMotDePasse = pMotDePasse(p) != nullptr;
    t->motDePasse = t->avecMotDePasse ? p.password : "";
    vConfier(t);
    if (!bEnvoyerDirect(t))
        t->vIssue(false, true, pcTraduire("SENDING HTTP ... KO"), false, false);
}

// The mail job of the window's text through the profile in use: the thread
// conducts the dialogue and writes each step and the outcome into the
// journal.
void WindowsSend::vLancerSmtp(const TYPEDEF_PROFIL& p)
{
    auto t = std::make_shared<TravailSmtp>();
    t->a = adresseServiceMail();
    t->serveur = p.serveur;
    t->port = p.port;
    t->de = p.email;
    vConfier(t);
    vEnvoyerSmtp(t);
}

void WindowsSend::vBoutonEnvoiMailCallback(Fl_Widget*, void* f)
{
    WindowsSend* w = fenetre(f);
    if (w->bRefuse())
        return;
    // What the press takes away, given back if the link cannot be opened.
    w->vDesactiverEnvois();
    w->boutonEnvoiMail->deactivate();
    const std::string lien = lienMail(w->texte);
    char raison[256] = "";
    std::string echec;
    if (ouvrirUri(lien.c_str(), raison, sizeof raison)) {
        // Recorded now: the program never learns whether the user sent it.
        w->remis_ = true;
        if (iEnregistrerTexteEnvoye(w->texte, w->volumeMontre.c_str(), w->coutMontre.c_str()) >=
            0)
            return;
        echec = pcTraduire(ENVOI_NON_ENREGISTRE);
    } else {
        vJournal(THREADS, "client mail: %s\n", raison);
        echec = std::string("ECHEC : ") + raison;
        w->boutonEnvoiMail->activate();
        w->vActiverSelonProfil();
    }
    w->vMontrerJournal();
    w->journalFenetre_.ajouter((echec + "\n").c_str());
    w->journal->color(ROUGE);
    w->redraw();
}

// A send still under way is given up: its waits end, nothing of it is
// filed or recorded, and it leaves the window alone.
void WindowsSend::vAbandonner()
{
    if (!travail_)
        return;
    if (travail_->bAbandonner())
        vJournal(THREADS, "envoi abandonne par l'utilisateur\n");
    travail_->vDetacher();
    travail_.reset();
}

void WindowsSend::vBoutonEnvoiFermerCallback(Fl_Widget*, void* f)
{
    WindowsSend* w = fenetre(f);
    w->vAbandonner();
    w->clear_modal_states();
    w->tamponJournal->text("");
    w->hide();
    if (crochetsEnvoi.reactiverEnvoi)
        crochetsEnvoi.reactiverEnvoi();
}
