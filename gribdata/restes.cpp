#include "gribdata/restes.h"

#include "gribdata/globales.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Set once before the loader threads start; read by them.
std::atomic<bool> fixe{false};
timespec debutTenant{};

bool bAvant(const timespec& a, const timespec& b)
{
    return a.tv_sec < b.tv_sec || (a.tv_sec == b.tv_sec && a.tv_nsec < b.tv_nsec);
}

}  // namespace

void vFixerDebutTenant(const timespec& debut)
{
    debutTenant = debut;
    fixe = true;
}

timespec tsDebutTenant()
{
    if (fixe.load())
        return debutTenant;
    timespec maintenant{};
    clock_gettime(CLOCK_REALTIME, &maintenant);
    return maintenant;
}

int iSupprimerRestes(const char* dossier, bool (*bReste)(const char* nom), const char* tag)
{
    DIR* d = opendir(dossier);
    if (!d)
        return 0;
    // The status time: a rename or a write changes it, and no user sets it.
    const timespec limite = tsDebutTenant();
    int supprimes = 0;
    while (const dirent* e = readdir(d)) {
        if (!bReste(e->d_name))
            continue;
        const std::string chemin = std::string(dossier) + "/" + e->d_name;
        struct stat st;
        if (lstat(chemin.c_str(), &st) != 0 || !S_ISREG(st.st_mode) ||
            !bAvant(st.st_ctim, limite))
            continue;
        const bool supprime = unlink(chemin.c_str()) == 0;
        supprimes += supprime;
        vJournal(tag, "%s laisse par un arret, %s%s%s\n", chemin.c_str(),
                 supprime ? "supprime" : "ne peut etre supprime (",
                 supprime ? "" : std::strerror(errno), supprime ? "" : ")");
    }
    closedir(d);
    return supprimes;
}
