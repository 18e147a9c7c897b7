// The send of a request by e-mail through the user's own SMTP server: a
// dialogue the program conducts itself on a plain TCP connection, with no
// authentication and no encryption. It blocks its caller, the send
// window's SMTP thread, never the GUI thread: every reply has a time limit,
// so a silent server costs at most that long, and a shutdown of the
// program ends the wait.
#ifndef TRANSPORT_SENDMAIL_H
#define TRANSPORT_SENDMAIL_H

#include <atomic>

class JournalEnvoi;

// The longest wait for the connection and for each reply, milliseconds
// (60 s). Tests lower it; it is read at the start of each send.
extern std::atomic<int> DELAI_SMTP;

// Sends `text` from `from` to `to` through `server`:`port`; `subject` may
// be null. Every step is appended to the journal, which is shown after
// each reply and told the moment the server accepts the mail (its 250
// after the data). Answers 0 when it did, whether the server then closes
// the dialogue with 221 or not (a missing 221 is logged), 1 otherwise (the
// journal then tells why).
int sendmail(const char* server, int port, const char* from, const char* to, const char* subject,
             const char* text, JournalEnvoi& journal);

#endif
