#include "gribdata/ouverture_ordinaire.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

int iOuvrirOrdinaire(const char* chemin, bool& refuse)
{
    refuse = false;
    const int fd = open(chemin, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        refuse = true;
    else if (fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK) == 0)
        return fd;
    const int erreur = refuse ? EINVAL : errno;
    close(fd);
    errno = erreur;
    return -1;
}

FILE* pfOuvrirFichierOrdinaire(const char* chemin, const char* mode, bool& refuse)
{
    const int fd = iOuvrirOrdinaire(chemin, refuse);
    if (fd < 0)
        return nullptr;
    FILE* f = fdopen(fd, mode);
    if (!f) {
        const int erreur = errno;
        close(fd);
        errno = erreur;
    }
    return f;
}
