#include "gribdata/fichiers.h"

#include <sys/stat.h>

int creationRepertoire(const char* path)
{
    if (!path)
        return -1;
    struct stat st;
    if (stat(path, &st) == 0 && S_ISDIR(st.st_mode))
        return 1;
    return mkdir(path, 0700);
}

void creationRepertoires()
{
    // Parents come before their children.
    static const char* const dossiers[] = {"dat", "dat/bulletin", "dat/image", "etc",
                                           "etc/bull", "etc/grib", "lockdir"};
    for (const char* dossier : dossiers)
        creationRepertoire(dossier);
}
