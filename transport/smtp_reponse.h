// SMTP replies as they come off the connection. A reply is one or more
// lines: "ddd-text" for every line but the last, "ddd text" or "ddd" for
// the last. TCP may split a reply over several receives or bring two in
// one, so replies are cut out of what has arrived, never taken as one
// receive each.
#ifndef TRANSPORT_SMTP_REPONSE_H
#define TRANSPORT_SMTP_REPONSE_H

#include <cstddef>
#include <string>

// The longest reply taken; a server that sends more is not one to talk to.
const size_t SMTP_REPONSE_MAX = 64 * 1024;

// The length of the first whole reply at the start of `recu` (up to and
// with its final line's line feed); 0 while its final line has not
// arrived. A line that does not begin "ddd-" is a final line.
size_t tailleReponseSmtp(const std::string& recu);

// The reply's code: the first three digits of its final line; -1 when the
// final line does not begin with three digits.
int iCodeReponseSmtp(const std::string& reponse);

// The reply as the journal shows it: every line ended by one line feed,
// carriage returns dropped.
std::string texteReponseSmtp(const std::string& reponse);

#endif
