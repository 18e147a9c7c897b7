#include "map/grille_champ.h"

#include "gribdata/champ_grib.h"
#include "gribdata/globales.h"

float fPasDegres(int millidegres)
{
    return millidegres == 83 ? float(1.0 / 12.0) : millidegres / 1000.0f;
}

bool bGrilleUtilisable(const Grib& g)
{
    if (g.nj < 2 || g.ni < 2) {
        vJournal("<FDCGRIB>", "grille non utilisable : %d %d\n", g.nj, g.ni);
        return false;
    }
    if (g.di <= 0 || g.dj <= 0) {
        vJournal("<FDCGRIB>", "pas de grille nul : %d %d\n", g.di, g.dj);
        return false;
    }
    return true;
}
