// The send window under an X server, in both layouts: its rows, a direct
// mail send to a real SMTP server on loopback (the window drawn and the
// loop running while the server is silent), the mail client's link, the
// close button and the profile management driven by clicks.
#include <gtest/gtest.h>  // before the X headers of the text display

#include "gribdata/fichiers.h"
#include "transport/canaux.h"
#include "transport/crochets_envoi.h"
#include "transport/lien_mail.h"
#include "transport/popup_http.h"
#include "transport/sendmail.h"
#include "transport/service_http.h"
#include "transport/service_mail.h"
#include "transport/threads_http.h"
#include "transport/windows_send.h"

#include "ui/boutons.h"
#include "ui/globales_ui.h"
#include "ui/local.h"
#include "ui/palette.h"

#include "tests/outils/service_factice.h"
#include "tests/transport/requete_test.h"
#include "tests/transport/serveur_smtp.h"
#include "tests/ui/harnais_gui.h"
#include "tests/ui/textes_entiers.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Text_Buffer.H>
#include <FL/Fl_Text_Display.H>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <utility>

namespace {

const char* const GRIB = "@mto@reqt@grib@\nA 1\nZ -3.000 47.000 4.000 2.000\n.\nP vent \n"
                         "@mto@reqt@fin@\n";
const char* const BULL = "@mto@reqt@bull@\nGMDSS_METAREA2_OFFSHORE\n@mto@reqt@fin@\n";

requete* requetes[2];
std::vector<std::string> identifiants;
int reactivations = 0;
std::vector<std::string> liens;
bool ouvertureRefusee = false;

int iOuvrirTest(const char* uri, char* msg, int msglen)
{
    liens.push_back(uri);
    if (ouvertureRefusee)
        std::snprintf(msg, size_t(msglen), "pas de client mail");
    return !ouvertureRefusee;
}

// A timeout of the event loop that looks at the journal until it shows the
// server's greeting and no outcome yet: the loop ran while the dialogue
// waited.
struct Guet {
    WindowsSend* fenetre;
    bool vu = false;
};

void vGuetter(void* donnees)
{
    Guet* g = static_cast<Guet*>(donnees);
    char* t = g->fenetre->tamponJournal->text();
    const std::string j = t;
    free(t);
    g->vu = j.find("\n220 smtp-reel.test") != std::string::npos &&
            j.find("SENDING") == std::string::npos;
    if (!g->vu)
        Fl::repeat_timeout(0.02, vGuetter, donnees);
}

class FenetreEnvoi : public RequeteTest {
protected:
    FenetreEnvoi()
    {
        std::signal(SIGPIPE, SIG_DFL);
        skins();
        ancienne = configuration;
        configuration = &config;
        requetes[0] = &grib;
        requetes[1] = &bulletin;
        identifiants.clear();
        liens.clear();
        reactivations = 0;
        ouvertureRefusee = false;
        crochetsEnvoi = {nullptr,
                         [](const char* e, const char* p) { identifiants = {e, p}; },
                         [] { ++reactivations; },
                         [](int type) { return requetes[type]; }};
        ouvrirUri = iOuvrirTest;
        DELAI_SMTP = 20000;
        // As start-up does: the GUI thread holds the toolkit's lock but
        // while it waits, so a send's thread may take it.
        Fl::lock();
    }
    ~FenetreEnvoi() override
    {
        EXPECT_TRUE(bFinTransferts());
        delete fenetre;
        configuration = ancienne;
        crochetsEnvoi = {};
        DELAI_SMTP = 60000;
        MODE_CONNECTE = 1;
        Fl::unlock();
    }
    // The event loop runs meanwhile: a thread that ends takes the lock.
    static bool bFinTransferts()
    {
        return harnais::bAttendre([] { return iTransfertsEnCours() == 0; }, 60);
    }
    bool bFinJournal(const std::string& fin)
    {
        return harnais::bAttendre([&] {
            const std::string j = journalFenetre();
            return j.size() >= fin.size() && j.compare(j.size() - fin.size(), fin.size(), fin) == 0;
        }, 60);
    }
    void ouvrir(bool http, const char* texte = GRIB)
    {
        MODE_CONNECTE = http;
        char* t = new char[std::strlen(texte) + 1];
        std::strcpy(t, texte);
        fenetre = new WindowsSend("0.524", "1.20", t, 100, 100, 360, 440, "Mail");
        ASSERT_TRUE(harnais::bMontrer(fenetre));
    }
    void profil(const char* nom, const char* serveur, int port, const char* password,
                int selection = 1)
    {
        TYPEDEF_PROFIL* p = new TYPEDEF_PROFIL{};
        std::snprintf(p->nom, sizeof p->nom, "%s", nom);
        std::snprintf(p->email, sizeof p->email, "moi@bord.example");
        std::snprintf(p->serveur, sizeof p->serveur, "%s", serveur);
        std::snprintf(p->password, sizeof p->password, "%s", password);
        p->port = port;
        p->selection = selection;
        config.vAjouterProfil(p);
    }
    void cliquer(Fl_Widget* w)
    {
        harnais::vCliquer(fenetre, w->x() + w->w() / 2, w->y() + w->h() / 2);
    }
    std::string journalFenetre() const
    {
        char* t = fenetre->tamponJournal->text();
        std::string s = t;
        free(t);
        return s;
    }
    // The journal's colour as drawn, against a toolkit colour.
    bool bCouleurJournal(Fl_Color c)
    {
        Fl_Text_Display* j = fenetre->journal;
        const auto p = harnais::pixel(fenetre, j->x() + j->w() - 30, j->y() + j->h() - 8);
        unsigned char r, v, b;
        Fl::get_color(c, r, v, b);
        return p[0] == r && p[1] == v && p[2] == b;
    }
    void remplir(const char* nom, const char* serveur, const char* port)
    {
        fenetre->inputNom->value(nom);
        fenetre->inputEmail->value("moi@bord.example");
        fenetre->inputServeur->value(serveur);
        fenetre->inputPort->value(port);
    }
    std::string statut() const { return fenetre->statut->label(); }
    Fl_Widget* bouton(const char* texte) const
    {
        for (int i = 0; i < fenetre->groupeProfils->children(); ++i) {
            Fl_Widget* w = fenetre->groupeProfils->child(i);
            if (w->label() && std::strcmp(w->label(), texte) == 0)
                return w;
        }
        return nullptr;
    }

