// The TCP side of a transfer: a connection within a time limit, a whole
// send, and waits that end with the program.
#ifndef TRANSPORT_PRISE_H
#define TRANSPORT_PRISE_H

#include <atomic>
#include <cstddef>
#include <netdb.h>
#include <sys/socket.h>

// How transfers and mail sends resolve a name: getaddrinfo, whose results
// freeaddrinfo frees. A test puts in its place one that stalls.
using ResolutionNoms = int (*)(const char*, const char*, const addrinfo*, addrinfo**);
extern std::atomic<ResolutionNoms> resolutionNoms;

// A connected, non-blocking IPv4 stream socket, or -1. A host that starts
// with a letter is a name and is resolved; any other is a dotted address.
// `echec` tells why it failed: -1 the name was not resolved, -2 no socket
// or no connection. Logs as the transfers do.
int iConnecter(const char* hote, const char* port, int delaiMs, int& echec);

// Connects a non-blocking socket to the address within `delaiMs`.
bool bConnexion(int prise, const sockaddr* adresse, socklen_t longueur, int delaiMs);

// Sends the `n` octets, in as many sends as it takes, without SIGPIPE;
// false on an error or when the peer takes nothing for `delaiMs`.
bool bEnvoyerTout(int prise, const char* octets, size_t n, int delaiMs);

// Waits until the socket can be read: 1 it can, 0 `delaiMs` passed, -1 the
// program is shutting down.
int iAttendreLecture(int prise, int delaiMs);

#endif
