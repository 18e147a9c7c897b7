#include "transport/genre_recu.h"

#include "gribdata/fichier_grib.h"
#include "ui/fichier_texte.h"
#include "ui/image_controlee.h"

#include <cstring>
#include <string>
#include <strings.h>
#include <vector>

namespace {

// Each kind's extensions, without their full stop; the kinds the program
// files come first, in the order its texts list them.
struct ExtensionsGenre {
    GenreRecu genre;
    std::vector<const char*> extensions;
};
const ExtensionsGenre EXTENSIONS[] = {
    {RECU_IMAGE, {"jpg", "jpeg", "png", "gif"}},
    {RECU_TEXTE, {"txt"}},
    {RECU_GRIB, {"grb", "bz2", "gz"}},
    {RECU_EN_COURS, {"tmp"}},
};

// The filed kinds' extensions, each after `avant`, `entre` between two.
std::string sExtensionsFiles(const char* avant, const char* entre)
{
    std::string s;
    for (const ExtensionsGenre& g : EXTENSIONS)
        if (pcDossierGenre(g.genre))
            for (const char* e : g.extensions)
                s += (s.empty() ? "" : entre) + std::string(avant) + e;
    return s;
}

}  // namespace

GenreRecu genreRecu(const char* nom)
{
    if (std::strcmp(nom, "SAT_GLOBE2.jpg") == 0)
        return RECU_SATELLITE;
    const char* point = std::strrchr(nom, '.');
    if (!point)
        return RECU_AUTRE;
    for (const ExtensionsGenre& g : EXTENSIONS)
        for (const char* e : g.extensions)
            if (strcasecmp(point + 1, e) == 0)
                return g.genre;
    return RECU_AUTRE;
}

const char* pcFiltreGenres()
{
    static const std::string filtre = "*.{" + sExtensionsFiles("", ",") + "}";
    return filtre.c_str();
}

const char* pcExtensionsGenres()
{
    static const std::string liste = sExtensionsFiles(".", " ");
    return liste.c_str();
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