    classeConfiguration config;
    classeConfiguration* ancienne = nullptr;
    WindowsSend* fenetre = nullptr;
};

}  // namespace

TEST_F(FenetreEnvoi, EachLayoutShowsItsRows)
{
    ouvrir(false);
    EXPECT_STREQ(fenetre->sortieVolume->value(), " 0.524");
    EXPECT_STREQ(fenetre->sortieVolumeMail->value(), " 4.032");
    EXPECT_TRUE(fenetre->sortieVolumeMail->visible_r());
    EXPECT_STREQ(fenetre->sortieCout->value(), "1.20");
    EXPECT_STREQ(fenetre->sortieRequete->value(), GRIB);
    EXPECT_STREQ(fenetre->boutonEnvoiDirect->label(), "Envoi mail direct");
    ASSERT_NE(fenetre->boutonEnvoiHttp, nullptr);
    EXPECT_TRUE(fenetre->boutonEnvoiHttp->visible_r());
    EXPECT_FALSE(fenetre->boutonCopier->active());
    EXPECT_TRUE(fenetre->groupeRequete->visible_r());
    EXPECT_FALSE(fenetre->groupeJournal->visible_r());
    EXPECT_FALSE(fenetre->groupeProfils->visible_r());
    EXPECT_TRUE(fenetre->modal());
    cliquer(fenetre->boutonGestion);
    EXPECT_TRUE(fenetre->groupeProfils->visible_r());
    EXPECT_TRUE(fenetre->inputServeur->visible_r() && fenetre->inputPort->visible_r());
    EXPECT_FALSE(fenetre->inputPassword->visible_r());
    EXPECT_STREQ(fenetre->inputPort->value(), "25");
    delete fenetre;
    fenetre = nullptr;

    ouvrir(true);
    EXPECT_FALSE(fenetre->sortieVolumeMail->visible_r());
    EXPECT_EQ(fenetre->boutonEnvoiHttp, nullptr);
    EXPECT_STREQ(fenetre->boutonEnvoiDirect->label(), "Envoi http direct");
    cliquer(fenetre->boutonGestion);
    EXPECT_FALSE(fenetre->inputServeur->visible_r() || fenetre->inputPort->visible_r());
    EXPECT_TRUE(fenetre->inputPassword->visible_r());
    EXPECT_STREQ(fenetre->statut->label(),
                 "Afficher/Ajouter/Supprimer ou Modifier (-/+) un profil");
}

// The German texts, the longest, whole in both layouts, without a profile
// (the direct sends then off) and with one.
TEST_F(FenetreEnvoi, EveryGermanTextShowsWhole)
{
    DossierCatalogues catalogues;
    struct Remettre {
        local* francais;
        ~Remettre() { langage = francais; }
    } remettre{langage};
    local allemand("de");
    langage = &allemand;
    for (int cas = 0; cas < 4; ++cas) {
        if (cas == 2)
            profil("bord", "127.0.0.1", 25, "secret");
        ASSERT_NO_FATAL_FAILURE(ouvrir(cas % 2));
        ASSERT_TRUE(harnais::bRedessiner(fenetre));
        EXPECT_EQ(harnais::textesCoupes(fenetre), std::vector<std::string>()) << cas;
        delete fenetre;
        fenetre = nullptr;
    }
}

