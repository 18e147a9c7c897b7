// The file list's own reading of dates, forecast range and level: the list
// is sorted on these, so they stay as the listing has always shown them.
#include "gribdata/fichier_grib.h"

#include "gribdata/calendrier.h"
#include "codes/unites_temps.h"

#include <ctime>

namespace {

// The steps after the reference time, in the record's time unit.
uint32_t pas(const grib* g)
{
    switch (g->indicateur) {
    case 0:
    case 113:
    case 114:
        return g->p1;
    case 2:
    case 3:
    case 4:
    case 5:
        return g->p2;
    case 10:
        return uint32_t(g->p1) * 256 + g->p2;
    default:
        return 0;
    }
}

uint32_t aaaammjjhh(int annee, int mois, int jour, int heure)
{
    return uint32_t(annee) * 1000000u + uint32_t(mois) * 10000u + uint32_t(jour) * 100u +
           uint32_t(heure);
}

}  // namespace

void File::validite(grib* g)
{
    // 32-bit unsigned arithmetic, as the dates of the list have always had.
    const uint32_t reference = uint32_t(DRUmktime(g->annee, g->mois, g->jour, g->heure, 0, 0));
    const uint32_t unite = secondesParUnite(g->uniteTemps);
    if (unite == 0) {
        g->validite = aaaammjjhh(g->annee, g->mois, g->jour, g->heure);
        g->tValidite = time_t(reference);
        return;
    }
    g->tValidite = time_t(uint32_t(reference + unite * pas(g)));
    struct tm t;
    gmtime_r(&g->tValidite, &t);
    g->validite = aaaammjjhh(t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour);
}

int File::iGetEcheance(const grib* g)
{
    if (!g)
        return 0;
    switch (g->indicateur) {
    case 1:
        return 0;
    case 4:
    case 123:
    case 124:
        return g->p2;
    case 10:
        return g->p1 * 256 + g->p2;
    default:
        return g->p1;
    }
}

int File::iGetNiveau(const grib* g)
{
    if (!g)
        return 0;
    switch (g->typeNiveau) {
    case 100:
    case 103:
    case 105:
    case 107:
    case 109:
    case 111:
    case 160:
    case 221:
        return g->niveau1 * 256 + g->niveau2;
    case 8:
        if (g->centre == 85 && g->table == 196)
            return g->niveau1 * 256 + g->niveau2;
        return 0;
    default:
        return 0;
    }
}
