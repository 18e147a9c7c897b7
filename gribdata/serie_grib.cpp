#include "gribdata/serie_grib.h"

#include "gribdata/enregistrement_grib.h"

#include <array>

int iNiveauSerie(const grib& r)
{
    return r.typeNiveau << 16 | r.niveau1 << 8 | r.niveau2;
}

const grib* pComposanteV(const grib& u)
{
    const int v = u.parametre + 1;
    for (const grib* r = u.suivant; r && r->validite == u.validite; r = r->suivant)
        if (r->parametre == v && iNiveauSerie(*r) == iNiveauSerie(u))
            return r;
    return nullptr;
}

NiveauxMultiples::NiveauxMultiples(const grib* liste)
{
    std::array<int, 256> premier;
    premier.fill(-1);
    for (const grib* r = liste; r; r = r->suivant) {
        int& n = premier[r->parametre];
        if (n < 0)
            n = iNiveauSerie(*r);
        else if (n != iNiveauSerie(*r))
            plusieurs_.set(r->parametre);
    }
}