TEST_F(FenetreEnvoi, ADirectMailSendReachesTheServerAndTurnsTheJournalGreen)
{
    ServeurSmtp serveur;
    ASSERT_GT(serveur.port(), 0);
    profil("terre", "smtp.terre.example", 25, "NULL", 0);
    profil("bord", "127.0.0.1", serveur.port(), "NULL");
    ouvrir(false);
    cliquer(fenetre->boutonEnvoiDirect);
    EXPECT_TRUE(fenetre->groupeJournal->visible_r());
    EXPECT_FALSE(fenetre->groupeRequete->visible_r());
    ASSERT_TRUE(bFinJournal("\nSENDING MAIL ... OK")) << journalFenetre();
    const std::string j = journalFenetre();
    EXPECT_EQ(j.substr(0, 10), "127.0.0.1\n") << j;
    EXPECT_EQ(j.substr(j.size() - 20), "\nSENDING MAIL ... OK") << j;
    EXPECT_TRUE(bCouleurJournal(157));
    for (Fl_Widget* b : {static_cast<Fl_Widget*>(fenetre->boutonEnvoiMail),
                         static_cast<Fl_Widget*>(fenetre->boutonCopier),
                         static_cast<Fl_Widget*>(fenetre->boutonEnvoiDirect),
                         static_cast<Fl_Widget*>(fenetre->boutonEnvoiHttp)})
        EXPECT_FALSE(b->active()) << b->label();
    EXPECT_TRUE(fenetre->boutonFermer->active());
    const std::vector<Courrier> recus = serveur.courriers();
    ASSERT_EQ(recus.size(), 1u);
    EXPECT_EQ(recus[0].de, "moi@bord.example");
    EXPECT_EQ(recus[0].corps(), GRIB);
    // Recorded through the GRIB request, with the window's text.
    EXPECT_NE(lireFichier("etc/envois.txt").find(std::string("\n\n") + GRIB + "\n"),
              std::string::npos);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("etc/grib"), {}), 1);
    ASSERT_TRUE(bFinTransferts());
    EXPECT_NE(journal().find("Fin execution du sous-thread SMTP"), std::string::npos);
}

TEST_F(FenetreEnvoi, ARefusingServerTurnsTheJournalRedAndNothingIsRecorded)
{
    ServeurSmtp serveur({"--refuser-rcpt", "550 5.7.1 Relaying denied for [127.0.0.221]"});
    profil("bord", "127.0.0.1", serveur.port(), "NULL");
    ouvrir(false, BULL);
    cliquer(fenetre->boutonEnvoiDirect);
    ASSERT_TRUE(bFinJournal("\nSENDING MAIL ... KO")) << journalFenetre();
    const std::string j = journalFenetre();
    EXPECT_NE(j.find("550 5.7.1 Relaying denied for [127.0.0.221]\n\nSENDING MAIL ... KO"),
              std::string::npos)
        << j;
    EXPECT_TRUE(bCouleurJournal(88));
    EXPECT_TRUE(fenetre->boutonFermer->active());
    EXPECT_TRUE(fenetre->boutonEnvoiMail->active());
    EXPECT_FALSE(existe("etc/envois.txt"));
    EXPECT_TRUE(serveur.courriers().empty());
}

TEST_F(FenetreEnvoi, WhileTheServerIsSilentTheLoopRunsThenTheLimitEndsTheSendInRed)
{
    harnais::ChienDeGarde garde(120);
    ServeurSmtp serveur({"--bloquer-helo"});
    ASSERT_GT(serveur.port(), 0);
    profil("bord", "127.0.0.1", serveur.port(), "NULL");
    DELAI_SMTP = 5000;
    ouvrir(false);
    Guet guet{fenetre};
    Fl::add_timeout(0.02, vGuetter, &guet);
    cliquer(fenetre->boutonEnvoiDirect);
    EXPECT_TRUE(harnais::bAttendre([&guet] { return guet.vu; })) << journalFenetre();
    Fl::remove_timeout(vGuetter, &guet);
    // Meanwhile the close button would give the send up.
    EXPECT_TRUE(fenetre->boutonFermer->active());
    ASSERT_TRUE(bFinJournal("ECHEC : pas de reponse du serveur (delai depasse)\n\n"
                            "SENDING MAIL ... KO"))
        << journalFenetre();
    EXPECT_TRUE(bCouleurJournal(88));
    EXPECT_TRUE(fenetre->boutonFermer->active());
    EXPECT_TRUE(fenetre->boutonEnvoiMail->active());
    EXPECT_FALSE(existe("etc/envois.txt"));
}

