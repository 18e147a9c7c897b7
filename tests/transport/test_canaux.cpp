// The transfer slots: the poll's steps, the binding of a slot by its
// generation, 32 transfers at once, and the shutdown of running ones.
#include "gribdata/globales.h"
#include "transport/depot.h"
#include "transport/http.h"
#include "transport/popup_http.h"
#include "transport/prise.h"
#include "transport/service_http.h"

#include "tests/transport/transfert_test.h"

#include <atomic>
#include <filesystem>
#include <thread>
#include <vector>

namespace {

using Canaux = Transfert;

// Steps of the poll until it does something else than `action`.
int iPas(int canal, AffichageCanal& a, ActionCanal action)
{
    int n = 0;
    while (pasCanal(canal, a) == action)
        ++n;
    return n;
}

// A name resolution held until the test lets it go, then made on the
// loopback address.
std::atomic<bool> entree{false}, libre{false};

int iResolutionRetenue(const char*, const char* port, const addrinfo* demande, addrinfo** r)
{
    entree = true;
    bAttendreQue([] { return libre.load(); }, 300);
    return getaddrinfo("127.0.0.1", port, demande, r);
}

}  // namespace

TEST_F(Canaux, ASlotNoThreadBindsIsGivenUpAfter1200Polls)
{
    const int canal = iReserverCanal();
    ASSERT_EQ(canal, 0);
    const LienCanal lien = lienCanal(canal);
    AffichageCanal a;
    for (int i = 0; i < 1200; ++i)
        ASSERT_EQ(pasCanal(canal, a), CANAL_ATTENDRE) << i;
    EXPECT_EQ(pasCanal(canal, a), CANAL_FERMER);
    EXPECT_EQ(structHTTP[canal].etat.load(), 0);
    EXPECT_NE(journal().find("ASSOCIATION ERROR: handle: 0"), std::string::npos);
    // The thread that comes too late binds nothing and sends nothing.
    const size_t avant = service().connexions().size();
    int longueur = 0;
    EXPECT_EQ(httpgrib("127.0.0.1", service().sPort().c_str(), cheminService().c_str(), "x",
                       longueur, 0, lien),
              nullptr);
    EXPECT_EQ(service().connexions().size(), avant);
}

TEST_F(Canaux, TheFinalTextStaysTenPollsThenTheSlotIsFree)
{
    const struct {
        int phase;
        Fl_Color fond;
        const char* texte;
    } cas[] = {{PHASE_RECUE, 63, "Termine..."},
               {PHASE_ECHEC, FOND_ECHEC_HTTP, "requete<br>Pas de reponse du service"},
               {PHASE_DELAI, FOND_ECHEC_HTTP, "requete<br>Delai depasse"},
               {PHASE_TROP_GRANDE, FOND_ECHEC_HTTP, "</b></font><br><br>Reponse trop grande"},
               {PHASE_CONNEXION, FOND_ECHEC_HTTP, "Connexion impossible"},
               {PHASE_INCOMPLETE, FOND_ECHEC_HTTP, "Reponse incomplete"},
               {PHASE_ILLISIBLE, FOND_ECHEC_HTTP, "Reponse inattendue du serveur"},
               {PHASE_NON_CLASSEE, FOND_ECHEC_HTTP, "Fichier recu non classe"},
               {PHASE_NON_ENREGISTREE, FOND_ECHEC_HTTP, "Envoi non enregistre"}};
    for (const auto& c : cas) {
        const int canal = iReserverCanal();
        ASSERT_TRUE(bLierCanal(lienCanal(canal)));
        AffichageCanal a;
        structHTTP[canal].phase = c.phase;
        EXPECT_EQ(pasCanal(canal, a), CANAL_MONTRER_FIN);
        EXPECT_EQ(a.fond, c.fond);
        EXPECT_NE(a.html.find(c.texte), std::string::npos) << a.html;
        EXPECT_EQ(structHTTP[canal].phase.load(), PHASE_AFFICHEE);
        EXPECT_EQ(iPas(canal, a, CANAL_ATTENDRE_FIN), 10);
        EXPECT_EQ(structHTTP[canal].etat.load(), 0);
        EXPECT_EQ(iReserverCanal(), canal) << "free again";
        vLibererCanal(canal);
    }
}

