#include "transport/scan.h"

#include "gribdata/fichiers.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string sDossier(const std::string& chemin)
{
    const size_t barre = chemin.rfind('/');
    return barre == std::string::npos ? "." : chemin.substr(0, barre);
}

// The process's umask, read without changing it (umask() would, for a
// moment, for every thread).
mode_t masqueCreation()
{
    unsigned masque = 022;
    if (FILE* f = std::fopen("/proc/self/status", "r")) {
        char ligne[256];
        while (std::fgets(ligne, sizeof ligne, f))
            if (std::sscanf(ligne, "Umask: %o", &masque) == 1)
                break;
        std::fclose(f);
    }
    return mode_t(masque);
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
    // mkstemp makes it 0600: the file gets the mode of any file the
    // program creates.
    fchmod(fd, 0666 & ~masqueCreation());
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

std::string sNomLibre(const std::string& dossier, const std::string& nom)
{
    const size_t point = nom.rfind('.');
    const std::string base = point == std::string::npos || point == 0 ? nom : nom.substr(0, point);
    const std::string extension = nom.substr(base.size());
    std::string libre = nom;
    struct stat st;
    for (int k = 2; lstat((dossier + "/" + libre).c_str(), &st) == 0 && k < 10000; ++k)
        libre = base + "_" + std::to_string(k) + extension;
    return libre;
}