TEST_F(FenetreEnvoi, WithoutProfileOrTextTheDirectSendStops)
{
    ouvrir(false);
    cliquer(fenetre->boutonEnvoiDirect);
    EXPECT_FALSE(fenetre->boutonEnvoiDirect->active() || fenetre->boutonEnvoiHttp->active());
    EXPECT_TRUE(fenetre->groupeRequete->visible_r());
    delete fenetre;
    fenetre = nullptr;
    profil("bord", "127.0.0.1", iPortFerme(), "NULL");
    ouvrir(false, "@mto@reqt@");
    cliquer(fenetre->boutonEnvoiDirect);
    EXPECT_TRUE(fenetre->groupeJournal->visible_r());
    EXPECT_TRUE(fenetre->boutonFermer->active());
    EXPECT_EQ(journalFenetre(), "");
}

TEST_F(FenetreEnvoi, TheMailClientGetsTheWholeLinkAndTheSendIsRecorded)
{
    ouvrir(false, BULL);
    cliquer(fenetre->boutonEnvoiMail);
    ASSERT_EQ(liens.size(), 1u);
    EXPECT_EQ(liens[0], lienMail(BULL));
    EXPECT_FALSE(fenetre->boutonEnvoiMail->active() || fenetre->boutonEnvoiDirect->active());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("etc/bull"), {}), 1);
    delete fenetre;
    fenetre = nullptr;
    // A link the desktop cannot open: said in the journal, nothing recorded.
    ouvertureRefusee = true;
    ouvrir(false, GRIB);
    cliquer(fenetre->boutonEnvoiMail);
    EXPECT_EQ(journalFenetre(), "ECHEC : pas de client mail\n");
    EXPECT_TRUE(bCouleurJournal(88));
    EXPECT_TRUE(fenetre->boutonEnvoiMail->active());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("etc/grib"), {}), 0);
}

TEST_F(FenetreEnvoi, CloseHidesTheWindowAndGivesThePageItsButtonBack)
{
    ouvrir(true);
    fenetre->tamponJournal->text("x");
    cliquer(fenetre->boutonFermer);
    EXPECT_TRUE(harnais::bAttendre([this] { return !fenetre->shown(); }));
    EXPECT_FALSE(fenetre->modal());
    EXPECT_EQ(journalFenetre(), "");
    EXPECT_EQ(reactivations, 1);
}


TEST_F(FenetreEnvoi, ProfilesAreManagedFromTheForm)
{
    ouvrir(false);
    cliquer(fenetre->boutonGestion);
    EXPECT_TRUE(fenetre->groupeProfils->visible_r());
    EXPECT_FALSE(fenetre->cadre->active());
    EXPECT_FALSE(fenetre->boutonFermer->visible());
    cliquer(bouton("Nouveau"));
    EXPECT_STREQ(fenetre->inputPassword->value(), "NULL");
    remplir("bord", "smtp.bord.example", "7");
    cliquer(bouton("Ajouter"));
    EXPECT_EQ(statut(), "Entree incorrecte");
    EXPECT_EQ(fenetre->statut->color(), Fl_Color(72));
    remplir("bord", "smtp.bord.example", "587");
    cliquer(bouton("Ajouter"));
    EXPECT_EQ(statut(), "Nouveau profil : bord");
    cliquer(bouton("Ajouter"));
    EXPECT_EQ(statut(), "ERREUR... le profil existe deja");
    // A name with the menu's own characters is one entry, shown whole.
    remplir("a/b&c_d|e", "smtp.bord.example", "25");
    cliquer(bouton("Ajouter"));
    ASSERT_EQ(fenetre->choixProfil->size(), 3);  // two entries and the end mark
    EXPECT_STREQ(fenetre->choixProfil->menu()[1].label(), "a/b&&c_d|e");
    // Changing "bord" onto the other name keeps both.
    fenetre->profilEdite = "bord";
    remplir("a/b&c_d|e", "smtp.autre.example", "25");
    cliquer(bouton("Modifier"));
    EXPECT_EQ(statut(), "ERREUR... le profil existe deja");
    ASSERT_NE(profilNomme(config, "bord"), nullptr);
    EXPECT_STREQ(profilNomme(config, "a/b&c_d|e")->serveur, "smtp.bord.example");
    remplir("large", "smtp.large.example", "25");
    cliquer(bouton("Modifier"));
    EXPECT_EQ(statut(), "Modification du profil : large");
    EXPECT_STREQ(config.profils->nom, "large");
    EXPECT_STREQ(fenetre->choixProfil->text(), "large");
    EXPECT_EQ(profilCourant(config), config.profils);
    // Deleted: its entry stays, hidden.
    remplir("a/b&c_d|e", "smtp.bord.example", "25");
    cliquer(bouton("Supprimer"));
    EXPECT_EQ(statut(), "Suppression du profil : a/b&c_d|e");
    EXPECT_FALSE(fenetre->choixProfil->menu()[1].visible());
    EXPECT_EQ(fenetre->choixProfil->size(), 3);
    cliquer(bouton("Supprimer"));
    EXPECT_EQ(statut(), "ERREUR... le profil n'existe pas");
    EXPECT_NE(lireFichier("etc/config.txt").find("\nlarge moi@bord.example smtp.large.example 25 1 NULL\n"),
              std::string::npos);
    cliquer(bouton("Fermer"));
    EXPECT_FALSE(fenetre->groupeProfils->visible_r());
    EXPECT_TRUE(fenetre->cadre->active());
    EXPECT_TRUE(fenetre->boutonFermer->visible());
    // SMTP needs no password; the direct HTTP send does.
    EXPECT_TRUE(fenetre->boutonEnvoiDirect->active());
    EXPECT_FALSE(fenetre->boutonEnvoiHttp->active());
}

