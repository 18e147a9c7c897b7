#include "transport/genre_recu.h"

#include "gribdata/fichier_grib.h"
#include "ui/fichier_texte.h"
#include "ui/image_controlee.h"

#include <cstring>
#include <initializer_list>
#include <strings.h>

namespace {

bool bParmi(const char* extension, std::initializer_list<const char*> liste)
{
    for (const char* e : liste)
        if (strcasecmp(extension, e) == 0)
            return true;
    return false;
}

}  // namespace

GenreRecu genreRecu(const char* nom)
{
    if (std::strcmp(nom, "SAT_GLOBE2.jpg") == 0)
        return RECU_SATELLITE;
    const char* point = std::strrchr(nom, '.');
    const char* extension = point ? point : "";
    if (bParmi(extension, {".jpg", ".jpeg", ".png", ".gif"}))
        return RECU_IMAGE;
    if (bParmi(extension, {".txt"}))
        return RECU_TEXTE;
    if (bParmi(extension, {".grb", ".bz2", ".gz"}))
        return RECU_GRIB;
    if (bParmi(extension, {".tmp"}))
        return RECU_EN_COURS;
    return RECU_AUTRE;
}

const char* pcDossierGenre(GenreRecu genre)
{
    switch (genre) {
    case RECU_IMAGE: return "dat/image";
    case RECU_TEXTE: return "dat/bulletin";
    case RECU_GRIB: return "dat";
    case RECU_SATELLITE:
    case RECU_EN_COURS:
    case RECU_AUTRE: break;
    }
    return nullptr;
}

long long llTailleGenreMax(GenreRecu genre)
{
    switch (genre) {
    case RECU_SATELLITE:
    case RECU_IMAGE: return TAILLE_IMAGE_MAX;
    case RECU_TEXTE: return (long long)TAILLE_TEXTE_MAX;
    case RECU_GRIB: return TAILLE_GRIB_MAX - 1;
    case RECU_EN_COURS:
    case RECU_AUTRE: break;
    }
    return 0;
}