// A host that does not resolve is named in the popup, as it stands (one
// that starts with a digit is not looked up: it fails at once).
TEST_F(Canaux, AHostNotFoundIsNamedInThePopup)
{
    const int canal = iReserverCanal();
    auto* s = new InstantaneHttp;
    s->texte = texteGrib();
    s->lien = lienCanal(canal);
    s->service.hote = "1<b>&.invalid";
    vHttpGribTimeout(s);
    EXPECT_EQ(structHTTP[canal].phase.load(), PHASE_INTROUVABLE);
    AffichageCanal a;
    EXPECT_EQ(pasCanal(canal, a), CANAL_MONTRER_FIN);
    EXPECT_EQ(a.fond, FOND_ECHEC_HTTP);
    EXPECT_NE(a.html.find("<br>Hote introuvable : 1&lt;b&gt;&amp;.invalid"), std::string::npos)
        << a.html;
}

TEST_F(Canaux, ProgressLinesReplaceEachOther)
{
    const int canal = iReserverCanal();
    ASSERT_TRUE(bLierCanal(lienCanal(canal)));
    TYPEDEF_HTTP& c = structHTTP[canal];
    AffichageCanal a;
    a.html = "titre";
    EXPECT_EQ(pasCanal(canal, a), CANAL_ATTENDRE);  // phase 0
    c.phase = PHASE_ENVOYEE;
    EXPECT_EQ(pasCanal(canal, a), CANAL_MONTRER);
    EXPECT_EQ(pasCanal(canal, a), CANAL_MONTRER);
    // Before the header tells the size: the octets alone, no share.
    c.recus = 31;
    c.phase = PHASE_RECEPTION;
    EXPECT_EQ(pasCanal(canal, a), CANAL_MONTRER);
    EXPECT_NE(a.html.find("<b>      31 bytes</b>"), std::string::npos) << a.html;
    EXPECT_EQ(a.html.find('%'), std::string::npos) << a.html;
    c.attendu = 4000;
    for (int p : {10, 55}) {
        c.pourcent = p;
        c.phase = PHASE_RECEPTION;
        EXPECT_EQ(pasCanal(canal, a), CANAL_MONTRER);
    }
    EXPECT_EQ(a.html,
              "titre<br>Connexion OK, envoi de la requete<br><i>Reception:</i>"
              "<font color=\"#000088\"><b>  55% ,    4000 bytes</b></font><br>");
    c.pourcent = 100;
    c.debit = 12.5;
    c.duree = 0.32;
    c.phase = PHASE_RECUE;
    EXPECT_EQ(pasCanal(canal, a), CANAL_MONTRER_FIN);
    EXPECT_NE(a.html.find(" 100% ,    4000 bytes"), std::string::npos);
    EXPECT_EQ(a.html.find("  55%"), std::string::npos);
    EXPECT_NE(a.html.find(" 12.50 KB/sec [0.32 sec]"), std::string::npos);
    // A transfer over within one poll shows its connection line too.
    const int autre = iReserverCanal();
    ASSERT_TRUE(bLierCanal(lienCanal(autre)));
    structHTTP[autre].phase = PHASE_RECUE;
    AffichageCanal b;
    pasCanal(autre, b);
    EXPECT_NE(b.html.find("Connexion OK"), std::string::npos);
}

TEST_F(Canaux, AThreadBindsOnlyTheSlotOfItsClaim)
{
    const int canal = iReserverCanal();
    const LienCanal lien = lienCanal(canal);
    const LienCanal perime{canal, lien.generation - 1};
    EXPECT_FALSE(bLierCanal(perime));
    EXPECT_FALSE(bLierCanal({-1, 0}));
    EXPECT_FALSE(bLierCanal({HTTP_CANAUX, 0}));
    // Sixteen threads race for it: one wins.
    std::atomic<int> gagnants{0};
    std::vector<std::thread> threads;
    for (int i = 0; i < 16; ++i)
        threads.emplace_back([&] { gagnants += bLierCanal(lien); });
    for (std::thread& t : threads)
        t.join();
    EXPECT_EQ(gagnants.load(), 1);
    EXPECT_FALSE(bAbandonnerCanal(canal)) << "bound: not given up";
    // Without a claim of its own a thread takes the first waiting slot.
    const int suivant = iReserverCanal();
    EXPECT_EQ(iLierCanalLibre(), suivant);
    EXPECT_EQ(iLierCanalLibre(), -1);
}

