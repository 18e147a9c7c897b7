// The request line on the wire: the query a request text gives, what the
// stand-in service receives and reads back, and the answer's header.
#include "transport/entete_reponse.h"
#include "transport/http.h"
#include "transport/service_http.h"

#include "tests/transport/transfert_test.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <arpa/inet.h>
#include <memory>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace {

std::string query(const char* texte, const char* email, const char* motDePasse)
{
    std::unique_ptr<char[]> q(formatRequeteHttp(texte, email, motDePasse));
    return q.get();
}

using RequeteHttp = Transfert;

}  // namespace

TEST_F(RequeteHttp, TheQueryEscapesLineEndsAndBlanksOnly)
{
    const struct {
        const char* texte;
        const char* motDePasse;
        const char* attendu;
    } cas[] = {
        {"@mto@reqt@grib@\nZ 1.000 2.000 3.000 4.000\n", "mdp",
         "email=a@b.fr&requete=mdp!@mto@reqt@grib@!Z~1.000~2.000~3.000~4.000!"},
        {"@mto@reqt@grib@\nA 1\n", nullptr, "email=a@b.fr&requete=@mto@reqt@grib@!A~1!"},
        {"L1\r\nL2\r\n", nullptr, "email=a@b.fr&requete=L1!L2!"},
        {"a&b=c@d#e \xE9\n", nullptr, "email=a@b.fr&requete=a&b=c@d#e~\xE9!"},
        {"", "x", "email=a@b.fr&requete=x!"},
    };
    for (const auto& c : cas)
        EXPECT_EQ(query(c.texte, "a@b.fr", c.motDePasse), c.attendu) << c.texte;
}

TEST_F(RequeteHttp, TheLogShowsTheQueryWithoutThePassword)
{
    query("@mto@reqt@grib@\n", "a@b.fr", "Tres-Secret-9");
    EXPECT_NE(journal().find("Requete http: \"email=a@b.fr&requete=********!@mto@reqt@grib@!\""),
              std::string::npos)
        << journal();
    EXPECT_EQ(journal().find("Tres-Secret-9"), std::string::npos);
}

// The stand-in receives exactly the request line, and reading the query
// back gives the text the request model rendered.
TEST_F(RequeteHttp, TheServiceReceivesTheRequestLineAndReadsTheTextBack)
{
    const std::string grib = texteGrib();
    std::string crlf = grib;
    for (size_t i = 0; (i = crlf.find('\n', i)) != std::string::npos; i += 2)
        crlf.insert(i, "\r");
    const struct {
        std::string texte;
        const char* motDePasse;
    } cas[] = {{grib, "secret-du-bord"}, {grib, nullptr}, {crlf, "secret-du-bord"},
               {texteBulletins({"NAVTEX_FQ", "GMDSS_METAREA2_OFFSHORE"}), nullptr}};
    for (const auto& c : cas) {
        const std::string q = query(c.texte.c_str(), "bord@exemple.org", c.motDePasse);
        int longueur = 0;
        char* reponse = httpgrib("127.0.0.1", service().sPort().c_str(), cheminService().c_str(),
                                 q.c_str(), longueur, 1);
        ASSERT_NE(reponse, nullptr);
        EXPECT_EQ(std::string(reponse, 9), "QUENBREL2");
        std::free(reponse);
        const ServiceFactice::Connexion recue = service().connexions().back();
        EXPECT_EQ(recue.at("ligne"), "GET http://127.0.0.1/" + cheminService() + q + "\r\n");
        EXPECT_EQ(recue.at("texte"), grib == c.texte || crlf == c.texte ? grib : c.texte);
        EXPECT_EQ(recue.at("motdepasse"), c.motDePasse ? c.motDePasse : "-");
        EXPECT_EQ(recue.at("email"), "bord@exemple.org");
        EXPECT_EQ(recue.at("erreurs"), "");
    }
}

