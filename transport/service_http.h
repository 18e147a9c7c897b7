// Where the service's request server is and how long a transfer may take.
// The address, the port, the two script paths and the placeholder address
// of bulletin requests are stored constants (decode()); each can be given
// from the environment instead, which is how a test points the program at
// a stand-in on loopback:
//   QUENBREL2_SERVICE_HOTE, QUENBREL2_SERVICE_PORT,
//   QUENBREL2_SERVICE_CHEMIN (transfer threads and the system request),
//   QUENBREL2_SERVICE_CHEMIN_ENVOI (the send window's direct send),
//   QUENBREL2_SERVICE_EMAIL (the placeholder address).
#ifndef TRANSPORT_SERVICE_HTTP_H
#define TRANSPORT_SERVICE_HTTP_H

#include <atomic>
#include <cstdint>
#include <string>

struct ServiceHttp {
    std::string hote;
    std::string port;
    std::string chemin;       // the transfer threads' script path
    std::string cheminEnvoi;  // the send window's script path
    std::string email;        // the placeholder address
};

// Read once, on first use (any thread).
const ServiceHttp& serviceHttp();

// The limits of one transfer. A server is given time to build a file on
// demand before its first octet; after that a silence means it is gone.
// Tests lower them; they are read at the start of each transfer.
struct DelaisHttp {
    std::atomic<int> connexionMs{20000};
    std::atomic<int> premierOctetMs{300000};
    std::atomic<int> silenceMs{120000};
    std::atomic<int64_t> reponseMax{int64_t(64) << 20};  // octets
    std::atomic<int> reponseMs{0};  // the whole answer; 0: no bound of its own
};
extern DelaisHttp DELAIS_HTTP;

// The system request's limits: its answer is a short text, so a silent
// service is given up sooner than for a file.
extern DelaisHttp DELAIS_SYSTEME;

// 1 once the program is shutting down: transfers end at their next wait,
// and their threads change no widget any more.
extern std::atomic<int> ARRET_TRANSFERTS;

#endif