TEST_F(Canaux, ThirtyTwoSimultaneousTransfersBindThirtyTwoSlots)
{
    std::vector<int> canaux;
    for (int i = 0; i < HTTP_CANAUX; ++i)
        canaux.push_back(iLancer(texteGrib()));
    EXPECT_EQ(iReserverCanal(), -1) << "the 33rd is refused";
    ASSERT_TRUE(bAttendreFin());
    // Every answer's message, none lost to another.
    std::set<std::string> attendus = {"message.txt"};
    for (int i = 2; i <= HTTP_CANAUX; ++i)
        attendus.insert("message_" + std::to_string(i) + ".txt");
    const std::vector<ServiceFactice::Connexion> recues = service().connexions();
    for (size_t i = recues.size() - HTTP_CANAUX; i < recues.size(); ++i)
        attendus.insert(recues[i].at("nom"));
    EXPECT_EQ(lockdir(), attendus);
    for (int canal : canaux) {
        ASSERT_GE(canal, 0);
        EXPECT_EQ(structHTTP[canal].phase.load(), PHASE_RECUE) << canal;
        EXPECT_TRUE(bCanalLie(canal));
    }
    EXPECT_EQ(std::set<int>(canaux.begin(), canaux.end()).size(), size_t(HTTP_CANAUX));
    EXPECT_EQ(lireFichier("etc/messages.txt").size() > 0, true);
}

TEST_F(Canaux, ShutdownEndsAStalledTransferAndItsThread)
{
    ASSERT_TRUE(service().bVariante("blocage"));
    const int canal = iLancer(texteGrib());
    ASSERT_GE(canal, 0);
    ASSERT_TRUE(bAttendreQue([&] { return structHTTP[canal].phase.load() == PHASE_ENVOYEE; }));
    vArretTransferts();
    EXPECT_TRUE(bAttendreTransferts(2.0));
    EXPECT_EQ(structHTTP[canal].phase.load(), PHASE_ECHEC);
    EXPECT_NE(journal().find("arret du programme apres 0 octets"), std::string::npos);
    vInitialiserCanaux();
}

TEST_F(Canaux, AShutdownDuringAStalledNameResolutionLeavesTheLogAndRecordsAlone)
{
    // Lets the resolution go and puts getaddrinfo back, however the test ends.
    struct Retenue {
        Retenue() { resolutionNoms = iResolutionRetenue; }
        ~Retenue() { libre = true, resolutionNoms = getaddrinfo; }
    } retenue;
    ASSERT_GE(iLancer(texteGrib()), 0);
    ASSERT_TRUE(bAttendreQue([] { return entree.load(); }));
    // The shutdown as the program runs it, a closed log's lines once going
    // to the standard output.
    vArretTransferts();
    EXPECT_FALSE(bAttendreTransferts(0.05));
    vFermerJournal();
    const std::string ferme = journal();
    testing::internal::CaptureStdout();
    libre = true;
    const bool finis = bAttendreFin();
    vJournal("<TEST>", "refuse\n");
    const std::string sortie = testing::internal::GetCapturedStdout();
    ASSERT_TRUE(finis);
    EXPECT_EQ(journal(), ferme) << "nothing written after the close";
    EXPECT_EQ(sortie, "");
    EXPECT_EQ(iEnregistrerEnvoi(EnvoiRequete(), 0), -1);
    EXPECT_EQ(iAjouterHistorique("x\n"), -1);
    EXPECT_FALSE(existe("etc/envois.txt") || existe("etc/messages.txt"));
    EXPECT_TRUE(std::filesystem::is_empty("etc/grib") && lockdir().empty());
    vInitialiserCanaux();
}
