// The SMTP dialogue: replies cut out of what arrives, the mail's data, the
// step table, and whole sends against a real SMTP server on loopback
// (aiosmtpd), well-behaved or not.
#include "transport/sendmail.h"
#include "transport/service_mail.h"
#include "transport/smtp_message.h"
#include "transport/smtp_reponse.h"

#include "tests/outils/service_factice.h"
#include "tests/transport/serveur_smtp.h"

#include <csignal>
#include <gtest/gtest.h>
#include <chrono>
#include <regex>
#include <thread>

namespace {

const char* const DE = "moi@bord.example";
// A request text with a line "." and a line ".x": unstuffed they would end
// the data early or lose their dot.
const std::string TEXTE = "@mto@reqt@grib@\nA 1\nZ -3.000 47.000 4.000 2.000\n.\n.x\n"
                          "P vent \ns 12345\n@mto@reqt@fin@\n";

class Smtp : public ::testing::Test {
protected:
    Smtp()
    {
        // A write to a closed peer must not end the process.
        std::signal(SIGPIPE, SIG_DFL);
        DELAI_SMTP = 20000;
    }
    ~Smtp() override { DELAI_SMTP = 60000; }
    int envoyer(int port, const char* serveur = "127.0.0.1", const char* de = DE)
    {
        return sendmail(serveur, port, de, adresseServiceMail().c_str(), nullptr, TEXTE.c_str(),
                        journal);
    }
    DossierTemporaire dossier;
    DossierCourant ici{dossier.chemin()};
    JournalTemporaire log{dossier / "log.txt"};
    JournalTest journal;
};

}  // namespace

TEST(ReponseSmtp, AReplyEndsWithItsFinalLineWhateverTheReceivesWere)
{
    struct Cas {
        std::string recu;
        size_t taille;
        int code;
    };
    const std::string multi = "250-mx.example\r\n250-SIZE 1000\r\n250 HELP\r\n";
    const Cas cas[] = {
        {"220 mx ready\r\n", 14, 220},
        {"220 mx 250 ready\r\n", 18, 220},  // the code is where it stands
        {"550 5.7.1 Relaying denied for [127.0.0.221]\r\n", 45, 550},
        {"250-mx.example\r\n250-SIZE", 0, -1},  // the rest has not come
        {multi, multi.size(), 250},
        {multi + "354 go\r\n", multi.size(), 250},  // two replies in one receive
        {"250 OK", 0, -1},  // no line end yet
        {"250\r\n", 5, 250},
        {"221 bye\n", 8, 221},
        {"hello there\r\n", 13, -1},  // not a reply: final, without a code
        {"25\r\n", 4, -1},
        {"250-x\n\r\n", 8, -1},  // its final line is the empty one: no code
        {"250-x\r\n\n", 8, -1},
        {"250-x\r\n\r\n", 9, -1},
        {"", 0, -1},
    };
    for (const Cas& c : cas) {
        const size_t n = tailleReponseSmtp(c.recu);
        EXPECT_EQ(n, c.taille) << c.recu;
        if (n) {
            EXPECT_EQ(iCodeReponseSmtp(c.recu.substr(0, n)), c.code) << c.recu;
        }
    }
    EXPECT_EQ(texteReponseSmtp(multi), "250-mx.example\n250-SIZE 1000\n250 HELP\n");
    EXPECT_EQ(texteReponseSmtp("250 ok"), "250 ok\n");
}

