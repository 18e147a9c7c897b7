#include "gribdata/enregistrement_grib.h"

#include "gribdata/champ_grib.h"
#include "gribdata/isoplages_cache.h"

void vLibererListeGrib(grib*& liste)
{
    while (liste) {
        grib* suivant = liste->suivant;
        delete liste->champ;
        vLibereCacheIsoplages(liste->isoplagesChamp);
        vLibereCacheIsoplages(liste->isoplagesPluie);
        delete liste;
        liste = suivant;
    }
}
