#include "transport/envoi_smtp.h"

#include "gribdata/globales.h"
#include "transport/sendmail.h"
#include "transport/threads_http.h"
#include "ui/local.h"


namespace {

const char* const THREADS = "<THREADS>";

// The window's journal as the dialogue's thread writes it: each line under
// the lock, none once the window or the program is going.
class JournalVerrouille : public JournalEnvoi {
public:
    explicit JournalVerrouille(TravailSmtp& t) : t_(t) {}
    void ajouter(const char* texte) override
    {
        vSousVerrou([&] { t_.journal.ajouter(texte); });
    }
    void afficher() override
    {
        vSousVerrou([&] { t_.journal.afficher(); });
    }
    // The server holds the mail: the send stands and is recorded at once,
    // before the wait for the 221 that a close or a shutdown may cut. The
    // files do not hold the GUI.
    void accepte() override
    {
        t_.vAcquerir();
        enregistre = bEnregistrerReussite(t_.enregistrer, t_.envoi);
    }

    bool enregistre = true;

private:
    TravailSmtp& t_;
};

}  // namespace

void vIssueSmtp(TravailSmtp& t, int cr, bool enregistre)
{
    std::string texte = pcTraduire(cr ? "SENDING MAIL ... KO" : "SENDING MAIL ... OK");
    if (!enregistre)
        texte += std::string("\n") + pcTraduire(ENVOI_NON_ENREGISTRE);
    t.vIssue(cr == 0, enregistre, texte, cr == 0, cr == 0);
}

void* vSousThreadSmtp(void* travail)
{
    std::unique_ptr<std::shared_ptr<TravailSmtp>> garde(
        static_cast<std::shared_ptr<TravailSmtp>*>(travail));
    TravailSmtp& t = **garde;
    vJournal(THREADS, "----------> Execution du sous-thread SMTP (thread)...\n");
    JournalVerrouille journal(t);
    int cr = 1;
    {
        GardeAbandon abandon(t);
        cr = sendmail(t.serveur.c_str(), t.port, t.de.c_str(), t.a.c_str(), nullptr,
                      t.texte.c_str(), journal);
    }
    if (!t.bConclure()) {
        vJournal(THREADS, "----------> Envoi abandonne (thread SMTP): rien n'est enregistre\n");
        return nullptr;
    }
    if (t.abandon.load())
        vJournal(THREADS, "----------> Fermeture apres acceptation (thread SMTP): %s\n",
                 journal.enregistre ? "envoye, enregistre" : "envoye, non enregistre");
    vSousVerrou([&] { vIssueSmtp(t, cr, journal.enregistre); });
    vJournal(THREADS, "----------> Fin execution du sous-thread SMTP...(thread)\n");
    return nullptr;
}

void vEnvoyerSmtp(const std::shared_ptr<TravailSmtp>& travail)
{
    auto* copie = new std::shared_ptr<TravailSmtp>(travail);
    if (bLancerTransfert(vSousThreadSmtp, copie))
        return;
    delete copie;
    vJournal(THREADS, "ECHEC : sous-thread SMTP non lance\n");
    vIssueSmtp(*travail, 1, true);
}