TEST_F(RequeteHttp, ANameIsResolvedADottedAddressIsNot)
{
    const std::string q = query(texteGrib().c_str(), "bord@exemple.org", nullptr);
    int longueur = 0;
    char* reponse = httpgrib("localhost", service().sPort().c_str(), cheminService().c_str(),
                             q.c_str(), longueur, 1);
    EXPECT_NE(reponse, nullptr);
    std::free(reponse);
    // A host that starts with a digit is taken as an address: no lookup.
    EXPECT_EQ(httpgrib("127.0.0.1.invalid", service().sPort().c_str(), "", q.c_str(), longueur, 1),
              nullptr);
    EXPECT_NE(journal().find("127.0.0.1.invalid:" + service().sPort() + " introuvable"),
              std::string::npos);
    EXPECT_EQ(longueur, 0);
}

// A peer that closes without reading the request: the send fails, without
// the SIGPIPE that would end the program.
TEST_F(RequeteHttp, APeerThatClosesBeforeReadingEndsTheSendQuietly)
{
    const int ecoute = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in adresse{};
    adresse.sin_family = AF_INET;
    adresse.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t longueur = sizeof adresse;
    ASSERT_EQ(bind(ecoute, reinterpret_cast<sockaddr*>(&adresse), longueur), 0);
    ASSERT_EQ(listen(ecoute, 1), 0);
    ASSERT_EQ(getsockname(ecoute, reinterpret_cast<sockaddr*>(&adresse), &longueur), 0);
    // The peer resets only once the request has begun to arrive: a reset
    // before that would fail the connection instead of the send.
    std::thread fermeur([ecoute] {
        const int c = accept(ecoute, nullptr, nullptr);
        pollfd attente{c, POLLIN, 0};
        poll(&attente, 1, -1);
        linger l{1, 0};
        setsockopt(c, SOL_SOCKET, SO_LINGER, &l, sizeof l);
        close(c);
    });
    const std::string port = std::to_string(ntohs(adresse.sin_port));
    const std::string grosse(32 << 20, 'q');
    const int canal = iReserverCanal();
    int recus = -1;
    EXPECT_EQ(httpgrib("127.0.0.1", port.c_str(), "", grosse.c_str(), recus, 0, lienCanal(canal)),
              nullptr);
    fermeur.join();
    close(ecoute);
    EXPECT_EQ(structHTTP[canal].phase.load(), PHASE_CONNEXION);
    EXPECT_NE(journal().find("ECHEC : envoi de la requete"), std::string::npos);
}

TEST_F(RequeteHttp, ModeMinusOneNeverReturnsTheData)
{
    const std::string q = query(texteGrib().c_str(), "bord@exemple.org", "secret-du-bord");
    int longueur = 0;
    EXPECT_EQ(httpgrib("127.0.0.1", service().sPort().c_str(), cheminService().c_str(), q.c_str(),
                       longueur, -1),
              nullptr);
    EXPECT_GT(longueur, 92);
}

TEST_F(RequeteHttp, ModeZeroWithoutAWaitingSlotSendsNothing)
{
    const size_t avant = service().connexions().size();
    int longueur = 0;
    EXPECT_EQ(httpgrib("127.0.0.1", service().sPort().c_str(), cheminService().c_str(), "x",
                       longueur, 0),
              nullptr);
    EXPECT_EQ(service().connexions().size(), avant);
}

