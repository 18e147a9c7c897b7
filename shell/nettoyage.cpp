#include "shell/nettoyage.h"

#include "gribdata/interpolation.h"
#include "gribdata/restes.h"
#include "transport/scan.h"

#include <cstring>

namespace {

const char* const TAG = "<TORMASKEL2>";

bool bTemporaire(const char* nom)
{
    const size_t n = std::strlen(nom);
    return n > 4 && std::strcmp(nom + n - 4, ".tmp") == 0;
}

}  // namespace

void vSupprimerRestesArret()
{
    iSupprimerRestes(".", bResteInterpolation, TAG);
    for (const char* dossier : {"lockdir", "etc", "etc/grib", "etc/bull"})
        iSupprimerRestes(dossier, bTemporaire, TAG);
    for (const char* dossier : {".", "dat", "dat/bulletin", "dat/image"})
        iSupprimerRestes(dossier, bResteDeplacement, TAG);
}
