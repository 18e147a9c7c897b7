#include "shell/verrou.h"

#include "shell/globales_shell.h"

#include <cstdio>

namespace {
FILE* verrou = nullptr;
}

void vPoserVerrou()
{
    std::snprintf(strOpenLockfilefile, sizeof strOpenLockfilefile, "etc%slockfile", "/");
    verrou = std::fopen(strOpenLockfilefile, "w");
    std::printf("%s\n", verrou ? "Mise en place du fichier lockfile"
                               : "ATTENTION Mise en place du fichier lockfile impossible");
}

void vLeverVerrou()
{
    if (verrou)
        std::fclose(verrou);
    verrou = nullptr;
    std::remove(strOpenLockfilefile);
}
