// What the forecast charts can show, and the degrees helper they use.
#include "gribdata/fichier_grib.h"

bool bParametreHisto(unsigned parametre)
{
    switch (parametre) {
    case 2:
    case 11:
    case 33:
    case 49:
    case 61:
    case 80:
    case 100:
    case 102:
    case 105:
    case 202:
    case 203:
        return true;
    default:
        return false;
    }
}

int iGribTestHisto(const grib* list, unsigned int parametre)
{
    if (parametre != 0 && !bParametreHisto(parametre))
        return 0;
    for (const grib* g = list; g; g = g->suivant)
        if (parametre == 0 ? bParametreHisto(g->parametre) : g->parametre == parametre)
            return 1;
    return 0;
}

double CENTIEMES(int degres, int minutes, int secondes)
{
    const double reste = minutes / 60.0 + secondes / 3600.0;
    return degres < 0 ? degres - reste : degres + reste;
}
