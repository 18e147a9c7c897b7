#include "transport/sendmail.h"

#include "transport/journal_envoi.h"
#include "transport/prise.h"
#include "transport/smtp_message.h"
#include "transport/smtp_reponse.h"
#include "transport/service_mail.h"

#include "gribdata/globales.h"

#include <arpa/inet.h>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <netdb.h>
#include <netinet/in.h>
#include <string>
#include <sys/socket.h>
#include <unistd.h>

std::atomic<int> DELAI_SMTP{60000};

namespace {

const char* const TAG = "<SMTP>";
// A server that keeps the dialogue going without ever closing it.
const int REPONSES_MAX = 16;

const char* const ECHEC_SOCKET = "ECHEC : socket open error...\n";
const char* const ECHEC_CONNEXION =
    "ECHEC : Non connecté ou serveur indisponible/connexion unavailable\n";
const char* const ECHEC_SILENCE = "ECHEC : pas de reponse du serveur (delai depasse)\n";
const char* const ECHEC_FERMEE = "ECHEC : connexion fermee par le serveur\n";
const char* const ECHEC_LONGUE = "ECHEC : reponse trop longue du serveur\n";
const char* const ECHEC_ENVOI = "ECHEC : envoi impossible, connexion perdue\n";
const char* const ECHEC_DIALOGUE = "ECHEC : le serveur ne termine pas le dialogue\n";
const char* const ECHEC_ARRET = "ECHEC : arret du programme\n";
const char* const ECHEC_ABANDON = "ECHEC : envoi abandonne\n";
const char* const ECHEC_SANS_TEXTE = "ECHEC : le serveur n'a pas demande le texte (354 absent)\n";

using Horloge = std::chrono::steady_clock;

int msRestants(Horloge::time_point fin)
{
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(fin - Horloge::now());
    return ms.count() > 0 ? int(ms.count()) : 0;
}

class Journal {
public:
    explicit Journal(JournalEnvoi& j) : j_(j) {}
    void operator()(const std::string& t) { j_.ajouter(t.c_str()); }
    // A failure: shown at once and logged.
    int echec(const char* texte)
    {
        j_.ajouter(texte);
        j_.afficher();
        vJournal(TAG, "%s", texte);
        return 1;
    }
    void afficher() { j_.afficher(); }
    void accepte() { j_.accepte(); }

private:
    JournalEnvoi& j_;
};

// The server's IPv4 address: a text that starts with a letter is a name.
bool bResoudre(const char* serveur, in_addr& adresse, Journal& j)
{
    const bool nom = std::isalpha(static_cast<unsigned char>(serveur[0]));
    addrinfo indices{};
    indices.ai_family = AF_INET;
    indices.ai_socktype = SOCK_STREAM;
    indices.ai_flags = nom ? AI_CANONNAME : AI_NUMERICHOST;
    addrinfo* r = nullptr;
    if (resolutionNoms.load()(serveur, nullptr, &indices, &r) != 0 || !r) {
        j.echec(("ECHEC : gethostbyname : " + std::string(serveur) + "\n").c_str());
        return false;
    }
    adresse = reinterpret_cast<sockaddr_in*>(r->ai_addr)->sin_addr;
    char pointee[INET_ADDRSTRLEN] = "";
    inet_ntop(AF_INET, &adresse, pointee, sizeof pointee);
    j(nom ? std::string(r->ai_canonname ? r->ai_canonname : serveur) + " : " + pointee + "\n"
          : std::string(serveur) + "\n");
    freeaddrinfo(r);
    return true;
}

// A connected non-blocking socket, or -1 after telling why.
int iConnecterSmtp(const in_addr& adresse, int port, int delaiMs, Journal& j)
{
    const int prise = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (prise < 0)
        return j.echec(ECHEC_SOCKET), -1;
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(uint16_t(port));
    a.sin_addr = adresse;
    if (port < 1 || port > 65535 ||
        !bConnexion(prise, reinterpret_cast<sockaddr*>(&a), sizeof a, delaiMs)) {
        close(prise);
        return j.echec(ECHEC_CONNEXION), -1;
    }
    return prise;
}

// The connection of one dialogue: replies cut out of what arrives, data
// sent whole; never a signal when the server has gone.
class Connexion {
public:
    explicit Connexion(int prise) : prise_(prise) {}
    ~Connexion()
    {
        shutdown(prise_, SHUT_RDWR);
        close(prise_);
    }
    Connexion(const Connexion&) = delete;
    Connexion& operator=(const Connexion&) = delete;