// Escape in a profile field being typed puts back what it showed; the
// window stays, and "Ajouter" reads the form as shown.
TEST_F(FenetreEnvoi, EscapeInAProfileFieldPutsBackWhatItShowed)
{
    profil("bord", "smtp.bord.example", 25, "NULL");
    ouvrir(false);
    cliquer(fenetre->boutonGestion);
    Fl_Input* nom = fenetre->inputNom;
    ASSERT_STREQ(nom->value(), "bord");
    cliquer(nom);
    nom->position(0, nom->size());
    for (const char* t : {"l", "a", "r", "g", "e"})
        harnais::vTouche(fenetre, t[0], t);
    ASSERT_STREQ(nom->value(), "large");
    harnais::vTouche(fenetre, FL_Escape);
    EXPECT_STREQ(nom->value(), "bord");
    EXPECT_TRUE(fenetre->shown());
    cliquer(bouton("Ajouter"));
    EXPECT_EQ(statut(), "ERREUR... le profil existe deja");
}

TEST_F(FenetreEnvoi, ChoosingAProfileSelectsItAndFillsTheForm)
{
    profil("bord", "smtpserveur", 25, "NULL");
    profil("terre", "smtpserveur", 25, "secret12", 0);
    ouvrir(true);
    EXPECT_FALSE(fenetre->boutonEnvoiDirect->active());
    EXPECT_STREQ(fenetre->choixProfil->text(), "bord");
    fenetre->choixProfil->value(1);
    fenetre->choixProfil->do_callback();
    EXPECT_STREQ(profilCourant(config)->nom, "terre");
    EXPECT_EQ(config.profils->selection, 0);
    EXPECT_STREQ(fenetre->inputPassword->value(), "secret12");
    EXPECT_EQ(statut(), "terre");
    EXPECT_TRUE(fenetre->boutonEnvoiDirect->active());
    EXPECT_NE(lireFichier("etc/config.txt").find("\nterre moi@bord.example smtpserveur 25 1 secret12\n"),
              std::string::npos);
}

// What cannot be written is said: a settings file in the status line, in
// the error colours (the choice stands in the list); the record of a mail
// handed to the mail client in the journal, in red.
TEST_F(FenetreEnvoi, WhatCannotBeWrittenIsSaid)
{
    profil("bord", "smtpserveur", 25, "NULL");
    profil("terre", "smtpserveur", 25, "secret12", 0);
    std::filesystem::remove("etc/config.txt");
    std::filesystem::create_directories("etc/config.txt/occupe");
    std::filesystem::remove_all("etc/bull");
    ecrireFichier("etc/bull", "");
    ouvrir(false, BULL);
    fenetre->choixProfil->value(1);
    fenetre->choixProfil->do_callback();
    EXPECT_STREQ(profilCourant(config)->nom, "terre");
    EXPECT_EQ(statut(), "Reglages non enregistres : ecriture impossible");
    EXPECT_EQ(fenetre->statut->color(), Fl_Color(72));
    cliquer(fenetre->boutonEnvoiMail);
    ASSERT_EQ(liens.size(), 1u);
    EXPECT_EQ(journalFenetre(), "Envoi non enregistre : ecriture impossible dans etc/\n");
    EXPECT_TRUE(bCouleurJournal(88));
}

