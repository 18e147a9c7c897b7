// Sending from the request page: the send button opens the send window on
// the text of the editor shown, with its volume and cost, and puts the
// text on the clipboard; a second send replaces the window, also while the
// first one's direct send is held by a stalled service; the system request
// outside connected mode goes through the send window; the zone's default
// request reaches the stand-in service as it stands; a request past the
// limits stays unsendable whatever way leads back to the page, and the
// window refuses it; a send is given up at any time; in connected mode the
// deletion of automations goes as its window shows it.
#include <gtest/gtest.h>  // before the X headers of the text display

#include "tests/pages/requeteur_test.h"

#include "map/fdc.h"
#include "pages/abonnement.h"
#include "routes/spinner_position.h"
#include "tests/outils/service_factice.h"
#include "tests/transport/composer_test.h"
#include "tests/transport/serveur_smtp.h"
#include "tests/ui/harnais_gui.h"
#include "transport/canaux.h"
#include "transport/lien_mail.h"
#include "transport/popup_http.h"
#include "transport/sendmail.h"
#include "transport/service_http.h"
#include "transport/threads_http.h"
#include "transport/windows_send.h"
#include "ui/boutons.h"
#include "ui/configuration.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Text_Buffer.H>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <tuple>

namespace {

// The send windows shown (one at most).
int iFenetresEnvoi()
{
    int n = 0;
    for (Fl_Window* w = Fl::first_window(); w; w = Fl::next_window(w))
        n += dynamic_cast<WindowsSend*>(w) != nullptr;
    return n;
}

ServiceFactice& service()
{
    return ServiceFactice::partage();
}

class Commande : public RequeteurTest {
protected:
    Commande()
    {
        // A transfer thread that ends takes the toolkit's lock: the test
        // holds it as the event loop does, and lets it go while it waits.
        Fl::lock();
        vInstallerCrochetsEnvoi();
        MODE_CONNECTE = 0;
    }
    ~Commande() override
    {
        EXPECT_TRUE(harnais::bAttendre([] { return iTransfertsEnCours() == 0; }, 60));
        delete fenetreEnvoi;
        fenetreEnvoi = nullptr;
        MODE_CONNECTE = 1;
        Fl::unlock();
    }
    // The send window is modal: it is closed with its button, which gives
    // the page its send button back, before the page is used again.
    void fermer()
    {
        cliquer(fenetreEnvoi->boutonFermer);
        ASSERT_FALSE(fenetreEnvoi->shown());
        ASSERT_TRUE(page->boutonEnvoyer->active());
    }
    void envoyer()
    {
        page->boutonEnvoyer->activate();
        cliquer(page->boutonEnvoyer);
        ASSERT_NE(fenetreEnvoi, nullptr);
        ASSERT_TRUE(harnais::bMontrer(fenetreEnvoi));
    }
    void profil()
    {
        TYPEDEF_PROFIL* p = new TYPEDEF_PROFIL{};
        std::snprintf(p->nom, sizeof p->nom, "bord");
        std::snprintf(p->email, sizeof p->email, "moi@bord.example");
        std::snprintf(p->serveur, sizeof p->serveur, "smtp.bord.example");
        std::snprintf(p->password, sizeof p->password, "secret-du-bord");
        p->port = 25;
        p->selection = 1;
        configuration->vAjouterProfil(p);
    }
    std::string journalEnvoi() const { return texte(fenetreEnvoi->tamponJournal); }
    // The world model at its finest mesh and every forecast time: past
    // the largest answer.
    void interdire()
    {
        modele("Monde");
        basculer(bouton(page->boutonsMailles, "0.125"));
        page->vRequeteurGribEcheancesPas(-1);
        ASSERT_STREQ(page->coutGrib->value(), "Interdit");
    }
};

}  // namespace

