#include "map/vue_sauvee.h"

#include "gribdata/globales.h"
#include "map/fdc.h"

#include <cmath>

int iPoserVueSauvee(fdc* carte, const TYPEDEF_VUE& vue, int page, int journal)
{
    if (!std::isfinite(vue.latitude) || !std::isfinite(vue.longitude) ||
        !std::isfinite(vue.etendue) || vue.etendue <= 0.0) {
        if (journal)
            vJournal("<FDC>", "vue sauvee inutilisable, page %d: %f %f %f\n", page, vue.latitude,
                     vue.longitude, vue.etendue);
        return -1;
    }
    carte->zoom(vue.latitude, vue.longitude, vue.etendue, 1);
    return 0;
}