namespace {

// The HTTP stand-in, with the program pointed at it: the service's address
// is read once per process, and each test runs in a process of its own.
class EnvoiHttp : public FenetreEnvoi {
protected:
    EnvoiHttp()
    {
        // The program's folders: an answer is a success once the scan can
        // file it.
        creationRepertoires();
        setenv("QUENBREL2_SERVICE_HOTE", "127.0.0.1", 1);
        setenv("QUENBREL2_SERVICE_PORT", service.sPort().c_str(), 1);
        vInitialiserCanaux();
    }
    ~EnvoiHttp() override
    {
        EXPECT_TRUE(bFinTransferts());
        vDetruirePopupsHttp("<TEST>");
    }
    ServiceFactice service;
};

}  // namespace

TEST_F(EnvoiHttp, TheMailLayoutsHttpSendTicksThenTellsItsOutcome)
{
    ASSERT_GT(service.port(), 0);
    // A short answer dripped slowly: the ticker has time to tick.
    ASSERT_TRUE(service.bVariante("goutte:10"));
    profil("bord", "smtp.bord.example", 25, "secret-du-bord");
    ouvrir(false, "@mto@reqt@sys@infos");
    cliquer(fenetre->boutonEnvoiHttp);
    EXPECT_EQ(journalFenetre().rfind("moi@bord.example\n\nRequete HTTP en cours...", 0), 0u);
    EXPECT_TRUE(fenetre->boutonFermer->active());
    EXPECT_FALSE(fenetre->boutonEnvoiDirect->active() || fenetre->boutonEnvoiHttp->active());
    ASSERT_TRUE(harnais::bAttendre([&] { return journalFenetre().find("->") != std::string::npos; }));
    ASSERT_TRUE(bFinJournal("\nSENDING MAIL ... OK")) << journalFenetre();
    EXPECT_TRUE(bCouleurJournal(157));
    EXPECT_FALSE(fenetre->boutonEnvoiMail->active());
    EXPECT_TRUE(fenetre->boutonFermer->active());
    const ServiceFactice::Connexion recue = service.connexions().back();
    EXPECT_EQ(recue.at("ligne").rfind("GET http://127.0.0.1/" + serviceHttp().cheminEnvoi, 0), 0u);
    EXPECT_EQ(recue.at("email"), "moi@bord.example");
    EXPECT_EQ(recue.at("motdepasse"), "secret-du-bord");
    EXPECT_EQ(recue.at("texte"), "@mto@reqt@sys@infos");
    // The system request is not recorded.
    EXPECT_FALSE(existe("etc/envois.txt"));
    EXPECT_TRUE(bFinTransferts());
    delete fenetre;
    fenetre = nullptr;

    // A package: recorded through the GRIB request, with the window's text.
    ASSERT_TRUE(service.bVariante("normale"));
    const char* forfait = "@mto@reqt@forfait@\nA 1\nF 2\n@mto@reqt@fin@\n";
    ouvrir(false, forfait);
    cliquer(fenetre->boutonEnvoiHttp);
    ASSERT_TRUE(bFinJournal("\nSENDING MAIL ... OK")) << journalFenetre();
    ASSERT_TRUE(bFinTransferts());
    EXPECT_NE(lireFichier("etc/envois.txt").find(std::string("\n\n") + forfait + "\n"),
              std::string::npos);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("etc/grib"), {}), 1);
}

TEST_F(EnvoiHttp, AWrongPasswordIsAFailureAndAWindowGoneIsLeftAlone)
{
    profil("bord", "smtp.bord.example", 25, "faux-secret");
    ouvrir(false, GRIB);
    cliquer(fenetre->boutonEnvoiHttp);
    ASSERT_TRUE(bFinJournal("\nSENDING HTTP ... KO")) << journalFenetre();
    EXPECT_TRUE(bCouleurJournal(88));
    EXPECT_FALSE(existe("etc/envois.txt"));
    ASSERT_TRUE(bFinTransferts());
    delete fenetre;
    fenetre = nullptr;
    // The window is deleted while its send runs: the thread leaves it be.
    ASSERT_TRUE(service.bVariante("goutte:5"));
    ouvrir(false, GRIB);
    cliquer(fenetre->boutonEnvoiHttp);
    delete fenetre;
    fenetre = nullptr;
    EXPECT_TRUE(bFinTransferts());
}