TEST_F(Commande, TheSendButtonHandsTheTextShownToANewSendWindow)
{
    construire(0, 0);
    page->zoneExiste = 1;  // a frame is drawn
    vComposerGrib(*page->requeteGrib, 10, 0, 0, 10, "0.5", {"Pmer"}, {"6"});
    page->requeteGrib->vSetTerreMer("0");
    ASSERT_TRUE(page->boutonEnvoyer->active());
    const std::string grib = texte(page->tamponGrib);
    cliquer(page->boutonEnvoyer);
    ASSERT_NE(fenetreEnvoi, nullptr);
    EXPECT_FALSE(page->boutonEnvoyer->active()) << "until a change or the window's close";
    EXPECT_EQ(std::string(fenetreEnvoi->texte), grib);
    EXPECT_STREQ(fenetreEnvoi->sortieVolume->value(), " 0.524");
    EXPECT_STREQ(fenetreEnvoi->sortieCout->value(), "0.21");
    EXPECT_EQ(presse(), grib);
    EXPECT_EQ(fenetreEnvoi->x(), poste->fenetre.x() + 240);
    EXPECT_EQ(fenetreEnvoi->y(), poste->fenetre.y() + poste->fenetre.h() - 440);

    // Another text: the window is replaced, never doubled.
    fermer();
    cliquer(page->boutonsCompression[1]);
    const std::string gzip = texte(page->tamponGrib);
    ASSERT_NE(gzip, grib);
    envoyer();
    EXPECT_EQ(std::string(fenetreEnvoi->texte), gzip);
    EXPECT_EQ(iFenetresEnvoi(), 1);

    // The bulletin page sends the bulletin request.
    fermer();
    cliquer(page->boutonsGBI[GBI_BULLETINS]);
    page->requeteBulletins->vSetObjet("GMDSS_METAREA2_OFFSHORE");
    page->requeteBulletins->vEcrire(0);
    const std::string bulletins = texte(page->tamponBulletins);
    envoyer();
    EXPECT_EQ(std::string(fenetreEnvoi->texte), bulletins);
    EXPECT_STREQ(fenetreEnvoi->sortieCout->value(), page->coutBulletins->value());
    EXPECT_EQ(presse(), bulletins);
    EXPECT_EQ(iFenetresEnvoi(), 1);
}

// A speed typed without Enter goes with the text the send button hands
// over: the button takes it first. Escape instead puts back the speed
// shown, and the send leaves it out.
TEST_F(Commande, TheSendButtonTakesASpeedBeingTyped)
{
    for (const bool echap : {false, true}) {
        SCOPED_TRACE(echap);
        modele("Monde");
        spinnerPosition* vitesse = page->champVitesse;
        ASSERT_TRUE(vitesse->input.take_focus());
        vitesse->input.position(0, vitesse->input.size());
        for (const char* t : {"1", "2"})
            harnais::vTouche(&poste->fenetre, t[0], t);
        if (echap)
            harnais::vTouche(&poste->fenetre, FL_Escape);
        EXPECT_STREQ(vitesse->input.value(), echap ? "0" : "12");
        ASSERT_EQ(texte(page->tamponGrib).find("\nV "), std::string::npos);
        cliquer(page->boutonEnvoyer);
        ASSERT_NE(fenetreEnvoi, nullptr);
        EXPECT_EQ(std::string(fenetreEnvoi->texte).find("\nV 0 12.0\n") != std::string::npos,
                  !echap)
            << fenetreEnvoi->texte;
        fermer();
    }
}

TEST_F(Commande, OutsideConnectedModeTheSystemRequestGoesThroughTheSendWindow)
{
    construire(1, 0);
    cliquer(page->boutonSysteme);
    ASSERT_NE(fenetreEnvoi, nullptr);
    EXPECT_STREQ(fenetreEnvoi->texte, "@mto@reqt@sys@infos");
    EXPECT_STREQ(fenetreEnvoi->sortieVolume->value(), " 0.5");
    EXPECT_STREQ(fenetreEnvoi->sortieCout->value(), "0.0");
    EXPECT_EQ(texte(page->tamponBulletins), "@mto@reqt@sys@infos");
    EXPECT_EQ(presse(), "@mto@reqt@sys@infos");
}

