#include "transport/envoi_direct.h"

#include "gribdata/globales.h"
#include "transport/crochets_envoi.h"
#include "transport/http.h"
#include "transport/reponse.h"
#include "transport/service_http.h"
#include "transport/threads_http.h"
#include "ui/local.h"

#include <FL/Fl.H>
#include <FL/Fl_Text_Buffer.H>
#include <FL/Fl_Widget.H>
#include <ctime>
#include <string>

std::atomic<int> HttpTimeoutWait{0};
int HttpTimeoutWaitCompteur = 0;

namespace {

const char* const THREADS = "<THREADS>";
const Fl_Color VERT = 157, ROUGE = 88;

void vJournalEnvoi(TravailEnvoi& t, const char* texte)
{
    if (t.journal)
        t.journal->append(texte);
}

void vCouleur(TravailEnvoi& t, Fl_Color couleur)
{
    if (t.affichage) {
        t.affichage->color(couleur);
        t.affichage->redraw();
    }
}

// The outcome, shown under the lock unless the window or the program is
// going: a failure with its reason.
void vIssue(TravailEnvoi& t, bool reponse, IssueReponse issue)
{
    Fl::lock();
    if (!ARRET_TRANSFERTS.load() && t.journal) {
        vJournalEnvoi(t, "\n");
        if (reponse && t.boutonMail)
            t.boutonMail->deactivate();
        const bool reussi = issue == ISSUE_CLASSEE;
        vCouleur(t, reussi ? VERT : ROUGE);
        if (!reussi)
            vJournalEnvoi(t, (std::string(pcTraduire(pcIssueReponse(issue))) + "\n").c_str());
        vJournalEnvoi(t, pcTraduire(reussi ? "SENDING MAIL ... OK" : "SENDING HTTP ... KO"));
        if (t.boutonFermer)
            t.boutonFermer->activate();
        if (t.fenetre)
            t.fenetre->redraw();
    }
    Fl::unlock();
    Fl::awake();
}

// By the text's first line: a package is a GRIB request, the system
// request is not recorded.
void vEnregistrer(const TravailEnvoi& t)
{
    const int genre = iGenreEnvoi(t.texte.c_str());
    if (genre >= 0)
        iEnregistrerEnvoi(genre == 0 ? t.envoiGrib : t.envoiBulletin, std::time(nullptr));
}

}  // namespace

void TravailEnvoi::vDetacher()
{
    Fl::remove_timeout(vHttpTimeoutWait, this);
    journal = nullptr;
    affichage = boutonMail = boutonFermer = fenetre = nullptr;
}

void* vHttpTimeout(void* travail)
{
    std::unique_ptr<std::shared_ptr<TravailEnvoi>> garde(
        static_cast<std::shared_ptr<TravailEnvoi>*>(travail));
    TravailEnvoi& t = **garde;
    vJournal(THREADS, "----------> Execution du sous-thread HTTP/MAIL (thread)\n");
    std::unique_ptr<char[]> query(formatRequeteHttp(
        t.texte.c_str(), t.email.c_str(), t.avecMotDePasse ? t.motDePasse.c_str() : nullptr));
    int longueur = 0;
    char* reponse = httpgrib(t.service.hote.c_str(), t.service.port.c_str(),
                             t.service.cheminEnvoi.c_str(), query.get(), longueur, 1);
    HttpTimeoutWait = 2;
    const bool recue = reponse != nullptr;
    // Filed before the lock is taken: a large answer does not hold the GUI.
    const AnalyseReponse a = analyseReponse(reponse, longueur);
    if (a.issue == ISSUE_CLASSEE)
        vEnregistrer(t);
    vIssue(t, recue, a.issue);
    vJournal(THREADS, "----------> Fin execution du sous-thread HTTP/MAIL...(thread) %d\n",
             a.ok);
    garde.reset();
    return nullptr;
}

bool bPasAttente(TravailEnvoi& t)
{
    int drapeau = HttpTimeoutWait.load();
    vJournal(THREADS, "<vHttpTimeoutWait> START  Boucle timeout HTTP...%d\n", drapeau);
    if (drapeau == 0 && HttpTimeoutWait.compare_exchange_strong(drapeau, 1)) {
        vJournalEnvoi(t, "\n");
        HttpTimeoutWaitCompteur = 0;
        drapeau = 1;
    }
    if (drapeau == 1) {
        vJournalEnvoi(t, "->");
        if (++HttpTimeoutWaitCompteur % 30 == 0)
            vJournalEnvoi(t, "\n");
        return true;
    }
    if (drapeau == 2)
        vJournal(THREADS, "<vHttpTimeoutWait> END Boucle timeout HTTP...%d\n", drapeau);
    return false;
}

void vHttpTimeoutWait(void* travail)
{
    if (bPasAttente(*static_cast<TravailEnvoi*>(travail)))
        Fl::repeat_timeout(0.2, vHttpTimeoutWait, travail);
}

bool bEnvoyerDirect(const std::shared_ptr<TravailEnvoi>& travail)
{
    HttpTimeoutWait = 0;
    auto* copie = new std::shared_ptr<TravailEnvoi>(travail);
    if (!bLancerTransfert(vHttpTimeout, copie)) {
        delete copie;
        vJournal(THREADS, "ECHEC : sous-thread HTTP/MAIL non lance\n");
        return false;
    }
    Fl::add_timeout(0.1, vHttpTimeoutWait, travail.get());
    return true;
}