TEST_F(EnvoiHttp, TheHttpLayoutSendsTheWindowsTextInASlot)
{
    grib.vSetDomaine(1);
    grib.vEcrire(0);
    profil("bord", "smtpserveur", 25, "secret-du-bord");
    ouvrir(true, grib.texteRequete().c_str());
    cliquer(fenetre->boutonEnvoiDirect);
    EXPECT_TRUE(harnais::bAttendre([this] { return !fenetre->shown(); }));
    EXPECT_EQ(identifiants, (std::vector<std::string>{"moi@bord.example", "secret-du-bord"}));
    ASSERT_TRUE(structHTTP[0].popup);
    EXPECT_TRUE(harnais::bAttendre([] { return structHTTP[0].phase.load() == PHASE_AFFICHEE; }, 60));
    ASSERT_TRUE(bFinTransferts());
    const ServiceFactice::Connexion recue = service.connexions().back();
    EXPECT_EQ(recue.at("ligne").rfind("GET http://127.0.0.1/" + serviceHttp().chemin, 0), 0u);
    EXPECT_EQ(recue.at("texte"), grib.texteRequete());
    EXPECT_NE(lireFichier("etc/envois.txt").find(grib.texteRequete()), std::string::npos);
    // Without a request page the text goes all the same, unrecorded.
    delete fenetre;
    fenetre = nullptr;
    std::filesystem::remove("etc/envois.txt");
    crochetsEnvoi.requetePage = nullptr;
    ouvrir(true, GRIB);
    cliquer(fenetre->boutonEnvoiDirect);
    ASSERT_TRUE(harnais::bAttendre([this] { return service.connexions().size() == 2; }, 60));
    ASSERT_TRUE(bFinTransferts());
    EXPECT_EQ(service.connexions().back().at("texte"), GRIB);
    EXPECT_FALSE(existe("etc/envois.txt"));
}

namespace {

// How the window's text was sent, and whether it went (or is going).
struct CasParti {
    const char* nom;
    ServeurSmtp* serveur;
    classeBouton* WindowsSend::*bouton;
    const char* enCours;  // the journal shows it once the send is where the case wants it
    bool parti;
    bool sansEnregistrement = false;  // etc/bull/ cannot be written
};

}  // namespace

// A text that went, or is going, is not sent again from its window, by
// any way that turns the direct sends back on; one whose send failed
// may be. The mail client waits for the outcome of a direct send.
TEST_F(EnvoiHttp, ATextThatWentIsNotSentAgainFromItsWindow)
{
    harnais::ChienDeGarde garde(180);
    ASSERT_TRUE(service.bVariante("normale"));
    ServeurSmtp accepte, refuse({"--refuser-rcpt", "550 5.7.1 Relaying denied"}),
        muet({"--bloquer-helo"});
    profil("bord", "127.0.0.1", 0, "secret-du-bord");
    const CasParti cas[] = {
        {"mail direct", &accepte, &WindowsSend::boutonEnvoiDirect, "\nSENDING MAIL ... OK", true},
        {"http direct", &accepte, &WindowsSend::boutonEnvoiHttp, "\nSENDING MAIL ... OK", true},
        {"mail client", &accepte, &WindowsSend::boutonEnvoiMail, "", true},
        {"mail under way", &muet, &WindowsSend::boutonEnvoiDirect, "220 smtp-reel.test", true},
        {"mail refused", &refuse, &WindowsSend::boutonEnvoiDirect, "\nSENDING MAIL ... KO", false},
        {"mail taken, unrecorded", &accepte, &WindowsSend::boutonEnvoiDirect,
         "Envoi non enregistre", true, true},
    };
    const std::pair<const char*, std::function<void()>> retours[] = {
        {"Gestion then Fermer",
         [this] {
             cliquer(fenetre->boutonGestion);
             cliquer(bouton("Fermer"));
         }},
        {"the profile chosen again",
         [this] {
             fenetre->choixProfil->value(0);
             fenetre->choixProfil->do_callback();
         }},
    };
    for (const CasParti& c : cas) {
        SCOPED_TRACE(c.nom);
        ASSERT_GT(c.serveur->port(), 0);
        config.profils->port = c.serveur->port();
        std::filesystem::remove_all("etc/bull");
        if (c.sansEnregistrement)
            ecrireFichier("etc/bull", "");
        ouvrir(false, BULL);
        cliquer(fenetre->*c.bouton);
        ASSERT_TRUE(harnais::bAttendre([&] {
            return journalFenetre().find(c.enCours) != std::string::npos;
        }, 60)) << journalFenetre();
        EXPECT_EQ(fenetre->boutonEnvoiMail->active(), !c.parti) << "the mail client";
        const size_t courriers = c.serveur->courriers().size();
        const size_t appels = service.connexions().size(), liensAvant = liens.size();
        for (const auto& [nom, retour] : retours) {
            SCOPED_TRACE(nom);
            retour();
            EXPECT_EQ(fenetre->boutonEnvoiDirect->active(), !c.parti);
            EXPECT_EQ(fenetre->boutonEnvoiHttp->active(), !c.parti);
            if (!c.parti)
                continue;
            for (classeBouton* b : {fenetre->boutonEnvoiDirect, fenetre->boutonEnvoiHttp,
                                    fenetre->boutonEnvoiMail})
                cliquer(b);
        }
        if (c.serveur == &muet)
            cliquer(fenetre->boutonFermer);
        ASSERT_TRUE(bFinTransferts());
        // Nothing more went anywhere.
        EXPECT_EQ(c.serveur->courriers().size(), courriers);
        EXPECT_EQ(service.connexions().size(), appels);
        EXPECT_EQ(liens.size(), liensAvant);
        delete fenetre;
        fenetre = nullptr;
    }
}

