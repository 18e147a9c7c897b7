#include "gribdata/remplacement.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

std::string cheminCible(const char* chemin)
{
    struct stat st;
    if (lstat(chemin, &st) != 0 || !S_ISLNK(st.st_mode))
        return chemin;
    char* vrai = realpath(chemin, nullptr);
    const std::string cible = vrai ? vrai : "";
    std::free(vrai);
    return !cible.empty() && stat(cible.c_str(), &st) == 0 && S_ISREG(st.st_mode) ? cible
                                                                                  : chemin;
}

bool bEcrireTout(int fd, const char* octets, size_t n)
{
    while (n > 0) {
        const ssize_t e = write(fd, octets, n);
        if (e < 0 && errno == EINTR)
            continue;
        if (e <= 0) {
            if (e == 0)
                errno = ENOSPC;
            return false;
        }
        octets += e;
        n -= size_t(e);
    }
    return true;
}

namespace {

int iErreur()
{
    return errno ? errno : EIO;
}

// The folder's entry made durable too; a failure here loses nothing.
void vSynchroniserDossier(const std::string& fichier)
{
    const size_t barre = fichier.rfind('/');
    const std::string dossier = barre == std::string::npos ? "." : fichier.substr(0, barre + 1);
    const int fd = open(dossier.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

// Writes and closes; answers 0 or an errno.
int iEcrireFlux(FILE* f, const std::function<bool(FILE*)>& ecrire)
{
    errno = 0;
    int erreur = 0;
    if (!ecrire(f) || std::fflush(f) != 0 || std::ferror(f))
        erreur = iErreur();
    else if (fsync(fileno(f)) != 0)
        erreur = iErreur();
    if (std::fclose(f) != 0 && !erreur)
        erreur = iErreur();
    return erreur;
}

}  // namespace

int iRemplacerFichier(const char* chemin, const std::function<bool(FILE*)>& ecrire,
                      std::string& enEchec)
{
    const std::string cible = cheminCible(chemin), temporaire = cible + ".tmp";
    enEchec = temporaire;
    // The temporary name is this writer's own: what an interrupted write
    // left there goes (a folder stays, and the write fails).
    unlink(temporaire.c_str());
    const int fd = open(temporaire.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return iErreur();
    struct stat st;
    if (stat(cible.c_str(), &st) == 0 && S_ISREG(st.st_mode))
        fchmod(fd, st.st_mode & 07777);
    FILE* f = fdopen(fd, "w");
    if (!f) {
        const int erreur = iErreur();
        close(fd);
        unlink(temporaire.c_str());
        return erreur;
    }
    int erreur = iEcrireFlux(f, ecrire);
    if (!erreur && std::rename(temporaire.c_str(), cible.c_str()) != 0) {
        erreur = iErreur();
        enEchec = cible;
    }
    if (erreur) {
        unlink(temporaire.c_str());
        return erreur;
    }
    vSynchroniserDossier(cible);
    enEchec.clear();
    return 0;
}

namespace {

// Copies `source` into the new file `copie` (never an existing one).
int iCopierExclusif(const std::string& source, const std::string& copie)
{
    const int de = open(source.c_str(), O_RDONLY | O_CLOEXEC);
    if (de < 0)
        return iErreur();
    const int vers = open(copie.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (vers < 0) {
        const int erreur = iErreur();
        close(de);
        return erreur;
    }
    char tampon[65536];
    int erreur = 0;
    for (ssize_t n; !erreur && (n = read(de, tampon, sizeof tampon)) != 0;) {
        if (n < 0)
            erreur = errno == EINTR ? 0 : iErreur();
        else if (!bEcrireTout(vers, tampon, size_t(n)))
            erreur = iErreur();
    }
    if (!erreur && fsync(vers) != 0)
        erreur = iErreur();
    if (close(vers) != 0 && !erreur)
        erreur = iErreur();
    close(de);
    if (erreur)
        unlink(copie.c_str());
    return erreur;
}

}  // namespace

int iGarderExemplaire(const char* chemin, std::string& copie)
{
    const std::string source = cheminCible(chemin);
    for (int n = 0; n < 10000; ++n) {
        copie = std::string(chemin) + ".bak" + (n ? std::to_string(n) : "");
        struct stat st;
        if (lstat(copie.c_str(), &st) == 0)
            continue;
        // link() never replaces; a copy where a second name cannot be made.
        if (link(source.c_str(), copie.c_str()) == 0)
            return 0;
        if (errno == EEXIST)
            continue;
        const int erreur = iCopierExclusif(source, copie);
        if (erreur != EEXIST)
            return erreur;
    }
    return EEXIST;
}

int iAjouterEnEntier(const char* chemin, const char* octets, size_t n)
{
    const int fd = open(chemin, O_WRONLY | O_CREAT | O_APPEND | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0)
        return iErreur();
    // Another instance appending meanwhile would be cut back with a failed
    // record: one record at a time (released by the close).
    flock(fd, LOCK_EX);
    struct stat st;
    if (fstat(fd, &st) != 0) {
        const int erreur = iErreur();
        close(fd);
        return erreur;
    }
    errno = 0;
    int erreur = 0;
    // Some file systems tell a full disk only at the sync.
    if (!bEcrireTout(fd, octets, n) || (S_ISREG(st.st_mode) && fdatasync(fd) != 0))
        erreur = iErreur();
    if (erreur && S_ISREG(st.st_mode) && ftruncate(fd, st.st_size) != 0) {
        // Nothing more to try: the failure is answered all the same.
    }
    if (close(fd) != 0 && !erreur)
        erreur = iErreur();
    return erreur;
}