// The first window's direct send waits on a silent service when a second
// send replaces the window: the thread leaves the window it no longer has,
// and ends at its limit.
TEST_F(Commande, ASendReplacesTheWindowWhoseDirectSendIsStalled)
{
    harnais::ChienDeGarde garde(120);
    ASSERT_GT(service().port(), 0);
    ASSERT_TRUE(service().bVariante("blocage"));
    DELAIS_HTTP.premierOctetMs = 1500;
    profil();
    construire(1, 0);
    ecrireFichier("etc/bull/demande.txt", "GMDSS_METAREA2_OFFSHORE\n");
    ASSERT_EQ(page->iChargerRequete("etc/bull/demande.txt", false), 1);
    envoyer();
    cliquer(fenetreEnvoi->boutonEnvoiHttp);
    ASSERT_TRUE(harnais::bAttendre([this] { return journalEnvoi().find("->") != std::string::npos; }))
        << journalEnvoi();
    ASSERT_EQ(iTransfertsEnCours(), 1);
    // The page's send is called without the window's close, which would
    // give the send up.
    EXPECT_TRUE(fenetreEnvoi->boutonFermer->active());
    page->boutonEnvoyer->do_callback();
    ASSERT_TRUE(harnais::bMontrer(fenetreEnvoi));
    EXPECT_EQ(iFenetresEnvoi(), 1);
    EXPECT_TRUE(harnais::bAttendre([] { return iTransfertsEnCours() == 0; }, 60));
    EXPECT_EQ(journalEnvoi(), "") << "the new window's journal is its own";
    EXPECT_EQ(service().connexions().back().at("texte"), texte(page->tamponBulletins));
    ASSERT_TRUE(service().bVariante("normale"));
}

// In connected mode a bulletin request goes at once, on a transfer thread
// with its progress popup, and no send window opens.
TEST_F(Commande, ConnectedTheBulletinRequestGoesAtOnce)
{
    harnais::ChienDeGarde garde(120);
    ASSERT_GT(service().port(), 0);
    ASSERT_TRUE(service().bVariante("normale"));
    vInitialiserCanaux();
    MODE_CONNECTE = 1;
    construire(1, 0);
    page->requeteBulletins->vSetObjet("GMDSS_METAREA2_OFFSHORE");
    page->requeteBulletins->vEcrire(0);
    page->boutonEnvoyer->activate();
    cliquer(page->boutonEnvoyer);
    EXPECT_EQ(fenetreEnvoi, nullptr);
    ASSERT_TRUE(harnais::bAttendre([] { return iTransfertsEnCours() == 0; }, 60));
    EXPECT_EQ(service().connexions().back().at("texte"), texte(page->tamponBulletins));
    EXPECT_TRUE(harnais::bAttendre([] { return std::filesystem::exists("lockdir/GMDSS_METAREA2_OFFSHORE.txt"); }));
    vDetruirePopupsHttp("<TEST>");
    for (int i = 0; i < HTTP_CANAUX; ++i)
        vLibererCanal(i);
}

// The default request of the zone switch, sent by the send window's direct
// HTTP: the stand-in service receives the editor's text as it stands.
TEST_F(Commande, TheZonesDefaultRequestReachesTheServiceByteForByte)
{
    harnais::ChienDeGarde garde(120);
    ASSERT_GT(service().port(), 0);
    ASSERT_TRUE(service().bVariante("normale"));
    profil();
    construire(0, 0);
    page->carte->zoom(50, -20, 60, 1);
    cliquer(page->boutonZone);
    const std::string grib = texte(page->tamponGrib);
    ASSERT_NE(grib.find("D vostel"), std::string::npos) << grib;
    envoyer();
    EXPECT_EQ(std::string(fenetreEnvoi->texte), grib);
    const size_t avant = service().connexions().size();
    cliquer(fenetreEnvoi->boutonEnvoiHttp);
    ASSERT_TRUE(harnais::bAttendre([avant] { return service().connexions().size() > avant; }, 60));
    EXPECT_TRUE(harnais::bAttendre([] { return iTransfertsEnCours() == 0; }, 60));
    const auto c = service().connexions().back();
    EXPECT_EQ(c.at("texte"), grib);
    EXPECT_EQ(c.at("email"), "moi@bord.example");
    EXPECT_EQ(c.count("erreurs") ? c.at("erreurs") : "", "");
}

