#include "transport/envoi_direct.h"

#include "gribdata/globales.h"
#include "transport/echec_transfert.h"
#include "transport/http.h"
#include "transport/reponse.h"
#include "transport/threads_http.h"
#include "ui/local.h"

#include <FL/Fl.H>
#include <cstdlib>
#include <memory>
#include <string>

std::atomic<int> HttpTimeoutWait{0};
int HttpTimeoutWaitCompteur = 0;

namespace {

const char* const THREADS = "<THREADS>";

// The outcome: a failure with its reason, that of the transfer's phase when
// nothing came back; an accepted request that brought no data with that
// note; an answer of any kind makes the mail client useless. A send whose
// record could not be written says so.
void vIssue(TravailEnvoi& t, int phase, bool reponse, IssueReponse issue, bool enregistre)
{
    const bool reussi = bIssueReussie(issue);
    const int fin = !reponse && pcRaisonEchec(phase) ? phase : iPhaseFinale(issue);
    std::string texte = sRaisonEchec(fin, t.service.hote.c_str());
    if (!texte.empty())
        texte += "\n";
    texte += pcTraduire(reussi ? "SENDING MAIL ... OK" : "SENDING HTTP ... KO");
    if (!enregistre)
        texte += std::string("\n") + pcTraduire(ENVOI_NON_ENREGISTRE);
    vSousVerrou([&] { t.vIssue(reussi, enregistre, texte, reponse, false); });
}

// The send itself, its waits ended by an abandonment; null when nothing
// usable came back, `phase` then saying why.
char* pEnvoyer(TravailEnvoi& t, int& longueur, int& phase)
{
    GardeAbandon garde(t);
    std::unique_ptr<char[]> query(formatRequeteHttp(
        t.texte.c_str(), t.email.c_str(), t.avecMotDePasse ? t.motDePasse.c_str() : nullptr));
    return httpgrib(t.service.hote.c_str(), t.service.port.c_str(),
                    t.service.cheminEnvoi.c_str(), query.get(), longueur, 1, LienCanal{},
                    DELAIS_HTTP, &phase);
}

}  // namespace

void TravailEnvoi::vDetacher()
{
    Fl::remove_timeout(vHttpTimeoutWait, this);
    TravailFenetre::vDetacher();
}

void* vHttpTimeout(void* travail)
{
    std::unique_ptr<std::shared_ptr<TravailEnvoi>> garde(
        static_cast<std::shared_ptr<TravailEnvoi>*>(travail));
    TravailEnvoi& t = **garde;
    vJournal(THREADS, "----------> Execution du sous-thread HTTP/MAIL (thread)\n");
    int longueur = 0;
    int phase = PHASE_RIEN;
    char* reponse = pEnvoyer(t, longueur, phase);
    // An abandoned send leaves the flag alone: it may be a later send's.
    if (!t.bConclure()) {
        std::free(reponse);
        vJournal(THREADS, "----------> Envoi abandonne (thread HTTP/MAIL): rien n'est classe\n");
        return nullptr;
    }
    HttpTimeoutWait = 2;
    const bool recue = reponse != nullptr;
    // Filed before the lock is taken: a large answer does not hold the GUI.
    const AnalyseReponse a = analyseReponse(reponse, longueur);
    const bool enregistre = bEnregistrerReponse(a, t.enregistrer, t.envoi);
    vIssue(t, phase, recue, a.issue, enregistre);
    vJournal(THREADS, "----------> Fin execution du sous-thread HTTP/MAIL...(thread) %d\n",
             a.ok);
    return nullptr;
}

bool bPasAttente(TravailEnvoi& t)
{
    int drapeau = HttpTimeoutWait.load();
    vJournal(THREADS, "<vHttpTimeoutWait> START  Boucle timeout HTTP...%d\n", drapeau);
    if (drapeau == 0 && HttpTimeoutWait.compare_exchange_strong(drapeau, 1)) {
        t.journal.ajouter("\n");
        HttpTimeoutWaitCompteur = 0;
        drapeau = 1;
    }
    if (drapeau == 1) {
        t.journal.ajouter("->");
        if (++HttpTimeoutWaitCompteur % 30 == 0)
            t.journal.ajouter("\n");
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
