// The send window's direct send: its ticker and its thread against the
// stand-in service, with a journal buffer standing for the window.
#include "transport/envoi_direct.h"
#include "transport/service_http.h"

#include "tests/transport/transfert_test.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Text_Buffer.H>
#include <cstring>
#include <filesystem>
#include <memory>

namespace {

class EnvoiDirect : public Transfert {
protected:
    // The thread shows its outcome under the toolkit's lock, which this
    // thread holds as the GUI thread does, and releases while it waits.
    EnvoiDirect()
    {
        Fl::lock();
        travail->journal = JournalFenetre(&tampon);
        HttpTimeoutWait = 0;
    }
    ~EnvoiDirect() override
    {
        EXPECT_TRUE(bFin());
        Fl::remove_timeout(vHttpTimeoutWait, travail.get());
        Fl::unlock();
    }
    static bool bFin()
    {
        return bAttendreQue([] {
            Fl::wait(0.01);
            return iTransfertsEnCours() == 0;
        });
    }
    std::string texte()
    {
        char* t = tampon.text();
        std::string s = t;
        free(t);
        return s;
    }
    Fl_Text_Buffer tampon;
    std::shared_ptr<TravailEnvoi> travail = std::make_shared<TravailEnvoi>();
};

}  // namespace

TEST_F(EnvoiDirect, TheTickerWritesThirtyArrowsToALineUntilTheThreadEnds)
{
    for (int i = 0; i < 60; ++i)
        ASSERT_TRUE(bPasAttente(*travail));
    EXPECT_EQ(HttpTimeoutWait.load(), 1);
    std::string fleches;
    for (int i = 0; i < 30; ++i)
        fleches += "->";
    EXPECT_EQ(texte(), "\n" + fleches + "\n" + fleches + "\n");
    HttpTimeoutWait = 2;
    EXPECT_FALSE(bPasAttente(*travail));
    EXPECT_EQ(texte(), "\n" + fleches + "\n" + fleches + "\n");
    EXPECT_NE(journal().find("END Boucle timeout HTTP...2"), std::string::npos);
}

TEST_F(EnvoiDirect, ATickerStartedAfterTheThreadEndedStopsAtOnce)
{
    HttpTimeoutWait = 2;
    EXPECT_FALSE(bPasAttente(*travail));
    EXPECT_EQ(HttpTimeoutWait.load(), 2) << "the thread's 2 is never overwritten";
    EXPECT_EQ(texte(), "");
}

TEST_F(EnvoiDirect, TheThreadTellsTheOutcomeAndRecordsAnAcceptedSend)
{
    const struct {
        const char* motDePasse;
        const char* issue;
        bool enregistre;
    } cas[] = {{"secret-du-bord", "SENDING MAIL ... OK", true},
               {"faux", "SENDING HTTP ... KO", false}};
    for (const auto& c : cas) {
        std::filesystem::remove("etc/envois.txt");
        tampon.text("");
        travail->texte = texteGrib();
        travail->email = "bord@exemple.org";
        travail->avecMotDePasse = true;
        travail->motDePasse = c.motDePasse;
        travail->envoi.texte = travail->texte;
        travail->enregistrer = true;
        ASSERT_TRUE(bEnvoyerDirect(travail));
        ASSERT_TRUE(bFin());
        Fl::remove_timeout(vHttpTimeoutWait, travail.get());
        EXPECT_EQ(HttpTimeoutWait.load(), 2);
        EXPECT_FALSE(travail->bAbandonner()) << "too late: the outcome stands";
        const std::string t = texte();
        EXPECT_EQ(t.substr(t.size() - std::strlen(c.issue)), c.issue) << t;
        EXPECT_EQ(existe("etc/envois.txt"), c.enregistre);
        const ServiceFactice::Connexion recue = service().connexions().back();
        EXPECT_EQ(recue.at("ligne").find("GET http://127.0.0.1/" + serviceHttp().cheminEnvoi), 0u);
    }
}

// The file received and filed, its history line not written: the journal
// says so, in red, and the file stays.
TEST_F(EnvoiDirect, AnAcceptedSendWhoseRecordIsNotWrittenIsRedAndSaysSo)
{
    Fl_Box affichage(0, 0, 10, 10);
    travail->affichage = &affichage;
    std::filesystem::create_directories("etc/messages.txt");
    travail->texte = travail->envoi.texte = texteGrib();
    travail->email = "bord@exemple.org";
    travail->avecMotDePasse = true;
    travail->motDePasse = "secret-du-bord";
    travail->enregistrer = true;
    ASSERT_TRUE(service().bVariante("normale"));
    ASSERT_TRUE(bEnvoyerDirect(travail));
    ASSERT_TRUE(bFin());
    Fl::remove_timeout(vHttpTimeoutWait, travail.get());
    const std::string fin =
        "SENDING MAIL ... OK\nEnvoi non enregistre : ecriture impossible dans etc/";
    const std::string t = texte();
    EXPECT_EQ(t.substr(t.size() - std::min(t.size(), fin.size())), fin);
    EXPECT_EQ(affichage.color(), Fl_Color(88));
    const std::string nom = "service_" + std::to_string(service().connexions().size()) + ".grb.bz2";
    EXPECT_TRUE(existe("lockdir/" + nom));
}

