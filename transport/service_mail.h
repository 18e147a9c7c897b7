// The service's side of a mail send: its address, the "User-Agent" the
// mails carry and the start of the link handed to the user's mail client.
// They are stored constants of the program (decode()).
#ifndef TRANSPORT_SERVICE_MAIL_H
#define TRANSPORT_SERVICE_MAIL_H

#include <string>

std::string adresseServiceMail();
std::string userAgentMail();
// "mailto:" and the service's address with its body parameter, up to the
// body's first character.
std::string prefixeLienMail();

#endif
