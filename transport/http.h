// The service's request server over plain TCP: one request line that the
// program writes itself ("GET http://host/path<query>" and CR LF, no
// protocol version, no header lines), and an answer that is everything the
// server sends until it closes the connection.
#ifndef TRANSPORT_HTTP_H
#define TRANSPORT_HTTP_H

#include "transport/canaux.h"

// The query of a request text: "email=<address>&requete=<password>!" (or
// "email=<address>&requete=" without password) then the text, a line feed
// written "!", a blank "~", a carriage return dropped, every other byte as
// it is. A new[] string; `password` may be null. Logged with the password
// hidden.
char* formatRequeteHttp(const char* text, const char* email, const char* password);

// Sends the request line to host:port and returns the answer, or null when
// nothing usable arrived; `length` takes the octets received. Reading
// stops when the server closes, or as soon as all the octets the answer's
// header declares have arrived, whether the server closes or not. The answer
// is a malloc'd block of length + 1 octets, the last one zero: the caller
// owns it and releases it with std::free (iAnalyseRequeteHttp does).
//
// `mode` 0 reports the progress in a transfer slot: the slot `lien` names,
// bound by its generation, or, without one, the first slot waiting for a
// transfer; when it cannot be bound, nothing is sent and null returned.
// Any other mode uses no slot; -1 in addition never returns the data.
//
// Bounded: connection, first octet and silence each have a time limit,
// and the answer a size limit (`delais`, DELAIS_HTTP unless said), maybe
// a time limit of its own too; a transfer also ends when the program shuts
// down. Past the size limit, nothing is returned (PHASE_TROP_GRANDE).
//
// `phase`, when given, takes the transfer's final phase as a slot would,
// slot or not: a caller without one tells the user why nothing came.
struct DelaisHttp;
char* httpgrib(const char* host, const char* port, const char* path, const char* query,
               int& length, int mode, LienCanal lien = {});
char* httpgrib(const char* host, const char* port, const char* path, const char* query,
               int& length, int mode, LienCanal lien, const DelaisHttp& delais,
               int* phase = nullptr);

#endif
