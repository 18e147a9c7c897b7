#include "transport/depot.h"

#include "gribdata/globales.h"
#include "transport/envoi.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace {

const char* const TAG = "<VISUALISATEUR>";
const char* const HISTORIQUE = "etc/messages.txt";

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

bool bNomRecuSur(const std::string& nom)
{
    if (nom.empty() || nom.size() > NOM_RECU_MAX || nom[0] == '.')
        return false;
    if (nom.size() >= 4 && nom.compare(nom.size() - 4, 4, ".tmp") == 0)
        return false;
    for (unsigned char c : nom)
        if (!(std::isalnum(c) && c < 0x80) && !std::strchr("._+-", c))
            return false;
    return true;
}

int iDeposer(const std::string& dossier, const std::string& nom, const char* octets, size_t n)
{
    const std::string cible = dossier + "/" + nom;
    std::string temporaire = cible + ".XXXXXX.tmp";
    const int fd = mkstemps(temporaire.data(), 4);
    if (fd < 0) {
        vJournal(TAG, "ECHEC : %s non cree (%s)\n", temporaire.c_str(), std::strerror(errno));
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
