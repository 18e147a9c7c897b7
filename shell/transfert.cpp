#include "shell/transfert.h"

#include "shell/demarrage.h"
#include "shell/globales_shell.h"
#include "gribdata/fichiers.h"

#include <FL/filename.H>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>

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
    return nom && *nom && !std::strchr(nom, '/') && std::strcmp(nom, ".") != 0 &&
           std::strcmp(nom, "..") != 0;
}

int iCheminsTransfert(const char* nom)
{
    const int n = std::snprintf(strOpenLocktmpfilefile, sizeof strOpenLocktmpfilefile,
                                "lockdir%s%s.tmp", "/", nom);
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

// Puts the file into lockdir/ under its hand-over name; true when it is
// really there under its final name.
bool bDeposer(const char* source, const char* nom)
{
    if (!bNomTransfertAcceptable(nom) || iCheminsTransfert(nom) != 0) {
        std::printf("ATTENTION nom de fichier inutilisable: ==%s==\n", nom);
        return false;
    }
    if (copyfile(source, strOpenLocktmpfilefile) != 0) {
        std::printf("ATTENTION copie impossible de %s\n", source);
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
    struct stat st;
    return stat("etc/lockfile", &st) == 0 ? 1 : 0;
}
