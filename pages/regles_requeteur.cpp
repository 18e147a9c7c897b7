#include "pages/regles_requeteur.h"

#include "pages/vr.h"

#include <algorithm>
#include <cstdlib>

LargeursGBI largeursGBI(int forfaits, int bulletins, int images)
{
    LargeursGBI l{forfaits, bulletins, images};
    const int reste = 206 - forfaits - bulletins - images;
    if (reste > 10) {
        l.images += reste / 3;
        l.forfaits += reste / 3 - 1;
        l.bulletins += reste / 3 - 1;
    }
    return l;
}

int iIndexAideGrib(int topic, int enfants)
{
    const int k = topic == 0 ? 1 : std::abs(topic % 10);
    const int index = k < 7 ? 2 * k - 2 : 2 * k - 4;
    return std::max(0, std::min(index, enfants));
}

OngletsRequeteur ongletsRequeteur(int page, int forfaits, bool routes)
{
    OngletsRequeteur o{page, forfaits == 1 ? 1 : 0, false};
    if (page < ONGLET_GRIB || page > ONGLET_ROUTES || (page == ONGLET_ROUTES && !routes)) {
        o.page = ONGLET_GRIB;
        o.forfaits = 0;
        o.refus = true;
    }
    return o;
}
