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
    // A family's step and reference from its interval and reference.
    auto regler = [S](int& pas, int& reference, double intervalle, double valeur) {
        pas = iStockeBorne(S * intervalle);
        reference = iStockeBorne(S * valeur);
    };
    o.opacite = opacite;
    o.isolignesActives = isolignes;
    switch (o.parametre) {
    case 2:
        regler(o.pressionPas, o.pressionReference, isobareIntervalle * 100.0, isobareReference * 100.0);
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
            regler(o.ventPas, o.ventReference, ventIntervalle, ventReference);
        }
        break;
    case 50: regler(o.courantPas, o.courantReference, courantIntervalle, courantReference); break;
    case 52: regler(o.humiditePas, o.humiditeReference, humiditeIntervalle, humiditeReference); break;
    case 61: regler(o.pluiePas, o.pluieReference, pluieIntervalle, pluieReference); break;
    case 67: regler(o.couchePas, o.coucheReference, couche67Intervalle, couche67Reference); break;
    case 100:
        if (bSansIntervalle(vaguesIntervalle)) {
            o.vaguePas = ISOPLAGES_CLASSES;
            o.vagueClasseReference = vaguesClasse;
            break;
        }
        [[fallthrough]];
    case 102: case 105: case 202: case 203:
        // These heights never use sea-state classes.
        regler(o.vaguePas, o.vagueReference, bSansIntervalle(vaguesIntervalle) ? 2.0 : vaguesIntervalle,
               vaguesReference);
        break;
    case 103: case 106: case 108: case 110: case 201:
        regler(o.periodePas, o.periodeReference, periodeIntervalle, periodeReference);
        break;
    default:
        break;
    }
}
