#include "shell/verrou.h"

#include "shell/globales_shell.h"
#include "ui/globales_ui.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

enum { LIBRE = -1, AUTRE = -2 };

// The marker's descriptor while this run holds it, else LIBRE (it could
// not be made) or AUTRE (a running instance holds it).
int verrou = LIBRE;

bool bMemeFichier(int fd, const char* chemin)
{
    struct stat a, b;
    return fstat(fd, &a) == 0 && stat(chemin, &b) == 0 && a.st_dev == b.st_dev &&
           a.st_ino == b.st_ino;
}

// Opens and locks the marker. An instance that ends meanwhile removes the
// file it held: the lock is then on a file that has no name any more, and
// the marker is made again.
int iPrendre(const char* chemin)
{
    for (int essai = 0; essai < 5; ++essai) {
        const int fd = open(chemin, O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
        if (fd < 0)
            return LIBRE;
        if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int erreur = errno;
            close(fd);
            return erreur == EWOULDBLOCK ? AUTRE : LIBRE;
        }
        if (bMemeFichier(fd, chemin)) {
            if (ftruncate(fd, 0) != 0) {
                // An empty marker is all that is asked; its content is never read.
            }
            // Its times tell when the instance that holds it started.
            futimens(fd, nullptr);
            return fd;
        }
        close(fd);
    }
    return LIBRE;
}

}  // namespace

bool bInstanceEnCours(const char* chemin)
{
    const int fd = open(chemin, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return false;
    const bool tenu = flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    close(fd);
    return tenu;
}

void vPoserVerrou()
{
    std::snprintf(strOpenLockfilefile, sizeof strOpenLockfilefile, "etc%slockfile", "/");
    struct stat st;
    const bool abandonne = lstat(strOpenLockfilefile, &st) == 0;
    verrou = iPrendre(strOpenLockfilefile);
    INSTANCE_SECONDAIRE = verrou == AUTRE;
    if (verrou == AUTRE) {
        std::printf("ATTENTION fichier lockfile tenu par une autre instance\n");
        return;
    }
    if (verrou >= 0 && abandonne)
        std::printf("Reprise du fichier lockfile abandonne\n");
    std::printf("%s\n", verrou >= 0 ? "Mise en place du fichier lockfile"
                                    : "ATTENTION Mise en place du fichier lockfile impossible");
}

void vLeverVerrou()
{
    // Only the marker this run made and holds: what is there otherwise is
    // another instance's, or nothing a run may remove.
    if (verrou < 0)
        return;
    // Removed while still held, so that no new run takes the old file.
    std::remove(strOpenLockfilefile);
    close(verrou);
    verrou = LIBRE;
}

timespec tsDebutVerrou()
{
    struct stat st;
    if ((verrou >= 0 && fstat(verrou, &st) == 0) ||
        (verrou == AUTRE && stat(strOpenLockfilefile, &st) == 0))
        return st.st_ctim;
    timespec maintenant{};
    clock_gettime(CLOCK_REALTIME, &maintenant);
    return maintenant;
}
