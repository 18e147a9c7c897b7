#include "transport/scan.h"

#include <cstring>
#include <initializer_list>
#include <strings.h>

namespace {

bool bParmi(const char* extension, std::initializer_list<const char*> liste, bool casse)
{
    for (const char* e : liste)
        if (casse ? std::strcmp(extension, e) == 0 : strcasecmp(extension, e) == 0)
            return true;
    return false;
}

}  // namespace

// Pictures and texts by their exact extension: a hand-over copy in
// capitals falls into the rest (the user's original is elsewhere).
GenreRecu genreRecu(const char* nom)
{
    if (std::strcmp(nom, "SAT_GLOBE2.jpg") == 0)
        return RECU_SATELLITE;
    const char* point = std::strrchr(nom, '.');
    const char* extension = point ? point : "";
    if (bParmi(extension, {".jpg", ".png", ".gif"}, true))
        return RECU_IMAGE;
    if (std::strcmp(extension, ".txt") == 0)
        return RECU_TEXTE;
    if (bParmi(extension, {".grb", ".bz2", ".gz"}, false))
        return RECU_GRIB;
    if (strcasecmp(extension, ".tmp") == 0)
        return RECU_EN_COURS;
    return RECU_AUTRE;
}
