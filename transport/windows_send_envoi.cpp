// The send window's ways to send: the direct send (HTTP or SMTP by the
// layout), the direct HTTP send of the mail layout, the mail client, and
// the close button.
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

// The window's widgets a send job shows its outcome with.
template <class Travail>
void vWidgets(Travail& t, WindowsSend& w)
{
    t.affichage = w.journal;
    t.boutonMail = w.boutonEnvoiMail;
    t.boutonFermer = w.boutonFermer;
    t.fenetre = &w;
}

}  // namespace

void WindowsSend::vDesactiverEnvois()
{
    boutonEnvoiDirect->deactivate();
    if (boutonEnvoiHttp)
        boutonEnvoiHttp->deactivate();
}

void WindowsSend::vMontrerJournal()
{
    groupeRequete->hide();
    groupeJournal->show();
}

// The first steps of both direct sends: the buttons off, the profile in
// use, the journal shown, the close button off while the send runs. Null
// when there is nothing to send with or nothing to send.
TYPEDEF_PROFIL* WindowsSend::pDebutEnvoi()
{
    vDesactiverEnvois();
    TYPEDEF_PROFIL* profil = configuration ? profilCourant(*configuration) : nullptr;
    if (!profil)
        return nullptr;
    vMontrerJournal();
    if (std::strlen(texte) < 13)
        return nullptr;
    boutonFermer->deactivate();
    return profil;
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
    // The page's GRIB request goes on a transfer thread with its popup.
    if (const requete* grib = crochetsEnvoi.requetePage ? crochetsEnvoi.requetePage(0) : nullptr)
        iEnvoyerGrib(*grib, p->email, pMotDePasse(*p), nullptr);
    else
        vJournal(THREADS, "envoi http direct: pas de requete GRIB\n");
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

// The send job of the window's text: the thread sends it and writes the
// outcome into the journal, the ticker shows it is under way.
void WindowsSend::vLancerHttp(const TYPEDEF_PROFIL& p)
{
    auto t = std::make_shared<TravailEnvoi>();
    t->texte = texte;
    t->email = p.email;
    t->avecMotDePasse = pMotDePasse(p) != nullptr;
    t->motDePasse = t->avecMotDePasse ? p.password : "";
    EnvoiRequete envoi;
    if (bInstantaneTexte(texte, envoi))
        (iGenreEnvoi(texte) == 0 ? t->envoiGrib : t->envoiBulletin) = envoi;
    t->journal = tamponJournal;
    vWidgets(*t, *this);
    if (travail_)
        travail_->vDetacher();
    travail_ = t;
    if (bEnvoyerDirect(t))
        return;
    journalFenetre_.ajouter("\n");
    journalFenetre_.ajouter(pcTraduire("SENDING HTTP ... KO"));
    journal->color(ROUGE);
    boutonFermer->activate();
    redraw();
}

void WindowsSend::vBoutonEnvoiMailCallback(Fl_Widget*, void* f)
{
    WindowsSend* w = fenetre(f);
    w->vDesactiverEnvois();
    w->boutonEnvoiMail->deactivate();
    const std::string lien = lienMail(w->texte);
    char raison[256] = "";
    if (ouvrirUri(lien.c_str(), raison, sizeof raison)) {
        // Recorded now: the program never learns whether the user sent it.
        iEnregistrerTexteEnvoye(w->texte);
        return;
    }
    vJournal(THREADS, "client mail: %s\n", raison);
    w->vMontrerJournal();
    w->journalFenetre_.ajouter((std::string("ECHEC : ") + raison + "\n").c_str());
    w->journal->color(ROUGE);
    w->boutonEnvoiMail->activate();
    w->journal->redraw();
}

void WindowsSend::vBoutonEnvoiFermerCallback(Fl_Widget*, void* f)
{
    WindowsSend* w = fenetre(f);
    w->clear_modal_states();
    w->tamponJournal->text("");
    w->hide();
    if (crochetsEnvoi.reactiverEnvoi)
        crochetsEnvoi.reactiverEnvoi();
}

// The mail job of the window's text through the profile in use: the thread
// conducts the dialogue and writes each step and the outcome into the
// journal. Returns at once: the close button comes back with the outcome.
void WindowsSend::vLancerSmtp(const TYPEDEF_PROFIL& p)
{
    auto t = std::make_shared<TravailSmtp>();
    t->a = adresseServiceMail();
    t->texte = texte;
    t->enregistrer = bInstantaneTexte(texte, t->envoi);
    t->journal = journalFenetre_;
    t->boutonCopier = boutonCopier;
    vWidgets(*t, *this);
    if (smtp_)
        smtp_->vDetacher();
    smtp_ = t;
    t->serveur = p.serveur;
    t->port = p.port;
    t->de = p.email;
    vEnvoyerSmtp(t);
}
