#include "transport/scan.h"

#include "gribdata/fichiers.h"
#include "transport/depot.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char PREFIXE_TEMPORAIRE[] = ".recu";

std::string sDossier(const std::string& chemin)
{
    const size_t barre = chemin.rfind('/');
    return barre == std::string::npos ? "." : chemin.substr(0, barre);
}

// The copy goes under a fresh name beside the target, then over it by a
// rename: the target's old content, maybe mapped by a page, is never
// truncated.
int iCopierPuisRenommer(const char* source, const char* cible)
{
    std::string temporaire;
    const int fd = iCreerFichierNeuf(sDossier(cible) + "/" + PREFIXE_TEMPORAIRE, "", temporaire);
    if (fd < 0)
        return -1;
    close(fd);
    if (copyfile(source, temporaire.c_str()) != 0 ||
        std::rename(temporaire.c_str(), cible) != 0) {
        const int erreur = errno ? errno : EIO;
        unlink(temporaire.c_str());
        errno = erreur;
        return -1;
    }
    return unlink(source);
}

}  // namespace

bool bResteDeplacement(const char* nom)
{
    const size_t n = sizeof PREFIXE_TEMPORAIRE - 1;
    return std::strncmp(nom, PREFIXE_TEMPORAIRE, n) == 0 && std::strlen(nom) == n + 6;
}

int iDeplacerFichier(const char* source, const char* cible)
{
    if (std::rename(source, cible) == 0)
        return 0;
    if (errno != EXDEV)
        return -1;
    errno = 0;
    return iCopierPuisRenommer(source, cible);
}

std::string sNomLibre(const std::string& dossier, const std::string& nom)
{
    std::string libre = nom;
    struct stat st;
    for (int k = 2; lstat((dossier + "/" + libre).c_str(), &st) == 0 && k < 10000; ++k)
        libre = sNomRang(nom, k);
    return libre;
}
