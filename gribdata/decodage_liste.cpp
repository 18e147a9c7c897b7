#include "gribdata/champ_grib.h"
#include "gribdata/enregistrement_grib.h"
#include "gribdata/projections.h"
#include "gribdata/serie_grib.h"

namespace {

// The direction and period parameters that go with a wave height.
bool compagnons(int hauteur, int& direction, int& periode)
{
    switch (hauteur) {
    case 100: direction = 200; periode = 201; return true;
    case 102: direction = 101; periode = 103; return true;
    case 105: direction = 104; periode = 106; return true;
    case 202: direction = 107; periode = 108; return true;
    case 203: direction = 109; periode = 110; return true;
    default: return false;
    }
}

// The last record of `parametre` at g's validity of g's own model and
// grid; else (a file giving it by another) the last at that validity. The
// levels are not compared: a height and its direction are given at levels
// of their own.
grib* compagnon(const grib& g, grib* list, int parametre)
{
    grib *sien = nullptr, *autre = nullptr;
    for (grib* h = list; h; h = h->suivant)
        if (h->validite == g.validite && h->parametre == parametre) {
            autre = h;
            if (bMemeSource(*h, g))
                sien = h;
        }
    return sien ? sien : autre;
}

void lier(grib* g, grib* list)
{
    int direction = 0, periode = 0;
    if (!compagnons(g->parametre, direction, periode))
        return;
    g->direction = compagnon(*g, list, direction);
    g->periode = compagnon(*g, list, periode);
}

}  // namespace

int iDecodeGribAll(grib* list)
{
    for (grib* g = list; g; g = g->suivant) {
        if (g->champ)
            continue;
        g->champ = new Grib();
        if (iDecoderEnregistrement(*g->champ, *g) != 0) {
            delete g->champ;
            g->champ = nullptr;
            return 1;
        }
        lier(g, list);
    }
    return 0;
}