// A product tab and back, or a send window closed, turns no send button on.
TEST_F(Commande, ARequestPastTheLimitsStaysUnsendableWhateverWayBack)
{
    harnais::ChienDeGarde garde(240);
    const auto fermerFenetre = [this] {
        ASSERT_TRUE(fenetreEnvoi && harnais::bMontrer(fenetreEnvoi));
        cliquer(fenetreEnvoi->boutonFermer);
        ASSERT_FALSE(fenetreEnvoi->shown());
    };
    const auto versGrib = [this](int produit) {
        return [this, produit] {
            cliquer(page->boutonsGBI[produit]);
            cliquer(page->boutonsGBI[GBI_GRIB]);
        };
    };
    const std::pair<const char*, std::function<void()>> chemins[] = {
        {"Bulletins then Grib", versGrib(GBI_BULLETINS)},
        {"Images then Grib", versGrib(GBI_IMAGES)},
        {"routes then Grib", versGrib(GBI_ROUTES)},
        {"the system request's window closed",
         [&] {
             cliquer(page->boutonSysteme);
             fermerFenetre();
         }},
        {"the deletion of automations' window closed",
         [&] {
             Abonnement::vBoutonSupprimerCallback(page->abonnementGrib->boutonSupprimer,
                                                  page->abonnementGrib);
             fermerFenetre();
         }},
    };
    for (const auto& [nom, faire] : chemins) {
        SCOPED_TRACE(nom);
        ASSERT_NO_FATAL_FAILURE(interdire());
        ASSERT_FALSE(page->boutonEnvoyer->active());
        faire();
        EXPECT_FALSE(page->boutonEnvoyer->active());
    }
}

// The button forced on over a request past the limits: the window shows
// it, but none of its ways sends, records or hands it to a mail client.
TEST_F(Commande, TheSendWindowRefusesWhatTheRuleRefuses)
{
    static int liens = 0;
    ouvrirUri = [](const char*, char*, int) { return ++liens; };
    ASSERT_NO_FATAL_FAILURE(interdire());
    envoyer();
    for (classeBouton* b : {fenetreEnvoi->boutonEnvoiDirect, fenetreEnvoi->boutonEnvoiHttp,
                            fenetreEnvoi->boutonEnvoiMail}) {
        b->activate();
        b->do_callback();
        EXPECT_EQ(journalEnvoi(), "Requete interdite : elle n'est pas envoyee") << b->label();
        fenetreEnvoi->tamponJournal->text("");
    }
    EXPECT_FALSE(fenetreEnvoi->boutonEnvoiMail->active());
    EXPECT_EQ(liens, 0);
    EXPECT_FALSE(existe("etc/envois.txt"));
    cliquer(fenetreEnvoi->boutonFermer);
    EXPECT_FALSE(page->boutonEnvoyer->active());
}

