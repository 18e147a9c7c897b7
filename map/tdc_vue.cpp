#include "map/tdc_vue.h"

#include <algorithm>
#include <bitset>

namespace {

// Grid corner one step beyond `v`, toward zero, kept where the loops below
// stay short whatever the view.
int iCoin(double v, double pas, int borne)
{
    return int(std::clamp((v + pas) / 10, -borne / 10.0, borne / 10.0)) * 10;
}

}  // namespace

int iNiveauTdc(double echelle, const double seuils[4], TYPEDEF_TDC* const chaines[TDC_NIVEAUX])
{
    int niveau = 1;
    while (niveau < 5 && echelle < seuils[niveau - 1] &&
           chaines[niveau + 1] != chaines[niveau])
        ++niveau;
    return niveau;
}

void vCarresVisibles(const BoiteVue& b, std::vector<int>& carres)
{
    carres.clear();
    std::bitset<TDC_CARRES> vus;
    const int lonMin = iCoin(b.gauche, -10, 1080), lonMax = iCoin(b.droite, 10, 1080);
    const int latMin = iCoin(b.bas, -10, 100), latMax = iCoin(b.haut, 10, 100);
    for (int lon = lonMin; lon <= lonMax; lon += 10)
        for (int lat = latMin; lat <= latMax; lat += 10) {
            const int c = iMarsden(lat, lon);
            if (bMarsdenValide(c) && !vus[size_t(c)]) {
                vus[size_t(c)] = true;
                carres.push_back(c);
            }
        }
}
