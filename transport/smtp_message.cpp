#include "transport/smtp_message.h"

std::string donneesSmtp(const char* destinataire, const char* userAgent, const char* sujet,
                        const char* texte)
{
    std::string d;
    if (sujet)
        d.append("Subject: ").append(sujet).append("\r\n");
    d.append("To: ").append(destinataire ? destinataire : "").append("\r\n");
    d.append("User-Agent: ").append(userAgent ? userAgent : "").append("\r\n");
    d.append("\r\n");
    bool debutLigne = true;
    for (const char* p = texte ? texte : ""; *p; ++p) {
        if (debutLigne && *p == '.')
            d.push_back('.');
        debutLigne = false;
        if (*p == '\r' && p[1] == '\n')
            continue;  // the line feed that follows ends the line
        if (*p == '\n' || *p == '\r') {
            d.append("\r\n");
            debutLigne = true;
        } else {
            d.push_back(*p);
        }
    }
    if (!debutLigne)
        d.append("\r\n");
    return d.append(".\r\n");
}

ActionSmtp actionSmtp(int code, int etape)
{
    switch (code) {
    case 220:
        return SMTP_HELO;
    case 250:
        return etape == 0   ? SMTP_MAIL
               : etape == 1 ? SMTP_RCPT
               : etape == 2 ? SMTP_DATA
               : etape == 3 ? SMTP_QUIT
                            : SMTP_RIEN;
    case 354:
        return SMTP_CORPS;
    case 221:
        return etape >= 4 ? SMTP_FIN : SMTP_ECHEC;
    default:
        return SMTP_ECHEC;
    }
}