    // The next whole reply, or null after the failure text.
    const char* lire(std::string& reponse, int delaiMs)
    {
        const Horloge::time_point fin = Horloge::now() + std::chrono::milliseconds(delaiMs);
        for (;;) {
            const size_t n = tailleReponseSmtp(recu_);
            if (n > SMTP_REPONSE_MAX || (n == 0 && recu_.size() > SMTP_REPONSE_MAX))
                return ECHEC_LONGUE;
            if (n) {
                reponse.assign(recu_, 0, n);
                recu_.erase(0, n);
                return nullptr;
            }
            const int pret = iAttendreLecture(prise_, msRestants(fin));
            if (pret <= 0)
                return pret == 0 ? ECHEC_SILENCE : pret == -2 ? ECHEC_ABANDON : ECHEC_ARRET;
            char morceau[4096];
            const ssize_t lu = recv(prise_, morceau, sizeof morceau, 0);
            if (lu > 0)
                recu_.append(morceau, size_t(lu));
            else if (lu == 0 || (errno != EAGAIN && errno != EINTR))
                return ECHEC_FERMEE;
        }
    }

    bool envoyer(const std::string& octets, int delaiMs)
    {
        return bEnvoyerTout(prise_, octets.data(), octets.size(), delaiMs);
    }

private:
    int prise_;
    std::string recu_;
};

struct Courrier {
    std::string de, a, donnees;
};

// Once the server has taken the mail (its 250 after the data), the mail is
// sent whatever becomes of the closing: a missing 221 is only logged.
int iSans221(const char* raison, Journal& j)
{
    j.afficher();
    vJournal(TAG, "ATTENTION : courrier accepte, 221 absent : %s", raison);
    return 0;
}

// The dialogue from the greeting to the server's 221. The mail is taken
// by a 250 that answers its text: a 250 to the data command itself, the
// text never asked for, takes nothing.
int iDialogue(Connexion& c, const Courrier& m, Journal& j, int delaiMs)
{
    int etape = 0;
    bool accepte = false, texteParti = false;
    for (int n = 0; n < REPONSES_MAX; ++n) {
        std::string r;
        if (const char* echec = c.lire(r, delaiMs))
            return accepte ? iSans221(echec, j) : j.echec(echec);
        const ActionSmtp action = actionSmtp(iCodeReponseSmtp(r), etape);
        if (action != SMTP_CORPS)
            j(texteReponseSmtp(r));
        std::string envoi, suite;
        switch (action) {
        case SMTP_HELO: envoi = "HELO localhost\r\n"; break;
        case SMTP_MAIL: envoi = "MAIL FROM: <" + m.de + ">\r\n", suite = m.de + " : "; break;
        case SMTP_RCPT: envoi = "RCPT TO: " + m.a + "\r\n", suite = m.a + " : "; break;
        case SMTP_DATA: envoi = "data\r\n", suite = "requete : "; break;
        case SMTP_QUIT:
            if (!texteParti)
                return j.echec(ECHEC_SANS_TEXTE);
            envoi = "quit\r\n", suite = "quit : ", accepte = true;
            j.accepte();
            break;
        case SMTP_CORPS: envoi = m.donnees, texteParti = true; break;
        case SMTP_RIEN: break;
        case SMTP_FIN: return j.afficher(), 0;
        case SMTP_ECHEC:
            return accepte ? iSans221("reponse inattendue au quit\n", j) : (j.afficher(), 1);
        }
        if (action >= SMTP_MAIL && action <= SMTP_QUIT)
            ++etape;
        if (!envoi.empty() && !c.envoyer(envoi, delaiMs))
            return accepte ? iSans221(ECHEC_ENVOI, j) : j.echec(ECHEC_ENVOI);
        if (!suite.empty())
            j(suite);
        j.afficher();
    }
    return accepte ? iSans221(ECHEC_DIALOGUE, j) : j.echec(ECHEC_DIALOGUE);
}

// An address that goes into a command line as it stands: no blank, no
// control byte (a CR LF would add a command), no angle bracket.
bool bAdresseSure(const char* a)
{
    if (!a || !*a)
        return false;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(a); *p; ++p)
        if (*p < 0x21 || *p == 0x7F || *p == '<' || *p == '>')
            return false;
    return true;
}

}  // namespace

int sendmail(const char* server, int port, const char* from, const char* to, const char* subject,
             const char* text, JournalEnvoi& journal)
{
    Journal j(journal);
    const int delai = DELAI_SMTP.load();
    int resultat = 1;
    in_addr adresse{};
    if (!bAdresseSure(from) || !bAdresseSure(to)) {
        j.echec("ECHEC : adresse mail invalide\n");
    } else if (bResoudre(server ? server : "", adresse, j)) {
        const int prise = iConnecterSmtp(adresse, port, delai, j);
        if (prise >= 0) {
            Connexion c(prise);
            const Courrier m{from, to, donneesSmtp(to, userAgentMail().c_str(), subject, text)};
            resultat = iDialogue(c, m, j, delai);
        }
    }
    vJournal(TAG, "STOP cr: %d\n", resultat);
    return resultat;
}
