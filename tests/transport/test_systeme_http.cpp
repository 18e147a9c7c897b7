// The system request's thread against the stand-in service: it asks in the
// slot the popup claimed and files the service's message; a silent service
// ends it at the system request's own limit, not at a transfer's.
#include "transport/popup_http.h"
#include "transport/service_http.h"
#include "transport/systeme_http.h"

#include "tests/transport/transfert_test.h"

namespace {

using SystemeHttp = Transfert;

}  // namespace

TEST_F(SystemeHttp, TheThreadAsksInItsSlotAndFilesTheServicesAnswer)
{
    const int canal = iReserverCanal();
    ASSERT_TRUE(bLancerSysteme(lienCanal(canal)));
    ASSERT_TRUE(bAttendreFin());
    EXPECT_EQ(structHTTP[canal].phase.load(), PHASE_RECUE);
    EXPECT_EQ(lockdir(), std::set<std::string>{"infos_service.txt"});
    EXPECT_NE(lireFichier("lockdir/infos_service.txt").find("Service factice, en service"),
              std::string::npos);
    const ServiceFactice::Connexion recue = service().connexions().back();
    EXPECT_EQ(recue.at("texte"), "@mto@reqt@sys@");
    EXPECT_EQ(recue.at("email"), serviceHttp().email);
    EXPECT_EQ(recue.at("motdepasse"), "-");
    EXPECT_NE(journal().find("Fin execution du sous-thread HTTP...(thread/systeme) 1"),
              std::string::npos);
    EXPECT_FALSE(existe("etc/envois.txt"));
}

TEST_F(SystemeHttp, ARefusalEndsRedWithItsReasonAndItsMessageFiled)
{
    ASSERT_TRUE(service().bVariante("refus"));
    const int canal = iReserverCanal();
    ASSERT_TRUE(bLancerSysteme(lienCanal(canal)));
    ASSERT_TRUE(bAttendreFin());
    AffichageCanal popup;
    EXPECT_EQ(pasCanal(canal, popup), CANAL_MONTRER_FIN);
    EXPECT_EQ(popup.fond, FOND_ECHEC_HTTP);
    EXPECT_NE(popup.html.find("Requete refusee par le service"), std::string::npos) << popup.html;
    EXPECT_EQ(lockdir(), std::set<std::string>{"message.txt"});
}

TEST_F(SystemeHttp, ASilentServiceEndsAtTheSystemRequestsOwnLimit)
{
    ASSERT_TRUE(service().bVariante("blocage"));
    DELAIS_HTTP.premierOctetMs = 300000;
    const int ancien = DELAIS_SYSTEME.reponseMs.load();
    DELAIS_SYSTEME.reponseMs = 300;
    const int canal = iReserverCanal();
    ASSERT_TRUE(bLancerSysteme(lienCanal(canal)));
    const bool fini = bAttendreFin();
    DELAIS_SYSTEME.reponseMs = ancien;
    ASSERT_TRUE(fini);
    EXPECT_EQ(structHTTP[canal].phase.load(), PHASE_DELAI);
    EXPECT_TRUE(lockdir().empty());
    EXPECT_NE(journal().find("delai depasse"), std::string::npos);
}
