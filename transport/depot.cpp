#include "transport/depot.h"

#include "gribdata/globales.h"
#include "transport/envoi.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <strings.h>
#include <unistd.h>

namespace {

const char* const TAG = "<VISUALISATEUR>";
const char* const HISTORIQUE = "etc/messages.txt";
const int ESSAIS_NOM = 100;

bool bEcrireTout(int fd, const char* octets, size_t n)
{
    while (n > 0) {
        const ssize_t e = write(fd, octets, n);
        if (e < 0 && errno == EINTR)
            continue;
        if (e <= 0)
            return false;
        octets += e;
        n -= size_t(e);
    }
    return true;
}

}  // namespace

const char NOM_MESSAGE[] = "message.txt";

bool bNomRecuSur(const std::string& nom)
{
    if (nom.empty() || nom.size() > NOM_RECU_MAX || nom[0] == '.')
        return false;
    if (strcasecmp(nom.c_str(), NOM_MESSAGE) == 0)
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

int iDeposer(const std::string& dossier, const std::string& nom, const char* octets, size_t n)
{
    const std::string cible = dossier + "/" + nom;
    std::string temporaire;
    const int fd = iCreerFichierNeuf(cible + ".", ".tmp", temporaire);
    if (fd < 0) {
        vJournal(TAG, "ECHEC : %s.XXXXXX.tmp non cree (%s)\n", cible.c_str(), std::strerror(errno));
        return -1;
    }
    const bool ecrit = bEcrireTout(fd, octets, n);
    const bool ferme = close(fd) == 0;
    if (!ecrit || !ferme || std::rename(temporaire.c_str(), cible.c_str()) != 0) {
        vJournal(TAG, "ECHEC : %s non ecrit (%s)\n", cible.c_str(), std::strerror(errno));
        unlink(temporaire.c_str());
        return -1;
    }
    return 0;
}

int iAjouterHistorique(const std::string& texte)
{
    std::lock_guard<std::mutex> garde(verrouTransport());
    FILE* f = std::fopen(HISTORIQUE, "a");
    if (!f) {
        vJournal(TAG, "%s: %s\n", HISTORIQUE, std::strerror(errno));
        return -1;
    }
    const bool ecrit = std::fwrite(texte.data(), 1, texte.size(), f) == texte.size();
    return std::fclose(f) == 0 && ecrit ? 0 : -1;
}
