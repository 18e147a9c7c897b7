// The hand-off to the user's mail client: a "mailto:" link whose body is
// the request text, opened by the desktop's URL opener.
#ifndef TRANSPORT_LIEN_MAIL_H
#define TRANSPORT_LIEN_MAIL_H

#include <string>

// The text escaped for the link's body, whole whatever its length. A line
// feed becomes "%0a" and a carriage return "%0d", but a run of either
// gives one escape and a leading one none. "%", "&", "#", "?", blanks,
// quotes, angle brackets and bytes outside printable ASCII are
// percent-encoded too: left as they are they would end the body or change
// the text that reaches the service.
std::string convertMail(const char* text);

// The link: the service's mail-link prefix, then the escaped text.
std::string lienMail(const char* text);

// Opens a link; answers 1 when it could be handed over, else 0 with the
// reason in `msg`. The desktop's opener (fl_open_uri) unless a test put
// its recorder here.
extern int (*ouvrirUri)(const char* uri, char* msg, int msglen);

#endif
