#include "transport/prise.h"

#include "gribdata/globales.h"
#include "transport/service_http.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const char* const TAG = "<HTTPGRIB>";
// A wait is cut into slices so that a shutdown ends it soon.
const int TRANCHE_MS = 100;

using Horloge = std::chrono::steady_clock;

// poll() for `evenements` until they come, `delaiMs` passes or the
// program shuts down: 1, 0, -1 as iAttendreLecture.
int iAttendre(int prise, short evenements, int delaiMs)
{
    const auto limite = Horloge::now() + std::chrono::milliseconds(delaiMs);
    for (;;) {
        if (ARRET_TRANSFERTS.load())
            return -1;
        const auto reste = std::chrono::duration_cast<std::chrono::milliseconds>(
                               limite - Horloge::now()).count();
        if (reste <= 0)
            return 0;
        pollfd p{prise, evenements, 0};
        const int n = poll(&p, 1, int(std::min<long long>(reste, TRANCHE_MS)));
        if (n > 0)
            return 1;
        if (n < 0 && errno != EINTR)
            return 1;  // the next call on the socket tells the error
    }
}

addrinfo* pResoudre(const char* hote, const char* port)
{
    addrinfo demande{};
    demande.ai_family = AF_INET;
    demande.ai_socktype = SOCK_STREAM;
    if (!std::isalpha(static_cast<unsigned char>(hote[0])))
        demande.ai_flags = AI_NUMERICHOST;
    addrinfo* adresses = nullptr;
    const int erreur = resolutionNoms.load()(hote, port, &demande, &adresses);
    if (erreur != 0) {
        vJournal(TAG, "ECHEC : %s:%s introuvable (%s)\n", hote, port, gai_strerror(erreur));
        return nullptr;
    }
    return adresses;
}

}  // namespace

std::atomic<ResolutionNoms> resolutionNoms{getaddrinfo};

bool bConnexion(int prise, const sockaddr* adresse, socklen_t longueur, int delaiMs)
{
    if (connect(prise, adresse, longueur) == 0)
        return true;
    if (errno != EINPROGRESS || iAttendre(prise, POLLOUT, delaiMs) != 1)
        return false;
    int erreur = 0;
    socklen_t l = sizeof erreur;
    return getsockopt(prise, SOL_SOCKET, SO_ERROR, &erreur, &l) == 0 && erreur == 0;
}

int iConnecter(const char* hote, const char* port, int delaiMs, int& echec)
{
    addrinfo* adresses = pResoudre(hote, port);
    if (!adresses) {
        echec = -1;
        return -1;
    }
    const int prise = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    vJournal(TAG, "socket: %d\n", prise);
    if (prise < 0) {
        freeaddrinfo(adresses);
        vJournal(TAG, "ECHEC : socket open error...\n");
        echec = -2;
        return -1;
    }
    const bool connecte = bConnexion(prise, adresses->ai_addr, adresses->ai_addrlen, delaiMs);
    freeaddrinfo(adresses);
    vJournal(TAG, "connection: %d\n", connecte ? 0 : -1);
    if (!connecte) {
        vJournal(TAG, "ECHEC : connexion unavailable\n");
        close(prise);
        echec = -2;
        return -1;
    }
    return prise;
}

bool bEnvoyerTout(int prise, const char* octets, size_t n, int delaiMs)
{
    while (n > 0) {
        const ssize_t envoye = send(prise, octets, n, MSG_NOSIGNAL);
        if (envoye > 0) {
            octets += envoye;
            n -= size_t(envoye);
            continue;
        }
        if (envoye < 0 && errno == EINTR)
            continue;
        const bool plein = envoye < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
        if (!plein || iAttendre(prise, POLLOUT, delaiMs) != 1)
            return false;
    }
    return true;
}

int iAttendreLecture(int prise, int delaiMs)
{
    return iAttendre(prise, POLLIN, delaiMs);
}
