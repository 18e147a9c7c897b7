#include "gribdata/fichiers.h"
#include "gribdata/remplacement.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

int creationRepertoire(const char* path)
{
    if (!path)
        return -1;
    struct stat st;
    if (stat(path, &st) == 0 && S_ISDIR(st.st_mode))
        return 1;
    return mkdir(path, 0700);
}

// Parents come before their children.
const char* const DOSSIERS_TRAVAIL[7] = {"dat", "dat/bulletin", "dat/image", "etc",
                                         "etc/bull", "etc/grib", "lockdir"};

void creationRepertoires()
{
    for (const char* dossier : DOSSIERS_TRAVAIL)
        creationRepertoire(dossier);
}

int iDossierInscriptible(const char* chemin)
{
    struct stat st;
    if (stat(chemin, &st) != 0)
        return errno;
    if (!S_ISDIR(st.st_mode))
        return ENOTDIR;
    // A name of this process's own: the scan of lockdir/ skips hidden names.
    const std::string essai = std::string(chemin) + "/.essai" + std::to_string(getpid());
    const int fd = open(essai.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return errno;
    int erreur = bEcrireTout(fd, "x", 1) ? 0 : errno;
    if (close(fd) != 0 && !erreur)
        erreur = errno;
    unlink(essai.c_str());
    return erreur;
}