TEST(EnteteReponse, FieldsAreReadAsTheFormatReadsThemWithoutOverflow)
{
    const auto entete = [](const std::string& h) {
        const std::string r = "QUENBREL2 " + h + std::string(82 - std::min<size_t>(82, h.size()), ' ');
        return lireEntete(r.data(), r.size());
    };
    const struct {
        std::string entete;
        int champs, cr;
        char type;
        int lmess, ldata;
        const char* nom;
    } cas[] = {
        {"1 3 40 5 a.grb", 5, 1, '3', 40, 5, "a.grb"},
        {"  0\t2 7 8 SAT_GLOBE2.jpg", 5, 0, '2', 7, 8, "SAT_GLOBE2.jpg"},
        {"1 3 40 5", 4, 1, '3', 40, 5, ""},
        {"1 3", 2, 1, '3', 0, 0, ""},
        {"x 3 40 5 a", 0, 0, 0, 0, 0, ""},
        {"1 3 2147483648 5 a", 2, 1, '3', 0, 0, ""},
        {"1 3 -5 -2147483648 a", 5, 1, '3', -5, INT_MIN, "a"},
        {"1 3 40 5 " + std::string(100, 'n'), 5, 1, '3', 40, 5, nullptr},
    };
    for (const auto& c : cas) {
        const EnteteReponse e = entete(c.entete);
        EXPECT_EQ(e.champs, c.champs) << c.entete;
        EXPECT_EQ(e.cr, c.cr) << c.entete;
        EXPECT_EQ(e.type, c.type) << c.entete;
        EXPECT_EQ(e.lmess, c.lmess) << c.entete;
        EXPECT_EQ(e.ldata, c.ldata) << c.entete;
        if (c.nom)
            EXPECT_EQ(e.nom, c.nom) << c.entete;
        else
            EXPECT_EQ(e.nom.size(), 82u - 9) << "the header ends at octet 92";
    }
    const std::string zero = std::string("QUENBREL2 1 3 4", 15) + '\0' + "0 5 a";
    EXPECT_EQ(lireEntete(zero.data(), zero.size()).champs, 3);
    EXPECT_EQ(lireEntete("QUENBREL2 1 3 4", 5).champs, 0);
}

TEST(EnteteReponse, LengthsAreTrustedWhenNotNegativeAndWithinTheLimit)
{
    EnteteReponse e;
    e.champs = 4;
    const struct {
        int lmess, ldata;
        int64_t maximum;
        bool sures;
    } cas[] = {{0, 0, 92, true},     {10, 10, 112, true},         {10, 10, 111, false},
               {-1, 10, 1000, false}, {10, -1, 1000, false},
               {INT_MAX, INT_MAX, int64_t(1) << 40, true}, {INT_MAX, 1, int64_t(64) << 20, false}};
    for (const auto& c : cas) {
        e.lmess = c.lmess, e.ldata = c.ldata;
        EXPECT_EQ(bLongueursSures(e, c.maximum), c.sures) << c.lmess << " " << c.ldata;
    }
    e.champs = 3;
    e.lmess = e.ldata = 0;
    EXPECT_FALSE(bLongueursSures(e, 1000));
}

TEST(EnteteReponse, TheMarkerIsFoundUpToTheFirstZeroOctet)
{
    const std::string a = "abcQUENBREL2 1";
    EXPECT_EQ(iChercherMarqueur(a.data(), a.size()), 3u);
    const std::string b = std::string("ab\0QUENBREL2", 12);
    EXPECT_EQ(iChercherMarqueur(b.data(), b.size()), std::string::npos);
    EXPECT_EQ(iChercherMarqueur(a.data(), 8), std::string::npos);
}

// Limits given for one request: a service that trickles its answer slower
// than the whole answer may take is left, though no silence lasts long;
// the shared limits are not touched.
TEST_F(RequeteHttp, AnAnswersOwnTimeLimitEndsATrickle)
{
    ASSERT_TRUE(service().bVariante("goutte:20"));
    DelaisHttp courts;
    courts.reponseMs = 1000;  // the trickle takes 3 s at least
    const std::string q = query("@mto@reqt@sys@", "bord@exemple.org", nullptr);
    int longueur = 0;
    const int canal = iReserverCanal();
    char* reponse = httpgrib("127.0.0.1", service().sPort().c_str(), cheminService().c_str(),
                             q.c_str(), longueur, 0, lienCanal(canal), courts);
    std::free(reponse);
    // Short of the whole answer: part of it, or nothing yet.
    const int phase = structHTTP[canal].phase.load();
    EXPECT_TRUE(phase == PHASE_INCOMPLETE || phase == PHASE_DELAI) << phase;
    EXPECT_NE(journal().find("delai depasse"), std::string::npos);
    EXPECT_EQ(DELAIS_HTTP.reponseMs.load(), 0);
    ASSERT_TRUE(service().bVariante("normale"));
}
