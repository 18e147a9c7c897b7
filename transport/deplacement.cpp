#include "transport/scan.h"

#include "gribdata/fichiers.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

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
    std::string temporaire = sDossier(cible) + "/.recuXXXXXX";
    const int fd = mkstemp(temporaire.data());
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

int iDeplacerFichier(const char* source, const char* cible)
{
    if (std::rename(source, cible) == 0)
        return 0;
    if (errno != EXDEV)
        return -1;
    errno = 0;
    return iCopierPuisRenommer(source, cible);
}
