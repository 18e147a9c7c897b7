// The layout of the service's answer, counted from the first octet of the
// marker (text before the marker is allowed): the marker "QUENBREL2", the
// header from octet 10 on, "status type message-length data-length name"
// (as "%d %c %d %d %s" reads it), the message from octet 92 on, then the
// data.
#ifndef TRANSPORT_ENTETE_REPONSE_H
#define TRANSPORT_ENTETE_REPONSE_H

#include <cstddef>
#include <cstdint>
#include <string>

extern const char MARQUEUR_REPONSE[];  // "QUENBREL2"
constexpr size_t LONGUEUR_MARQUEUR = 9;
constexpr size_t DEBUT_ENTETE = 10;
constexpr size_t DEBUT_MESSAGE = 92;

struct EnteteReponse {
    int champs = 0;  // fields read, 0 to 5
    int cr = 0;      // 0: the service refused
    char type = 0;
    int lmess = 0;
    int ldata = 0;
    std::string nom;
};

// The fields of the header found in `n` octets (from octet 10 on, at most
// 82 octets, up to a zero octet), as the scanf format reads them, without
// its undefined behaviour: a number that does not fit an int ends the read.
EnteteReponse lireEntete(const char* octets, size_t n);

// Both lengths are usable: not negative, and the whole answer (92 +
// message + data, counted in 64 bits) within `maximum` octets.
bool bLongueursSures(const EnteteReponse& e, int64_t maximum);
int64_t llTotalDeclare(const EnteteReponse& e);

// The offset of the first marker among the `n` octets, up to the first
// zero octet; npos when there is none.
size_t iChercherMarqueur(const char* octets, size_t n);

#endif
