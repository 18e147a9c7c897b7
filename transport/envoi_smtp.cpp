#include "transport/envoi_smtp.h"

#include "gribdata/globales.h"
#include "transport/sendmail.h"
#include "transport/service_http.h"
#include "transport/threads_http.h"
#include "ui/local.h"

#include <FL/Fl.H>
#include <FL/Fl_Widget.H>
#include <ctime>

namespace {

const char* const THREADS = "<THREADS>";
const Fl_Color VERT = 157, ROUGE = 88;

// The window's journal as the dialogue's thread writes it: each line under
// the lock, none once the window or the program is going.
class JournalVerrouille : public JournalEnvoi {
public:
    explicit JournalVerrouille(TravailSmtp& t) : t_(t) {}
    void ajouter(const char* texte) override
    {
        Fl::lock();
        if (!ARRET_TRANSFERTS.load())
            t_.journal.ajouter(texte);
        Fl::unlock();
        Fl::awake();
    }
    void afficher() override
    {
        Fl::lock();
        if (!ARRET_TRANSFERTS.load())
            t_.journal.afficher();
        Fl::unlock();
        Fl::awake();
    }

private:
    TravailSmtp& t_;
};

void vActiver(Fl_Widget* w, bool actif)
{
    if (w)
        actif ? w->activate() : w->deactivate();
}

}  // namespace

void TravailSmtp::vDetacher()
{
    journal = JournalFenetre();
    affichage = boutonMail = boutonCopier = boutonFermer = fenetre = nullptr;
}

void vIssueSmtp(TravailSmtp& t, int cr)
{
    t.journal.ajouter("\n");
    t.journal.ajouter(pcTraduire(cr ? "SENDING MAIL ... KO" : "SENDING MAIL ... OK"));
    t.journal.afficher();
    if (!cr) {
        vActiver(t.boutonMail, false);
        vActiver(t.boutonCopier, false);
    }
    if (t.affichage)
        t.affichage->color(cr ? ROUGE : VERT);
    vActiver(t.boutonFermer, true);
    if (t.fenetre)
        t.fenetre->redraw();
}

void* vSousThreadSmtp(void* travail)
{
    std::unique_ptr<std::shared_ptr<TravailSmtp>> garde(
        static_cast<std::shared_ptr<TravailSmtp>*>(travail));
    TravailSmtp& t = **garde;
    vJournal(THREADS, "----------> Execution du sous-thread SMTP (thread)...\n");
    JournalVerrouille journal(t);
    const int cr = sendmail(t.serveur.c_str(), t.port, t.de.c_str(), t.a.c_str(), nullptr,
                            t.texte.c_str(), journal);
    // Recorded before the lock is taken: the files do not hold the GUI.
    if (cr == 0 && t.enregistrer)
        iEnregistrerEnvoi(t.envoi, std::time(nullptr));
    Fl::lock();
    if (!ARRET_TRANSFERTS.load())
        vIssueSmtp(t, cr);
    Fl::unlock();
    Fl::awake();
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
    vIssueSmtp(*travail, 1);
}
