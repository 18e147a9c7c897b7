// One request to the service's request server, its answer received whole.
#include "transport/http.h"

#include "gribdata/globales.h"
#include "transport/entete_reponse.h"
#include "transport/prise.h"
#include "transport/service_http.h"
#include "transport/tampon_reponse.h"

#include <cerrno>
#include <chrono>
#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const char* const TAG = "<HTTPGRIB>";
const size_t MORCEAU = 64 * 1024;

using Horloge = std::chrono::steady_clock;

// Why the reception stopped.
enum Arret { FERMEE, ENTIERE, ERREUR, DELAI, FIN_PROGRAMME, ABANDON, TROP_GRAND };

// The slot a transfer reports to, or none, and the caller that asked for
// the final phase, or none.
struct Rapport {
    TYPEDEF_HTTP* canal = nullptr;
    int* sortie = nullptr;
    int dernierPourcent = INT_MIN;

    void phase(int p)
    {
        if (sortie)
            *sortie = p;
        if (canal)
            canal->phase.store(p);
    }
    // The host is written before the phase that sends the poll to read it.
    void vIntrouvable(const char* hote)
    {
        if (canal)
            std::snprintf(canal->hote, sizeof canal->hote, "%s", hote);
        phase(PHASE_INTROUVABLE);
    }
    void vAttendu(int64_t attendu)
    {
        if (canal)
            canal->attendu.store(attendu > INT_MAX ? INT_MAX : int(attendu));
    }
    // The octets received, and the share of the expected total once the
    // header has told it (0: not yet).
    void progression(int64_t recus, int64_t attendu)
    {
        if (!canal)
            return;
        canal->recus.store(recus > INT_MAX ? INT_MAX : int(recus));
        if (attendu > 0) {
            const int64_t p = recus * 100 / attendu;
            const int v = p > INT_MAX ? INT_MAX : int(p);
            if (v == dernierPourcent && canal->phase.load() == PHASE_RECEPTION)
                return;
            dernierPourcent = v;
            canal->pourcent.store(v);
        }
        canal->phase.store(PHASE_RECEPTION);
    }
};

// The answer as it arrives. The marker may come after some other text:
// the header is read once 92 octets from the marker are there (a first
// chunk may hold five), and the expected total counts from the answer's
// first octet. Until then, and for an answer without the marker, the size
// is unknown (0).
struct Reception {
    TamponReponse tampon;
    size_t marqueur = std::string::npos;  // where the marker starts
    size_t cherche = 0;                   // octets already searched for it
    bool finTexte = false;                // a zero octet came first: no marker
    bool enteteLu = false;
    bool longueursSures = false;
    int64_t attendu = 0;

    explicit Reception(int64_t maximum) : tampon(maximum) {}

    // Looks for the marker in the octets not searched yet (and the few
    // before them it may straddle), up to a zero octet as the analysis does.
    void vChercherMarqueur()
    {
        if (marqueur != std::string::npos || finTexte)
            return;
        const char* o = tampon.octets();
        const size_t n = tampon.taille();
        const size_t debut = cherche >= LONGUEUR_MARQUEUR ? cherche - (LONGUEUR_MARQUEUR - 1) : 0;
        const size_t m = iChercherMarqueur(o + debut, n - debut);
        if (m != std::string::npos)
            marqueur = debut + m;
        else
            finTexte = std::memchr(o + cherche, 0, n - cherche) != nullptr;
        cherche = n;
    }

    // True when the header has just given the answer's size.
    bool bEntete(int64_t maximum)
    {
        vChercherMarqueur();
        if (enteteLu || marqueur == std::string::npos ||
            tampon.taille() < marqueur + DEBUT_MESSAGE)
            return false;
        enteteLu = true;
        const EnteteReponse e = lireEntete(tampon.octets() + marqueur, tampon.taille() - marqueur);
        longueursSures = bLongueursSures(e, maximum - int64_t(marqueur));
        if (!longueursSures) {
            vJournal(TAG, "ATTENTION : entete illisible ou longueurs impossibles (%d champs)\n",
                     e.champs);
            return false;
        }
        attendu = int64_t(marqueur) + llTotalDeclare(e);
        tampon.bReserver(size_t(attendu));
        return true;
    }

    // Everything the header declares is there: a server that keeps the
    // connection open has nothing more to say.
    bool bEntiere() const { return longueursSures && int64_t(tampon.taille()) >= attendu; }

    // Whether what arrived is the whole answer: all it declares, or, without
    // the marker, everything until the server closed.
    bool bComplete(Arret arret) const
    {
        if (longueursSures)
            return bEntiere();
        return marqueur == std::string::npos && arret == FERMEE;
    }
};

const char* pcArret(Arret a)
{
    switch (a) {
    case FERMEE: return "fermeture";
    case ENTIERE: return "reponse entiere";
    case ERREUR: return "erreur de reception";
    case DELAI: return "delai depasse";
    case FIN_PROGRAMME: return "arret du programme";
    case ABANDON: return "envoi abandonne";
    case TROP_GRAND: return "reponse trop grande";
    }
    return "";
}

// The wait for the next octets: the first-octet or silence limit, within
// what is left of the answer's own limit when it has one.
int iDelai(const Reception& r, const DelaisHttp& delais, Horloge::time_point debut)
{
    const int delai = r.tampon.taille() == 0 ? delais.premierOctetMs.load()
                                             : delais.silenceMs.load();
    const int total = delais.reponseMs.load();
    if (total <= 0)
        return delai;
    const auto passe = std::chrono::duration_cast<std::chrono::milliseconds>(Horloge::now() - debut);
    const long long reste = std::max(0LL, total - static_cast<long long>(passe.count()));
    return int(std::min<long long>(delai, reste));
}

