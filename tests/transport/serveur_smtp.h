// The real SMTP server of the mail tests (tests/support/smtp_reel.py on
// aiosmtpd) with what it received, and a journal that keeps what a send
// reports.
#ifndef TESTS_TRANSPORT_SERVEUR_SMTP_H
#define TESTS_TRANSPORT_SERVEUR_SMTP_H

#include "transport/journal_envoi.h"

#include "tests/outils/outils_test.h"
#include "tests/outils/script_support.h"

#include <string>
#include <vector>

struct Courrier {
    std::string de;
    std::vector<std::string> a;
    std::string donnees;  // as received: headers, empty line, body, CR LF
    // The text after the header lines, with line feeds for CR LF.
    std::string corps() const;
};

class ServeurSmtp {
public:
    // Options of smtp_reel.py ("--refuser-data", ...).
    explicit ServeurSmtp(const std::vector<std::string>& options = {});
    int port() const { return script_.port(); }
    // The mails it accepted, in order.
    std::vector<Courrier> courriers() const;

private:
    DossierTemporaire dossier_;
    ScriptSupport script_;
};

class JournalTest : public JournalEnvoi {
public:
    void ajouter(const char* texte) override { texte_ += texte; }
    void afficher() override { ++affichages; }
    void accepte() override { ++acceptes; }
    const std::string& texte() const { return texte_; }
    int affichages = 0, acceptes = 0;

private:
    std::string texte_;
};

// The text with CR LF for each line feed.
std::string crlf(const std::string& texte);

#endif
