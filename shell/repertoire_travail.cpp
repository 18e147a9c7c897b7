#include "shell/demarrage.h"

#include "shell/globales_shell.h"
#include "shell/transfert.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

// Copies `debut` (its first `n` bytes) and a trailing "/" when missing.
bool bCopierDossier(const char* debut, size_t n, char* dossier, size_t taille)
{
    const bool barre = n > 0 && debut[n - 1] == '/';
    if (n + (barre ? 0 : 1) + 1 > taille)
        return false;
    std::memcpy(dossier, debut, n);
    if (!barre)
        dossier[n++] = '/';
    dossier[n] = 0;
    return true;
}

}  // namespace

int iDossierTravail(const char* home, const char* exe, const char* courant, char* dossier,
                    size_t taille)
{
    if (home && *home) {
        std::string chemin = home[0] == '/' || !courant ? std::string(home)
                                                       : std::string(courant) + "/" + home;
        if (bCopierDossier(chemin.c_str(), chemin.size(), dossier, taille))
            return 1;
    }
    const char* paquet = exe ? std::strstr(exe, "quenbrel2.app") : nullptr;
    if (paquet && bCopierDossier(exe, size_t(paquet - exe), dossier, taille))
        return 2;
    if (courant && *courant && bCopierDossier(courant, std::strlen(courant), dossier, taille))
        return 3;
    return 0;
}

int iRepertoireTravail()
{
    char exe[PATH_MAX] = "";
    ssize_t n = readlink("/proc/self/exe", exe, sizeof exe - 1);
    exe[n > 0 ? n : 0] = 0;
    char courant[PATH_MAX] = "";
    if (!getcwd(courant, sizeof courant))
        courant[0] = 0;
    vNoterDossierLancement(courant);
    std::printf("CHEMIN EXE absolu: %s\n", exe);
    if (!iDossierTravail(std::getenv("QUENBREL2_HOME"), exe, courant, CheminAbsolu,
                         sizeof CheminAbsolu) ||
        chdir(CheminAbsolu) != 0) {
        std::printf("ATTENTION dossier de travail impossible: %s\n", CheminAbsolu);
        if (!iDossierTravail(nullptr, nullptr, courant, CheminAbsolu, sizeof CheminAbsolu))
            CheminAbsolu[0] = 0;
        return -1;
    }
    return 0;
}