Arret recevoir(int prise, Reception& r, Rapport& rapport, int64_t maximum,
               const DelaisHttp& delais)
{
    const auto debut = Horloge::now();
    for (;;) {
        const int delai = iDelai(r, delais, debut);
        if (delai <= 0)
            return DELAI;
        const int pret = iAttendreLecture(prise, delai);
        if (pret <= 0)
            return pret == 0 ? DELAI : pret == -2 ? ABANDON : FIN_PROGRAMME;
        if (!r.tampon.bPlace())
            return TROP_GRAND;
        const ssize_t n = recv(prise, r.tampon.fin(), std::min(r.tampon.libre(), MORCEAU), 0);
        if (n == 0)
            return FERMEE;
        if (n < 0) {
            if (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK)
                continue;
            vJournal(TAG, "reception: %s\n", std::strerror(errno));
            return ERREUR;
        }
        r.tampon.avancer(size_t(n));
        if (r.tampon.bTropGrand())
            return TROP_GRAND;
        // The percentage first: whoever reads the expected length then reads
        // a percentage of it.
        const bool entete = r.bEntete(maximum);
        rapport.progression(int64_t(r.tampon.taille()), r.attendu);
        if (entete)
            rapport.vAttendu(r.attendu);
        if (r.bEntiere())
            return ENTIERE;
    }
}

// The final phase of a transfer that brought nothing usable: connected,
// it says what stopped the answer.
int iPhaseSansReponse(Arret arret)
{
    switch (arret) {
    case DELAI: return PHASE_DELAI;
    case TROP_GRAND: return PHASE_TROP_GRANDE;
    default: return PHASE_ECHEC;
    }
}

// Binds the slot of mode 0; false when there is none to bind.
bool bLier(Rapport& rapport, LienCanal lien)
{
    const int index = lien.index >= 0 ? (bLierCanal(lien) ? lien.index : -1) : iLierCanalLibre();
    if (index < 0) {
        vJournal(TAG, "<httpgrib> aucun canal en attente: requete abandonnee\n");
        return false;
    }
    vJournal(TAG, "<httpgrib>>>>>>>>>>>>>>>>>> ASSOCIATION EFFECTUEE : handle: %d\n", index);
    rapport.canal = &structHTTP[index];
    return true;
}

// The slot's closing figures, then its final phase, stored last, unless
// the caller stores it.
void vTerminer(Rapport& rapport, const Reception& r, double duree, int phase,
               bool parAppelant = false)
{
    if (rapport.canal) {
        const double debit = duree > 0 ? double(r.tampon.taille()) / duree / 1000.0 : 0.0;
        rapport.vAttendu(r.attendu);
        const size_t recus = r.tampon.taille();
        rapport.canal->recus.store(recus > size_t(INT_MAX) ? INT_MAX : int(recus));
        rapport.canal->debit.store(debit);
        rapport.canal->duree.store(duree);
    }
    vJournal(TAG, "FIN de la requete HTTPgrib\n");
    if (!parAppelant)
        rapport.phase(phase);
}

}  // namespace

char* httpgrib(const char* host, const char* port, const char* path, const char* query,
               int& length, int mode, LienCanal lien)
{
    return httpgrib(host, port, path, query, length, mode, lien, DELAIS_HTTP);
}

char* httpgrib(const char* host, const char* port, const char* path, const char* query,
               int& length, int mode, LienCanal lien, const DelaisHttp& delais, int* phase)
{
    length = 0;
    Rapport rapport;
    rapport.sortie = phase;
    if (mode == 0 && !bLier(rapport, lien))
        return nullptr;
    const auto debut = Horloge::now();
    int echec = 0;
    const int prise = iConnecter(host, port, delais.connexionMs.load(), echec);
    if (prise < 0) {
        if (echec == -1)
            rapport.vIntrouvable(host);
        else
            rapport.phase(PHASE_CONNEXION);
        return nullptr;
    }
    const std::string ligne = std::string("GET http://") + host + "/" + path + query + "\r\n";
    if (!bEnvoyerTout(prise, ligne.data(), ligne.size(), delais.silenceMs.load())) {
        vJournal(TAG, "ECHEC : envoi de la requete: %s\n", std::strerror(errno));
        close(prise);
        rapport.phase(PHASE_CONNEXION);
        return nullptr;
    }
    rapport.phase(PHASE_ENVOYEE);
    const int64_t maximum = delais.reponseMax.load();
    Reception r(maximum);
    const Arret arret = recevoir(prise, r, rapport, maximum, delais);
    shutdown(prise, SHUT_RDWR);
    close(prise);
    const double duree = std::chrono::duration<double>(Horloge::now() - debut).count();
    const size_t recus = r.tampon.taille();
    length = recus > size_t(INT_MAX) ? INT_MAX : int(recus);
    vJournal(TAG, "Buffer: longueur %d pas:%d\n", length, length);
    if (arret != FERMEE && arret != ENTIERE)
        vJournal(TAG, "ATTENTION : %s apres %d octets\n", pcArret(arret), length);
    if (arret == TROP_GRAND || recus == 0) {
        if (arret == TROP_GRAND)
            vJournal(TAG, "ECHEC : reponse de plus de %lld octets refusee\n",
                     static_cast<long long>(maximum));
        vTerminer(rapport, r, duree, iPhaseSansReponse(arret));
        return nullptr;
    }
    vTerminer(rapport, r, duree, !r.bComplete(arret) ? PHASE_INCOMPLETE : PHASE_RECUE,
              mode != -1 && lien.finParAppelant);
    return mode == -1 ? nullptr : r.tampon.ceder();
}