// A link the desktop cannot open gives back what the press took: the
// mail client and both direct sends.
TEST_F(FenetreEnvoi, AMailClientFailureGivesTheDirectSendsBack)
{
    profil("bord", "127.0.0.1", 25, "secret-du-bord");
    ouvertureRefusee = true;
    ouvrir(false, BULL);
    ASSERT_TRUE(fenetre->boutonEnvoiDirect->active() && fenetre->boutonEnvoiHttp->active());
    cliquer(fenetre->boutonEnvoiMail);
    EXPECT_EQ(journalFenetre(), "ECHEC : pas de client mail\n");
    EXPECT_TRUE(fenetre->boutonEnvoiMail->active());
    EXPECT_TRUE(fenetre->boutonEnvoiDirect->active());
    EXPECT_TRUE(fenetre->boutonEnvoiHttp->active());
}

// A close gives a mail up until the server has taken it (its 250 after
// the data); after that it only ends the wait for the goodbye, and the
// send stays recorded.
TEST_F(FenetreEnvoi, CloseGivesAMailUpUntilTheServerHasTakenIt)
{
    ServiceFactice script({"--mode", "smtp"});
    profil("bord", "127.0.0.1", script.port(), "NULL");
    for (const auto& [variante, parti] : {std::pair("retenir:250", false), {"retenir:221", true}}) {
        SCOPED_TRACE(variante);
        ASSERT_TRUE(script.bVariante(variante));
        const size_t debut = journal().size(), avant = script.connexions().size();
        ouvrir(false);
        cliquer(fenetre->boutonEnvoiDirect);
        ASSERT_TRUE(harnais::bAttendre([&] {
            const auto c = script.connexions();
            return c.size() > avant && c.back().count("retenu");
        }));
        cliquer(fenetre->boutonFermer);
        ASSERT_TRUE(bFinTransferts());
        EXPECT_EQ(existe("etc/envois.txt"), parti);
        EXPECT_EQ(journal().find("Envoi abandonne (thread SMTP)", debut) == std::string::npos, parti);
        delete std::exchange(fenetre, nullptr);
    }
}

// A direct send that failed gives back at once the direct sends the
// profile allows, and the next attempt starts its journal on a line of
// its own.
TEST_F(EnvoiHttp, AFailedDirectSendGivesItsButtonsBackAndEachAttemptItsOwnLine)
{
    harnais::ChienDeGarde garde(180);
    ASSERT_TRUE(service.bVariante("normale"));
    const struct Cas {
        const char* nom;
        std::vector<std::string> options;
        const char* motDePasse;
        classeBouton* WindowsSend::*bouton;
        const char *fin, *debut;
    } cas[] = {
        {"recipient refused", {"--refuser-rcpt", "550 5.7.1 Relaying denied"}, "secret-du-bord",
         &WindowsSend::boutonEnvoiDirect, "\nSENDING MAIL ... KO", "127.0.0.1\n"},
        {"text refused", {"--refuser-data"}, "NULL", &WindowsSend::boutonEnvoiDirect,
         "\nSENDING MAIL ... KO", "127.0.0.1\n"},
        {"wrong password", {}, "faux-secret", &WindowsSend::boutonEnvoiHttp,
         "\nSENDING HTTP ... KO", "moi@bord.example\n\n"},
    };
    profil("bord", "127.0.0.1", 0, "NULL");
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        ServeurSmtp serveur(c.options);
        ASSERT_GT(serveur.port(), 0);
        config.profils->port = serveur.port();
        std::snprintf(config.profils->password, sizeof config.profils->password, "%s",
                      c.motDePasse);
        ouvrir(false, BULL);
        for (int essai = 1; essai <= 2; ++essai) {
            cliquer(fenetre->*c.bouton);
            ASSERT_TRUE(bFinJournal(c.fin)) << journalFenetre();
            ASSERT_TRUE(bFinTransferts());
            EXPECT_TRUE(fenetre->boutonEnvoiDirect->active()) << essai;
            EXPECT_EQ(fenetre->boutonEnvoiHttp->active(), std::strcmp(c.motDePasse, "NULL") != 0)
                << essai;
        }
        const std::string j = journalFenetre();
        EXPECT_EQ(j.rfind(c.debut, 0), 0u) << j;
        EXPECT_NE(j.find(std::string(c.fin) + "\n" + c.debut), std::string::npos) << j;
        EXPECT_FALSE(existe("etc/envois.txt"));
        delete std::exchange(fenetre, nullptr);
    }
}