TEST_F(EnvoiDirect, NoAnswerIsAFailureAndADetachedWindowIsLeftAlone)
{
    ASSERT_TRUE(service().bVariante("fermeture"));
    travail->texte = texteGrib();
    ASSERT_TRUE(bEnvoyerDirect(travail));
    ASSERT_TRUE(bFin());
    EXPECT_NE(texte().find("SENDING HTTP ... KO"), std::string::npos);
    // The window goes while a second send runs: its journal stays as it was.
    travail->vDetacher();
    tampon.text("");
    ASSERT_TRUE(bEnvoyerDirect(travail));
    ASSERT_TRUE(bFin());
    travail->vDetacher();
    EXPECT_EQ(texte(), "");
}

// A send that ends short of a whole answer filed is red with its reason;
// it goes to the send log and the saved requests only when the service
// took it, its data filed or not.
TEST_F(EnvoiDirect, ACutRefusedOrUnfiledAnswerIsRedWithItsReason)
{
    Fl_Box affichage(0, 0, 10, 10);
    travail->affichage = &affichage;
    const struct {
        const char* variante;
        const char* raison;  // null: the send succeeds
        bool pris;           // the service took the request
    } cas[] = {
        {"coupure", "Reponse incomplete", false},
        {"reset", "Reponse incomplete", false},
        {"longueurs_excessives", "Reponse incomplete", false},
        {"nom:../evil.grb", "Fichier recu non classe", true},
        {"nom:message.txt", "Fichier recu non classe", true},
        {"nom:Message_2.TXT", "Fichier recu non classe", true},
        {"taille:5", "Fichier recu non classe", true},
        {"http500", "Reponse inattendue du serveur", false},
        {"refus", "Requete refusee par le service", false},
        {"fermeture", "Pas de reponse du service", false},
        {"normale", nullptr, true},
    };
    for (const auto& c : cas) {
        std::filesystem::remove_all("etc/grib");
        std::filesystem::create_directory("etc/grib");
        std::filesystem::remove("etc/envois.txt");
        std::filesystem::remove("etc/messages.txt");
        ASSERT_TRUE(service().bVariante(c.variante));
        tampon.text("");
        travail->texte = texteGrib();
        travail->email = "bord@exemple.org";
        travail->avecMotDePasse = true;
        travail->motDePasse = "secret-du-bord";
        travail->envoi.texte = travail->texte;
        travail->enregistrer = true;
        ASSERT_TRUE(bEnvoyerDirect(travail));
        ASSERT_TRUE(bFin());
        Fl::remove_timeout(vHttpTimeoutWait, travail.get());
        const std::string fin = c.raison ? std::string("\n") + c.raison + "\nSENDING HTTP ... KO"
                                         : std::string("\nSENDING MAIL ... OK");
        const std::string t = texte();
        EXPECT_EQ(t.substr(t.size() - std::min(t.size(), fin.size())), fin) << c.variante;
        EXPECT_EQ(affichage.color(), c.raison ? Fl_Color(88) : Fl_Color(157)) << c.variante;
        EXPECT_EQ(existe("etc/envois.txt"), c.pris) << c.variante;
        // The history lists the files received whole, and no failed transfer.
        EXPECT_EQ(existe("etc/messages.txt"), !c.raison) << c.variante;
        EXPECT_EQ(std::filesystem::is_empty("etc/grib"), !c.pris) << c.variante;
    }
}

// Nothing came back: the journal says what stopped it, as the popups do.
TEST_F(EnvoiDirect, ASendThatBringsNothingBackSaysWhy)
{
    DELAIS_HTTP.premierOctetMs = 400;
    DELAIS_HTTP.reponseMax = 1 << 20;
    const struct {
        const char* hote;  // null: the stand-in's
        const char* variante;
        const char* raison;
    } cas[] = {{"127.0.0.1.invalid", "normale", "Hote introuvable : 127.0.0.1.invalid"},
               {nullptr, "blocage", "Delai depasse"},
               {nullptr, "trop_long:2000000", "Reponse trop grande"}};
    for (const auto& c : cas) {
        ASSERT_TRUE(service().bVariante(c.variante));
        tampon.text("");
        travail->service.hote = c.hote ? c.hote : serviceHttp().hote;
        travail->texte = texteGrib();
        ASSERT_TRUE(bEnvoyerDirect(travail));
        ASSERT_TRUE(bFin());
        Fl::remove_timeout(vHttpTimeoutWait, travail.get());
        const std::string fin = std::string("\n") + c.raison + "\nSENDING HTTP ... KO";
        const std::string t = texte();
        EXPECT_EQ(t.substr(t.size() - std::min(t.size(), fin.size())), fin) << c.variante;
    }
}

TEST_F(EnvoiDirect, AnAbandonedSendEndsAtOnceAndRecordsNothing)
{
    ASSERT_TRUE(service().bVariante("blocage"));
    DELAIS_HTTP.premierOctetMs = 600000;
    travail->texte = travail->envoi.texte = texteGrib();
    travail->enregistrer = true;
    const size_t avant = service().connexions().size();
    ASSERT_TRUE(bEnvoyerDirect(travail));
    ASSERT_TRUE(bAttendreQue([avant] { return service().connexions().size() > avant &&
                                              service().connexions().back().count("texte"); }));
    EXPECT_TRUE(travail->bAbandonner());
    travail->vDetacher();
    ASSERT_TRUE(bFin());
    EXPECT_FALSE(existe("etc/envois.txt"));
    EXPECT_NE(journal().find("envoi abandonne apres 0 octets"), std::string::npos) << journal();
}
