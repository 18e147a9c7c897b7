// The page's isoline settings handed to a band object before each
// picture, in its stored units (value x scale, truncated toward zero and
// kept clear of the absent mark): a change shows at the next redraw.
#include "map/fdc.h"

#include "map/isoplages.h"

#include <cmath>

namespace {

bool bSansIntervalle(double pas)
{
    return pas == double(1.0e-37f);
}

// The reference isotherm in kelvin, taken toward zero to a multiple of
// the step (a step of 0 or less cannot divide: the plain reference).
int iReferenceIsotherme(int pas, int S, double celsius)
{
    const double multiple = pas > 0 ? pas * std::trunc(S * celsius / pas) : S * celsius;
    return iStockeBorne(multiple + S * 273.15);
}

}  // namespace

void fdc::vReglerIsoplages(isoplages& o) const
{
    const double S = o.echelle;
    o.opacite = opacite;
    o.isolignesActives = isolignes;
    switch (o.parametre) {
    case 2:
        o.pressionPas = iStockeBorne(isobareIntervalle * S * 100);
        o.pressionReference = iStockeBorne(isobareReference * S * 100);
        break;
    case 11: case 80:
        o.temperaturePas = iStockeBorne(S * isothermeIntervalle);
        o.temperatureReference = iReferenceIsotherme(o.temperaturePas, o.echelle, isothermeReference);
        break;
    case 34:
        if (bSansIntervalle(ventIntervalle)) {
            o.ventPas = ISOPLAGES_CLASSES;
            o.ventForceReference = ventClasse;
        } else {
            o.ventPas = iStockeBorne(ventIntervalle * S);
            o.ventReference = iStockeBorne(ventReference * S);
        }
        break;
    case 50:
        o.courantPas = iStockeBorne(S * courantIntervalle);
        o.courantReference = iStockeBorne(S * courantReference);
        break;
    case 52:
        o.humiditePas = iStockeBorne(humiditeIntervalle * S);
        o.humiditeReference = iStockeBorne(humiditeReference * S);
        break;
    case 61:
        o.pluiePas = iStockeBorne(S * pluieIntervalle);
        o.pluieReference = iStockeBorne(S * pluieReference);
        break;
    case 67:
        o.couchePas = iStockeBorne(S * couche67Intervalle);
        o.coucheReference = iStockeBorne(S * couche67Reference);
        break;
    case 100:
        if (bSansIntervalle(vaguesIntervalle)) {
            o.vaguePas = ISOPLAGES_CLASSES;
            o.vagueClasseReference = vaguesClasse;
            break;
        }
        [[fallthrough]];
    case 102: case 105: case 202: case 203:
        // These heights never use sea-state classes.
        o.vaguePas = iStockeBorne(bSansIntervalle(vaguesIntervalle) ? 2 * S : vaguesIntervalle * S);
        o.vagueReference = iStockeBorne(vaguesReference * S);
        break;
    case 103: case 106: case 108: case 110: case 201:
        o.periodePas = iStockeBorne(S * periodeIntervalle);
        o.periodeReference = iStockeBorne(S * periodeReference);
        break;
    default:
        break;
    }
}
