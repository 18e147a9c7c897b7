#include "transport/depot.h"

#include "gribdata/globales.h"
#include "gribdata/remplacement.h"
#include "transport/envoi.h"
#include "transport/service_http.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char* const TAG = "<VISUALISATEUR>";
const char* const HISTORIQUE = "etc/messages.txt";
const int ESSAIS_NOM = 100;
// Namesakes waiting in one folder.
const int RANGS_MAX = 10000;

// "message.txt" or "message_<digits>.txt", in any case.
bool bNomDeMessage(const std::string& nom)
{
    const size_t base = std::strlen(NOM_MESSAGE) - 4;
    if (nom.size() < base + 4 || strncasecmp(nom.c_str(), NOM_MESSAGE, base) != 0 ||
        strcasecmp(nom.c_str() + nom.size() - 4, ".txt") != 0)
        return false;
    const std::string rang = nom.substr(base, nom.size() - 4 - base);
    return rang.empty() || (rang.size() > 1 && rang[0] == '_' &&
                            rang.find_first_not_of("0123456789", 1) == std::string::npos);
}

// The octets in a new file "<cible>.XXXXXX.tmp"; false (logged, nothing
// left) when it could not be written whole.
bool bEcrireTemporaire(const std::string& cible, const char* octets, size_t n,
                       std::string& temporaire)
{
    const int fd = iCreerFichierNeuf(cible + ".", ".tmp", temporaire);
    if (fd < 0) {
        vJournal(TAG, "ECHEC : %s.XXXXXX.tmp non cree (%s)\n", cible.c_str(), std::strerror(errno));
        return false;
    }
    const bool ecrit = bEcrireTout(fd, octets, n);
    if (close(fd) == 0 && ecrit)
        return true;
    vJournal(TAG, "ECHEC : %s non ecrit (%s)\n", cible.c_str(), std::strerror(errno));
    unlink(temporaire.c_str());
    return false;
}

}  // namespace

const char NOM_MESSAGE[] = "message.txt";

bool bNomRecuSur(const std::string& nom)
{
    if (nom.empty() || nom.size() > NOM_RECU_MAX || nom[0] == '.')
        return false;
    if (bNomDeMessage(nom))
        return false;
    if (nom.size() >= 4 && nom.compare(nom.size() - 4, 4, ".tmp") == 0)
        return false;
    for (unsigned char c : nom)
        if (!(std::isalnum(c) && c < 0x80) && !std::strchr("._+-", c))
            return false;
    return true;
}

// mkstemp's files are 0600, whatever the umask says: this one opens its
// file as any other creation does.
int iCreerFichierNeuf(const std::string& avant, const std::string& apres, std::string& chemin)
{
    static const char LETTRES[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device alea;
    for (int essai = 0; essai < ESSAIS_NOM; ++essai) {
        std::string six;
        for (int i = 0; i < 6; ++i)
            six += LETTRES[alea() % (sizeof LETTRES - 1)];
        chemin = avant + six + apres;
        const int fd = open(chemin.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

std::string sNomRang(const std::string& nom, int rang)
{
    const size_t point = nom.rfind('.');
    const size_t base = point == std::string::npos || point == 0 ? nom.size() : point;
    return nom.substr(0, base) + "_" + std::to_string(rang) + nom.substr(base);
}

int iDeposer(const std::string& dossier, const std::string& nom, const char* octets, size_t n)
{
    const std::string cible = dossier + "/" + nom;
    std::string temporaire;
    if (!bEcrireTemporaire(cible, octets, n, temporaire))
        return -1;
    if (std::rename(temporaire.c_str(), cible.c_str()) != 0) {
        vJournal(TAG, "ECHEC : %s non ecrit (%s)\n", cible.c_str(), std::strerror(errno));
        unlink(temporaire.c_str());
        return -1;
    }
    return 0;
}

int iDeposerAPart(const std::string& dossier, const std::string& nom, const char* octets,
                  size_t n, std::string* pris, const char* aussi)
{
    std::string temporaire;
    if (!bEcrireTemporaire(dossier + "/" + nom, octets, n, temporaire))
        return -1;
    int erreur = 0;
    for (int rang = 1; rang <= RANGS_MAX; ++rang) {
        const std::string libre = rang == 1 ? nom : sNomRang(nom, rang);
        struct stat st;
        if (aussi && lstat((std::string(aussi) + "/" + libre).c_str(), &st) == 0)
            continue;
        const std::string cible = dossier + "/" + libre;
        if (link(temporaire.c_str(), cible.c_str()) == 0) {
            unlink(temporaire.c_str());
            if (pris)
                *pris = libre;
            return 0;
        }
        erreur = errno;
        if (erreur != EEXIST)
            break;
    }
    erreur = erreur ? erreur : EEXIST;
    vJournal(TAG, "ECHEC : %s/%s non ecrit (%s)\n", dossier.c_str(), nom.c_str(),
             std::strerror(erreur));
    unlink(temporaire.c_str());
    return -1;
}

int iAjouterHistorique(const std::string& texte)
{
    std::lock_guard<std::mutex> garde(verrouTransport());
    if (ARRET_TRANSFERTS.load())
        return -1;
    const int erreur = iAjouterEnEntier(HISTORIQUE, texte.data(), texte.size());
    if (erreur)
        vJournal(TAG, "ECHEC : %s: fichier recu non note (%s)\n", HISTORIQUE,
                 std::strerror(erreur));
    return erreur ? -1 : 0;
}
