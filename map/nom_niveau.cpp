#include "map/nom_niveau.h"

#include "gribdata/enregistrement_grib.h"
#include "gribdata/fichier_grib.h"
#include "gribdata/serie_grib.h"
#include "ui/local.h"

#include <cstdio>

std::string sNomNiveau(const grib& r)
{
    char t[48];
    switch (r.typeNiveau) {
    // The ground or the sea's surface, and mean sea level, which the
    // service gives its surface fields.
    case 1:
    case 102: return pcTraduire("surface");
    case 100: std::snprintf(t, sizeof t, "%d hPa", File::iGetNiveau(&r)); break;
    // Heights and altitudes, and depths below the sea.
    case 103:
    case 105:
    case 160: std::snprintf(t, sizeof t, "%d m", File::iGetNiveau(&r)); break;
    default:
        std::snprintf(t, sizeof t, "%s %d/%d/%d", pcTraduire("niveau"), r.typeNiveau, r.niveau1,
                      r.niveau2);
        break;
    }
    return t;
}

std::string sNiveauDistinct(const NiveauxMultiples& multiples, const grib& r)
{
    return multiples(r.parametre) ? " (" + sNomNiveau(r) + ")" : std::string();
}
