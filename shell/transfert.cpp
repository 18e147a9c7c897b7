#include "shell/transfert.h"

#include "shell/demarrage.h"
#include "shell/globales_shell.h"
#include "shell/verrou.h"
#include "gribdata/fichiers.h"

#include <FL/filename.H>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

char* pcNomTransfert(char* argument)
{
    char* nom = const_cast<char*>(fl_filename_name(argument));
    char* date = std::strstr(nom, ".20");
    return date ? date + 1 : nom;
}

void vCouperFinsDeLigne(char* argument)
{
    const size_t n = std::strlen(argument);
    auto finDeLigne = [](char c) { return c == '\n' || c == '\r'; };
    if (n >= 1 && finDeLigne(argument[n - 1]))
        argument[n - 1] = 0;
    if (n >= 2 && finDeLigne(argument[n - 2]))
        argument[n - 2] = 0;
}

bool bNomTransfertAcceptable(const char* nom)
{
    if (!nom || !*nom || nom[0] == '.' || std::strchr(nom, '/'))
        return false;
    const size_t n = std::strlen(nom);
    return n <= NAME_MAX && (n < 4 || std::strcmp(nom + n - 4, ".tmp") != 0);
}

int iCheminsTransfert(const char* nom)
{
    // "<name>.tmp" must itself be a valid file name.
    const int n = std::strlen(nom) + 4 <= NAME_MAX
                      ? std::snprintf(strOpenLocktmpfilefile, sizeof strOpenLocktmpfilefile,
                                      "lockdir%s%s.tmp", "/", nom)
                      : std::snprintf(strOpenLocktmpfilefile, sizeof strOpenLocktmpfilefile,
                                      "lockdir%s.transfert%ld.tmp", "/", long(getpid()));
    const int m = std::snprintf(strOpenLockfilefile, sizeof strOpenLockfilefile, "lockdir%s%s",
                                "/", nom);
    if (n < 0 || m < 0 || size_t(n) >= sizeof strOpenLocktmpfilefile ||
        size_t(m) >= sizeof strOpenLockfilefile) {
        strOpenLocktmpfilefile[0] = strOpenLockfilefile[0] = 0;
        return -1;
    }
    return 0;
}

namespace {

bool lancementNote = false;
std::string dossierLancement;

// The argument named from the launch folder; empty when that folder is
// unknown.
std::string cheminArgument(const char* argument)
{
    if (argument[0] == '/')
        return argument;
    std::string base = dossierLancement;
    char courant[PATH_MAX];
    if (!lancementNote && getcwd(courant, sizeof courant))
        base = courant;
    return base.empty() ? "" : base + "/" + argument;
}

// Puts the file into lockdir/ under its hand-over name; true when it is
// really there under its final name.
bool bDeposer(const char* argument, const char* nom)
{
    if (!bNomTransfertAcceptable(nom) || iCheminsTransfert(nom) != 0) {
        std::printf("ATTENTION nom de fichier inutilisable: ==%s==\n", nom);
        return false;
    }
    const std::string source = cheminArgument(argument);
    if (source.empty() || copyfile(source.c_str(), strOpenLocktmpfilefile) != 0) {
        std::printf("ATTENTION copie impossible de %s\n", argument);
        return false;
    }
    if (std::rename(strOpenLocktmpfilefile, strOpenLockfilefile) != 0) {
        std::printf("ATTENTION renommage impossible de %s\n", strOpenLocktmpfilefile);
        std::remove(strOpenLocktmpfilefile);
        return false;
    }
    return true;
}

}  // namespace

void vNoterDossierLancement(const char* dossier)
{
    lancementNote = dossier != nullptr;
    dossierLancement = dossier ? dossier : "";
}

int iTransfertFichier(int argc, char** argv)
{
    if (argc != 2 || !argv[1] || !argv[1][0])
        return 0;
    char* argument = argv[1];
    OPEN_GRIB_FILE = pcNomTransfert(argument);
    std::printf("Argument \xC3\xA0 l'appel: ==%s==\n", fl_filename_name(argument));
    vCouperFinsDeLigne(argument);
    if (!argument[0] || !bDeposer(argument, OPEN_GRIB_FILE))
        return 0;
    if (bInstanceEnCours("etc/lockfile"))
        return 1;
    struct stat st;
    if (stat("etc/lockfile", &st) == 0)
        std::printf("fichier lockfile abandonne: lancement normal\n");
    return 0;
}
