#include "ui/fichier_ordinaire.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

FILE* pfOuvrirFichierOrdinaire(const char* chemin, const char* mode, bool& refuse)
{
    refuse = false;
    const int fd = open(chemin, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    struct stat st;
    FILE* f = nullptr;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        refuse = true;
    else if (fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK) == 0)
        f = fdopen(fd, mode);
    if (!f) {
        const int erreur = refuse ? EINVAL : errno;
        close(fd);
        errno = erreur;
    }
    return f;
}
