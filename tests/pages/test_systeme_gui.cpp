// The system request in connected mode against the stand-in service: its
// answer's message lands in lockdir/ and the popup ends green; while a
// service is silent the program answers and the popup shows the
// connection, until the system request's own limit ends it in red.
#include "tests/pages/requeteur_test.h"

#include "tests/outils/service_factice.h"
#include "tests/ui/harnais_gui.h"
#include "transport/canaux.h"
#include "transport/popup_http.h"
#include "transport/service_http.h"
#include "transport/threads_http.h"
#include "ui/boutons.h"
#include "ui/configuration.h"

#include <cstdlib>
#include <filesystem>

namespace {

ServiceFactice& service()
{
    return ServiceFactice::partage();
}

// The colour the slot's popup ends with, once it shows how it ended.
Fl_Color fondFinal(int canal)
{
    TYPEDEF_HTTP& c = structHTTP[canal];
    harnais::bAttendre([&c] { return c.popup && c.popup->affichage.fond != 95; });
    return c.popup ? c.popup->affichage.fond : 0;
}

class Systeme : public RequeteurTest {
protected:
    Systeme()
    {
        // Before the service's address is read.
        setenv("QUENBREL2_SERVICE_EMAIL", "bord@exemple.org", 1);
        EXPECT_GT(service().port(), 0);
        vInitialiserCanaux();
        MODE_CONNECTE = 1;
    }
    ~Systeme() override
    {
        EXPECT_TRUE(harnais::bAttendre([] { return iTransfertsEnCours() == 0; }, 60));
        vDetruirePopupsHttp("<TEST>");
        for (int i = 0; i < HTTP_CANAUX; ++i)
            vLibererCanal(i);
    }
};

}  // namespace

TEST_F(Systeme, ConnectedTheServicesMessageLandsInLockdirAndThePopupEndsGreen)
{
    harnais::ChienDeGarde garde(120);
    ASSERT_TRUE(service().bVariante("normale"));
    construire(0, 0);
    cliquer(page->boutonSysteme);
    ASSERT_TRUE(harnais::bAttendre([] { return existe("lockdir/infos_service.txt"); }));
    const std::string message = lireFichier("lockdir/infos_service.txt");
    EXPECT_NE(message.find("Service factice, en service"), std::string::npos) << message;
    EXPECT_EQ(fondFinal(0), Fl_Color(63));
    EXPECT_FALSE(page->boutonSysteme->active()) << "until the popup closes";
    const auto connexions = service().connexions();
    ASSERT_FALSE(connexions.empty());
    EXPECT_EQ(connexions.back().at("texte"), "@mto@reqt@sys@");
    EXPECT_EQ(connexions.back().at("email"), "bord@exemple.org");
    EXPECT_EQ(connexions.back().at("motdepasse"), "-");
}

TEST_F(Systeme, WhileTheServiceIsSilentTheProgramAnswersUntilItsOwnLimitEndsItInRed)
{
    harnais::ChienDeGarde garde(120);
    ASSERT_TRUE(service().bVariante("blocage"));
    // The transfers' limits stay long: only the system request's count.
    DELAIS_HTTP.premierOctetMs = 300000;
    DELAIS_SYSTEME.premierOctetMs = 30000;
    DELAIS_SYSTEME.reponseMs = 5000;
    construire(0, 0);
    cliquer(page->boutonSysteme);
    // The popup's poll, a timeout of the event loop, shows the connection
    // while the request still waits.
    TYPEDEF_HTTP& c = structHTTP[0];
    EXPECT_TRUE(harnais::bAttendre([&c] {
        return c.popup && c.popup->affichage.html.find("Connexion OK") != std::string::npos &&
               c.phase.load() == PHASE_ENVOYEE;
    }));
    EXPECT_EQ(fondFinal(0), FOND_ECHEC_HTTP);
    EXPECT_FALSE(std::filesystem::exists("lockdir/message.txt"));
    EXPECT_NE(journal.contenu().find("delai depasse"), std::string::npos);
    ASSERT_TRUE(service().bVariante("normale"));
}
