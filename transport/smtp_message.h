// What the SMTP dialogue sends: the data of the mail and the step table.
#ifndef TRANSPORT_SMTP_MESSAGE_H
#define TRANSPORT_SMTP_MESSAGE_H

#include <string>

// The mail's data after the server's 354, up to and with the closing
// ".": the header lines ("Subject: " when a subject is given, "To: ",
// "User-Agent: "), one empty line, then the text with CR LF line ends and
// a "." doubled at the start of every line that has one (a line "." would
// end the data early and the lines after it would reach the server as
// commands). What the receiving side reads back is the text unchanged.
std::string donneesSmtp(const char* destinataire, const char* userAgent, const char* sujet,
                        const char* texte);

// The step of the dialogue a reply calls for.
enum ActionSmtp {
    SMTP_HELO,    // greeting: "HELO localhost"
    SMTP_MAIL,    // "MAIL FROM: <sender>"
    SMTP_RCPT,    // "RCPT TO: recipient"
    SMTP_DATA,    // "data"
    SMTP_QUIT,    // the mail is accepted: "quit"
    SMTP_RIEN,    // shown only; the next reply is awaited
    SMTP_CORPS,   // 354: the data
    SMTP_FIN,     // 221 after the mail was accepted: sent
    SMTP_ECHEC    // anything else: not sent
};

// By the reply's code (iCodeReponseSmtp) and the step reached: 0 before
// MAIL FROM, then one more for each 250 answered, 4 once "quit" went. A
// 221 before the mail was accepted is a failure: the server left early.
ActionSmtp actionSmtp(int code, int etape);

#endif