TEST(ReponseSmtp, EachCodeAndStepCallsForItsCommand)
{
    struct Cas {
        int code, etape;
        ActionSmtp action;
    };
    const Cas cas[] = {
        {220, 0, SMTP_HELO}, {220, 3, SMTP_HELO}, {250, 0, SMTP_MAIL}, {250, 1, SMTP_RCPT},
        {250, 2, SMTP_DATA}, {250, 3, SMTP_QUIT}, {250, 4, SMTP_RIEN}, {250, 9, SMTP_RIEN},
        {354, 3, SMTP_CORPS}, {221, 4, SMTP_FIN}, {221, 0, SMTP_ECHEC}, {221, 3, SMTP_ECHEC},
        {550, 1, SMTP_ECHEC}, {554, 3, SMTP_ECHEC}, {421, 0, SMTP_ECHEC}, {-1, 0, SMTP_ECHEC},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(actionSmtp(c.code, c.etape), c.action) << c.code << " " << c.etape;
}

TEST(DonneesSmtp, HeadersAnEmptyLineAndTheTextStuffedWithCrLf)
{
    EXPECT_EQ(donneesSmtp("a@b", "UA/1", nullptr, "@mto@reqt@grib@\n.\n.x\nfin\n"),
              "To: a@b\r\nUser-Agent: UA/1\r\n\r\n@mto@reqt@grib@\r\n..\r\n..x\r\nfin\r\n.\r\n");
    EXPECT_EQ(donneesSmtp("a@b", "UA/1", "Sujet", "x\r\ny"),
              "Subject: Sujet\r\nTo: a@b\r\nUser-Agent: UA/1\r\n\r\nx\r\ny\r\n.\r\n");
    // The system request has no line end of its own.
    EXPECT_EQ(donneesSmtp("a@b", "U", nullptr, "@mto@reqt@sys@infos"),
              "To: a@b\r\nUser-Agent: U\r\n\r\n@mto@reqt@sys@infos\r\n.\r\n");
    EXPECT_EQ(donneesSmtp("a@b", "U", nullptr, ""), "To: a@b\r\nUser-Agent: U\r\n\r\n.\r\n");
    EXPECT_EQ(donneesSmtp("a@b", "U", nullptr, "a.\n\n..\r"),
              "To: a@b\r\nUser-Agent: U\r\n\r\na.\r\n\r\n...\r\n.\r\n");
}

TEST_F(Smtp, AMailReachesTheServerIntactWithTheJournalOfEachStep)
{
    ServeurSmtp serveur;
    ASSERT_GT(serveur.port(), 0);
    ASSERT_EQ(envoyer(serveur.port()), 0) << journal.texte();
    const std::string a = adresseServiceMail();
    const std::regex attendu("127\\.0\\.0\\.1\n220 smtp-reel\\.test [^\n]*\n250 smtp-reel\\.test\n" +
                             std::string(DE) + " : 250 OK\n" + a + " : 250 OK\n" +
                             "requete : 250 2\\.0\\.0 Ok: queued as 0000001\nquit : 221 [^\n]*\n");
    EXPECT_TRUE(std::regex_match(journal.texte(), attendu)) << journal.texte();
    EXPECT_GE(journal.affichages, 6);
    const std::vector<Courrier> recus = serveur.courriers();
    ASSERT_EQ(recus.size(), 1u);
    EXPECT_EQ(recus[0].de, DE);
    EXPECT_EQ(recus[0].a, std::vector<std::string>{a});
    EXPECT_EQ(recus[0].corps(), TEXTE);
    EXPECT_NE(recus[0].donnees.find("User-Agent: " + userAgentMail() + "\r\n"), std::string::npos);
    EXPECT_NE(log.contenu().find("<SMTP> STOP cr: 0\n"), std::string::npos);
}

TEST_F(Smtp, AServerNamedIsResolvedAndShownWithItsAddress)
{
    ServeurSmtp serveur;
    ASSERT_EQ(envoyer(serveur.port(), "localhost"), 0) << journal.texte();
    EXPECT_EQ(journal.texte().substr(0, journal.texte().find('\n')), "localhost : 127.0.0.1");
    EXPECT_EQ(serveur.courriers().size(), 1u);
}

TEST_F(Smtp, RefusingDroppingOrSilentServersFailWithTheirReason)
{
    struct Cas {
        std::vector<std::string> options;
        std::string raison;
    };
    // Refusals whose text holds other codes: only the code counts.
    const std::string relais = "550 5.7.1 Relaying denied for [127.0.0.221]";
    const Cas cas[] = {
        {{"--refuser-rcpt", relais}, relais + "\n"},
        {{"--refuser-rcpt", relais + ", 250 max"}, relais + ", 250 max\n"},
        {{"--refuser-data"}, "requete : 554 5.3.4 Message refused\n"},
        {{"--couper-mail"}, "ECHEC : connexion fermee par le serveur\n"},
        {{"--couper-corps"}, "ECHEC : connexion fermee par le serveur\n"},
        {{"--bloquer-helo"}, "ECHEC : pas de reponse du serveur (delai depasse)\n"},
    };
    for (const Cas& c : cas) {
        ServeurSmtp serveur(c.options);
        ASSERT_GT(serveur.port(), 0);
        DELAI_SMTP = c.options[0] == "--bloquer-helo" ? 800 : 20000;
        journal = JournalTest();
        EXPECT_EQ(envoyer(serveur.port()), 1) << c.options[0];
        const std::string& t = journal.texte();
        EXPECT_EQ(t.substr(t.size() - std::min(t.size(), c.raison.size())), c.raison)
            << c.options[0] << "\n" << t;
        EXPECT_TRUE(serveur.courriers().empty()) << c.options[0];
    }
}

TEST_F(Smtp, NoServerOrAnUnsafeAddressFailsBeforeAnyDialogue)
{
    EXPECT_EQ(envoyer(iPortFerme()), 1);
    EXPECT_EQ(journal.texte(),
              "127.0.0.1\nECHEC : Non connecté ou serveur indisponible/connexion unavailable\n");
    for (int port : {0, 70000}) {
        journal = JournalTest();
        EXPECT_EQ(envoyer(port), 1);
        EXPECT_NE(journal.texte().find("ECHEC : Non connect"), std::string::npos);
    }
    journal = JournalTest();
    EXPECT_EQ(envoyer(25, "1.2.3.4.5"), 1);
    EXPECT_EQ(journal.texte(), "ECHEC : gethostbyname : 1.2.3.4.5\n");
    // A sender that would add a command line of its own.
    journal = JournalTest();
    EXPECT_EQ(envoyer(25, "127.0.0.1", "moi@bord.example>\r\nRCPT TO: <x@y"), 1);
    EXPECT_EQ(journal.texte(), "ECHEC : adresse mail invalide\n");
    EXPECT_NE(log.contenu().find("<SMTP> STOP cr: 1\n"), std::string::npos);
}

TEST_F(Smtp, ScriptedRepliesSplitOrMergedKeepTheDialogueInStep)
{
    ServiceFactice script({"--mode", "smtp"});
    ASSERT_GT(script.port(), 0);
    const std::vector<std::string> commandes = {
        "HELO localhost", "MAIL FROM: <" + std::string(DE) + ">",
        "RCPT TO: " + adresseServiceMail(), "data", "quit"};
    const struct {
        const char* variante;
        const char* extrait;  // what the journal shows of it
    } cas[] = {
        // A greeting that says 250 too still gets HELO; a reply split in
        // two sends gets MAIL FROM only after its final line.
        {"multiligne", "220 factice.test ESMTP 250 ready\n"
                       "250-factice.test\n250-SIZE 10240000\n250 HELP\nmoi@bord.example : "},
        {"normale", "requete : 250 2.0.0 Ok: queued as 4F2201C\nquit : 221 2.0.0 Bye\n"},
        // The 221 comes in the body reply's send, ahead of quit.
        {"fusion", "requete : 250 2.0.0 Ok: queued as 4F2201C\nquit : 221 2.0.0 Bye\n"},
    };
    for (const auto& c : cas) {
        ASSERT_TRUE(script.bVariante(c.variante));
        journal = JournalTest();
        EXPECT_EQ(envoyer(script.port()), 0) << c.variante << "\n" << journal.texte();
        EXPECT_NE(journal.texte().find(c.extrait), std::string::npos)
            << c.variante << "\n" << journal.texte();
        // The stand-in notes the last command after the client has gone.
        ServiceFactice::Connexion recue;
        for (int i = 0; i < 2000 && !recue.count("commande5"); ++i) {
            if (i)
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            recue = script.connexions().back();
        }
        std::vector<std::string> vues;
        for (size_t i = 1; recue.count("commande" + std::to_string(i)); ++i)
            vues.push_back(recue.at("commande" + std::to_string(i)));
        EXPECT_EQ(vues, commandes) << c.variante;
        EXPECT_EQ(recue.count("prematuree"), 0u) << c.variante;
        EXPECT_EQ(recue.at("donnees"), donneesSmtp(adresseServiceMail().c_str(),
                                                   userAgentMail().c_str(), nullptr, TEXTE.c_str()));
    }
}

TEST_F(Smtp, AReplyThatNeverEndsIsRefusedPastItsLimit)
{
    ServiceFactice script({"--mode", "smtp", "--variante", "interminable"});
    ASSERT_GT(script.port(), 0);
    EXPECT_EQ(envoyer(script.port()), 1);
    EXPECT_EQ(journal.texte(), "127.0.0.1\nECHEC : reponse trop longue du serveur\n");
}

// A 250 to the data command is no acceptance: the mail's text never went.
TEST_F(Smtp, A250WhereTheTextWasAskedForIsNoSend)
{
    ServiceFactice script({"--mode", "smtp", "--variante", "sans354"});
    ASSERT_GT(script.port(), 0);
    EXPECT_EQ(envoyer(script.port()), 1) << journal.texte();
    EXPECT_EQ(journal.acceptes, 0);
    EXPECT_NE(journal.texte().find("requete : 250 2.0.0 Ok\nECHEC : "), std::string::npos)
        << journal.texte();
}
