// The send window's mail send on its thread, against the real SMTP server
// on loopback, with a journal buffer standing for the window: each step
// shown while the dialogue waits, the outcome, the record of an accepted
// mail, and a window gone or a shutdown while the server is silent.
#include "transport/envoi_smtp.h"
#include "transport/sendmail.h"
#include "transport/service_http.h"
#include "transport/service_mail.h"
#include "transport/threads_http.h"

#include "tests/transport/serveur_smtp.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Text_Buffer.H>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

namespace {

const char* const TEXTE = "@mto@reqt@grib@\nA 1\nZ -3.000 47.000 4.000 2.000\nP vent \n"
                          "@mto@reqt@fin@\n";
const char* const ACCUEIL = "127.0.0.1\n220 smtp-reel.test";

class EnvoiSmtp : public ::testing::Test {
protected:
    // The thread writes under the toolkit's lock, which this thread holds
    // as the GUI thread does, and releases while the loop waits.
    EnvoiSmtp()
    {
        std::signal(SIGPIPE, SIG_DFL);
        std::filesystem::create_directories("etc/grib");
        Fl::lock();
        travail->journal = JournalFenetre(&tampon);
        travail->serveur = "127.0.0.1";
        travail->de = "moi@bord.example";
        travail->a = adresseServiceMail();
        travail->texte = TEXTE;
        travail->envoi.texte = TEXTE;
        travail->enregistrer = true;
    }
    ~EnvoiSmtp() override
    {
        EXPECT_TRUE(bBoucle([] { return iTransfertsEnCours() == 0; }));
        Fl::unlock();
        DELAI_SMTP = 60000;
        ARRET_TRANSFERTS = 0;
    }
    // The event loop runs until the condition holds (a bound against
    // hanging, not a measure).
    static bool bBoucle(const std::function<bool()>& condition)
    {
        const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (!condition()) {
            if (std::chrono::steady_clock::now() > limite)
                return false;
            Fl::wait(0.01);
        }
        return true;
    }
    std::string texte()
    {
        char* t = tampon.text();
        std::string s = t;
        std::free(t);
        return s;
    }
    bool bFinit(const std::string& fin)
    {
        const std::string t = texte();
        return t.size() >= fin.size() && t.compare(t.size() - fin.size(), fin.size(), fin) == 0;
    }
    // Sent to the server, up to its greeting shown.
    void vAccueillir(const ServeurSmtp& serveur)
    {
        travail->port = serveur.port();
        vEnvoyerSmtp(travail);
        ASSERT_TRUE(bBoucle([this] { return texte().rfind(ACCUEIL, 0) == 0; })) << texte();
    }

    DossierTemporaire dossier;
    DossierCourant ici{dossier.chemin()};
    JournalTemporaire log{dossier / "log.txt"};
    Fl_Text_Buffer tampon;
    std::shared_ptr<TravailSmtp> travail = std::make_shared<TravailSmtp>();
};

}  // namespace

TEST_F(EnvoiSmtp, TheThreadWritesEachStepThenTheOutcomeAndRecordsAnAcceptedMail)
{
    const std::string relais = "550 5.7.1 Relaying denied for [127.0.0.221]";
    const struct {
        std::vector<std::string> options;
        int delai;
        std::string fin;
        bool enregistre;
    } cas[] = {
        {{}, 20000, "quit : 221 Bye\n\nSENDING MAIL ... OK", true},
        // The mail taken, the server gone before its 221: sent all the same.
        {{"--couper-quit"}, 20000, "quit : \nSENDING MAIL ... OK", true},
        {{"--refuser-rcpt", relais}, 20000, relais + "\n\nSENDING MAIL ... KO", false},
        {{"--couper-mail"}, 20000,
         "ECHEC : connexion fermee par le serveur\n\nSENDING MAIL ... KO", false},
        // Silent after the greeting: the same failure at the limit.
        {{"--bloquer-helo"}, 1500,
         "ECHEC : pas de reponse du serveur (delai depasse)\n\nSENDING MAIL ... KO", false},
    };
    for (const auto& c : cas) {
        std::filesystem::remove("etc/envois.txt");
        tampon.text("");
        DELAI_SMTP = c.delai;
        ServeurSmtp serveur(c.options);
        ASSERT_GT(serveur.port(), 0);
        vAccueillir(serveur);
        ASSERT_TRUE(bBoucle([] { return iTransfertsEnCours() == 0; }));
        EXPECT_TRUE(bFinit(c.fin)) << texte();
        EXPECT_EQ(existe("etc/envois.txt"), c.enregistre) << texte();
        EXPECT_EQ(serveur.courriers().size(), c.enregistre ? 1u : 0u);
    }
    EXPECT_NE(log.contenu().find("Fin execution du sous-thread SMTP"), std::string::npos);
}

// A mail taken whose record cannot be written is no plain success: the
// journal says why, in red.
TEST_F(EnvoiSmtp, AnAcceptedMailWhoseRecordIsNotWrittenSaysSo)
{
    std::filesystem::create_directories("etc/envois.txt");
    Fl_Box affichage(0, 0, 10, 10);
    affichage.color(FL_WHITE);
    travail->affichage = &affichage;
    ServeurSmtp serveur(std::vector<std::string>{});
    ASSERT_GT(serveur.port(), 0);
    vAccueillir(serveur);
    ASSERT_TRUE(bBoucle([] { return iTransfertsEnCours() == 0; }));
    EXPECT_TRUE(bFinit("SENDING MAIL ... OK\nEnvoi non enregistre : ecriture impossible dans etc/"))
        << texte();
    EXPECT_EQ(affichage.color(), Fl_Color(88)) << "red, not green";
    EXPECT_EQ(serveur.courriers().size(), 1u);
    travail->affichage = nullptr;
}

TEST_F(EnvoiSmtp, AWindowGoneOrAShutdownLeavesTheJournalAsItWas)
{
    ServeurSmtp serveur({"--bloquer-helo"});
    ASSERT_GT(serveur.port(), 0);
    // The window goes while the server is silent; the limit ends the send.
    DELAI_SMTP = 1500;
    vAccueillir(serveur);
    travail->vDetacher();
    const std::string vu = texte();
    ASSERT_TRUE(bBoucle([] { return iTransfertsEnCours() == 0; }));
    EXPECT_EQ(texte(), vu);

    // A shutdown ends the wait long before the limit.
    DELAI_SMTP = 600000;
    tampon.text("");
    const auto premier = travail;
    travail = std::make_shared<TravailSmtp>();
    travail->journal = JournalFenetre(&tampon);
    travail->serveur = premier->serveur;
    travail->de = premier->de;
    travail->a = premier->a;
    travail->texte = premier->texte;
    vAccueillir(serveur);
    EXPECT_EQ(iTransfertsEnCours(), 1);
    const std::string accueil = texte();
    vArretTransferts();
    Fl::unlock();
    EXPECT_TRUE(bAttendreTransferts(2.0));
    Fl::lock();
    EXPECT_EQ(texte(), accueil);
    EXPECT_NE(log.contenu().find("<SMTP> ECHEC : arret du programme\n"), std::string::npos);
}