// The service, or the mail server, silent far beyond the test's bounds:
// the window's close ends the send at once, nothing is recorded; meanwhile
// the profile form hides the journal that the send keeps writing.
TEST_F(Commande, ASendIsGivenUpAtAnyTime)
{
    harnais::ChienDeGarde garde(120);
    ServeurSmtp smtp({"--bloquer-helo"});
    ASSERT_GT(smtp.port(), 0);
    ASSERT_TRUE(service().bVariante("blocage"));
    DELAIS_HTTP.premierOctetMs = DELAI_SMTP = 600000;
    profil();
    std::snprintf(configuration->profils->serveur, sizeof configuration->profils->serveur,
                  "127.0.0.1");
    configuration->profils->port = smtp.port();
    construire(1, 0);
    ecrireFichier("etc/bull/demande.txt", "GMDSS_METAREA2_OFFSHORE\n");
    ASSERT_EQ(page->iChargerRequete("etc/bull/demande.txt", false), 1);
    const std::tuple<const char*, classeBouton* WindowsSend::*, const char*> cas[] = {
        {"http", &WindowsSend::boutonEnvoiHttp, "->"},
        {"smtp", &WindowsSend::boutonEnvoiDirect, "220 smtp-reel.test"}};
    for (const auto& [nom, bouton, enCours] : cas) {
        SCOPED_TRACE(nom);
        envoyer();
        cliquer(fenetreEnvoi->*bouton);
        ASSERT_TRUE(harnais::bAttendre([&, c = enCours] {
            return journalEnvoi().find(c) != std::string::npos;
        })) << journalEnvoi();
        cliquer(fenetreEnvoi->boutonGestion);
        EXPECT_FALSE(fenetreEnvoi->groupeJournal->visible_r());
        WindowsSend::vBoutonEnvoiFermer2Callback(nullptr, fenetreEnvoi);
        cliquer(fenetreEnvoi->boutonFermer);
        EXPECT_FALSE(fenetreEnvoi->shown());
        EXPECT_TRUE(page->boutonEnvoyer->active());
        EXPECT_TRUE(harnais::bAttendre([] { return iTransfertsEnCours() == 0; }, 60));
        EXPECT_FALSE(existe("etc/envois.txt"));
    }
    for (const char* fil : {"HTTP/MAIL", "SMTP"})
        EXPECT_NE(journal.contenu().find("Envoi abandonne (thread " + std::string(fil) + ")"),
                  std::string::npos);
    EXPECT_TRUE(service().bVariante("normale"));
}

// "Supprimer automatisations" sends "A 0" and records its figures (0.5,
// 0.0), from the GRIB page (its own request past the limits, whose button
// stays off) and from the packages page.
TEST_F(Commande, ConnectedTheDeletionOfAutomationsGoesAsItsWindowShowsIt)
{
    harnais::ChienDeGarde garde(180);
    ASSERT_TRUE(service().bVariante("normale"));
    vInitialiserCanaux();
    profil();
    MODE_CONNECTE = 1;
    for (const bool forfaits : {false, true}) {
        std::filesystem::remove("etc/envois.txt");
        if (forfaits) {
            construire(0, 1);
            page->carte->zoom(50, -20, 60, 1);
            page->boutonsForfaits[0]->value(1);
            page->boutonsForfaits[0]->do_callback();
        } else {
            ASSERT_NO_FATAL_FAILURE(interdire());
        }
        Abonnement* panneau = forfaits ? page->abonnementForfaits : page->abonnementGrib;
        Abonnement::vBoutonSupprimerCallback(panneau->boutonSupprimer, panneau);
        ASSERT_TRUE(fenetreEnvoi && harnais::bMontrer(fenetreEnvoi));
        const std::string montre = fenetreEnvoi->texte;
        EXPECT_NE(montre.find("\nA 0\n"), std::string::npos) << montre;
        const size_t avant = service().connexions().size();
        cliquer(fenetreEnvoi->boutonEnvoiDirect);
        EXPECT_FALSE(fenetreEnvoi->shown());
        EXPECT_EQ(page->boutonEnvoyer->active(), forfaits) << "the page's own request";
        ASSERT_TRUE(harnais::bAttendre(
            [avant] {
                return service().connexions().size() > avant && iTransfertsEnCours() == 0 &&
                       existe("etc/envois.txt");
            },
            60));
        EXPECT_EQ(service().connexions().back().at("texte"), montre);
        EXPECT_NE(lireFichier("etc/envois.txt").find("SIZE: 0.5 Ko\nCOST: 0.0 Euros\n\n" + montre),
                  std::string::npos)
            << lireFichier("etc/envois.txt");
        vDetruirePopupsHttp("<TEST>");
        for (int i = 0; i < HTTP_CANAUX; ++i)
            vLibererCanal(i);
    }
}
