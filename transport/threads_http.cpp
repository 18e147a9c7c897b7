#include "transport/threads_http.h"

#include "gribdata/globales.h"
#include "transport/echec_transfert.h"
#include "transport/http.h"
#include "transport/popup_http.h"
#include "transport/reponse.h"
#include "transport/requete.h"
#include "ui/boites_message.h"
#include "ui/local.h"

#include <atomic>
#include <chrono>
#include <memory>
#include <pthread.h>
#include <thread>

namespace {

const char* const THREADS = "<THREADS>";

std::atomic<int> enCours{0};

// What every thread body does; `quoi` names it in the log.
void vTransfert(InstantaneHttp& s, const char* quoi)
{
    vJournal(THREADS, "----------> Execution du sous-thread HTTP (thread/%s)\n", quoi);
    std::unique_ptr<char[]> query(formatRequeteHttp(
        s.texte.c_str(), s.email.c_str(), s.avecMotDePasse ? s.motDePasse.c_str() : nullptr));
    int longueur = 0;
    s.lien.finParAppelant = true;
    char* reponse = httpgrib(s.service.hote.c_str(), s.service.port.c_str(),
                             s.service.chemin.c_str(), query.get(), longueur, 0, s.lien, *s.delais);
    const bool recue = reponse != nullptr;
    const AnalyseReponse a = analyseReponse(reponse, longueur);
    const bool enregistre = bEnregistrerReponse(a, s.enregistrer, s.envoi);
    if (recue)
        vFinirCanal(s.lien, enregistre ? iPhaseFinale(a.issue) : PHASE_NON_ENREGISTREE);
    vJournal(THREADS, "----------> Fin execution du sous-thread HTTP...(thread/%s) %d\n", quoi,
             a.ok);
}

void* corps(void* instantane, const char* quoi)
{
    std::unique_ptr<InstantaneHttp> s(static_cast<InstantaneHttp*>(instantane));
    vTransfert(*s, quoi);
    return nullptr;
}

struct Lancement {
    void* (*corps)(void*);
    void* argument;
};

void* vDemarrer(void* lancement)
{
    std::unique_ptr<Lancement> l(static_cast<Lancement*>(lancement));
    l->corps(l->argument);
    enCours.fetch_sub(1);
    return nullptr;
}

int iEnvoyer(std::unique_ptr<InstantaneHttp> s, void* (*corps)(void*), classeBouton* bouton)
{
    const int canal = popupHttp(bouton);
    if (canal < 0) {
        fl_alert("%s", pcTraduire("Trop de transferts en cours, reessayez plus tard"));
        return -1;
    }
    s->lien = lienCanal(canal);
    if (!bLancerTransfert(corps, s.get())) {
        // The popup's thread never comes: it closes by itself.
        vJournal(THREADS, "ECHEC : sous-thread HTTP non lance\n");
        return -1;
    }
    s.release();
    return canal;
}

}  // namespace

void* vHttpGribTimeout(void* instantane)
{
    return corps(instantane, "grib");
}

void* vHttpBullTimeout(void* instantane)
{
    return corps(instantane, "bull");
}

void* vHttpSystemeTimeout(void* instantane)
{
    return corps(instantane, "systeme");
}

bool bLancerTransfert(void* (*corpsThread)(void*), void* argument)
{
    enCours.fetch_add(1);
    auto* l = new Lancement{corpsThread, argument};
    pthread_t thread;
    pthread_attr_t attributs;
    pthread_attr_init(&attributs);
    pthread_attr_setdetachstate(&attributs, PTHREAD_CREATE_DETACHED);
    const int erreur = pthread_create(&thread, &attributs, vDemarrer, l);
    pthread_attr_destroy(&attributs);
    if (erreur == 0)
        return true;
    delete l;
    enCours.fetch_sub(1);
    return false;
}

int iEnvoyerTexte(const EnvoiRequete& envoi, bool enregistrer, const std::string& email,
                  const char* motDePasse, classeBouton* button)
{
    auto s = std::make_unique<InstantaneHttp>();
    s->envoi = envoi;
    s->enregistrer = enregistrer;
    s->texte = envoi.texte;
    s->email = email;
    s->avecMotDePasse = motDePasse != nullptr;
    s->motDePasse = motDePasse ? motDePasse : "";
    return iEnvoyer(std::move(s), vHttpGribTimeout, button);
}

int iEnvoyerBulletins(const requete& bulletins, classeBouton* button)
{
    auto s = std::make_unique<InstantaneHttp>();
    s->envoi = bulletins.instantane();
    s->texte = s->envoi.texte;
    s->email = s->service.email;
    return iEnvoyer(std::move(s), vHttpBullTimeout, button);
}

int iTransfertsEnCours()
{
    return enCours.load();
}

void vArretTransferts()
{
    std::lock_guard<std::mutex> garde(verrouTransport());
    ARRET_TRANSFERTS = 1;
}

bool bAttendreTransferts(double secondes)
{
    const auto limite = std::chrono::steady_clock::now() + std::chrono::duration<double>(secondes);
    while (enCours.load() > 0) {
        if (std::chrono::steady_clock::now() >= limite)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}
