// The middle click on a viewer map: the band field's value under the
// cursor, reduced to a multiple of its family's interval, becomes that
// family's isoline reference.
#include "map/fdc.h"

#include "gribdata/champ_grib.h"
#include "gribdata/enregistrement_grib.h"
#include "map/classes_bandes.h"
#include "map/grille_champ.h"

#include <FL/Fl.H>
#include <cmath>
#include <initializer_list>

namespace {

// v reduced toward zero to a multiple of the interval (an interval of 0
// leaves it as it is).
double dMultiple(double v, double pas)
{
    return pas != 0.0 ? v - std::fmod(v, pas) : v;
}

bool bSansIntervalle(double pas)
{
    return pas == double(1.0e-37f);
}

// The value of the field under (latitude, longitude), the longitude taken
// in whichever turn lies on the grid; false outside the grid or on an
// absent point.
bool bValeurSous(const Grib& g, double latitude, double longitude, double& v)
{
    const float* valeurs = g.parametre == 34 || g.parametre == 50 ? g.valeurs2 : g.valeurs;
    if (!valeurs || !bGrilleUtilisable(g))
        return false;
    const double lo1 = g.lo1 / 1000.0, lo2 = g.lo2 / 1000.0;
    for (double tour : {0.0, -360.0, 360.0}) {
        const double lon = longitude + tour;
        if (lon < lo1 || lon > lo2)
            continue;
        const double ligne = std::rint((g.la1 / 1000.0 - latitude) / fPasDegres(g.dj));
        const double colonne = std::rint((lon - lo1) / fPasDegres(g.di));
        if (!(ligne >= 0 && ligne < g.nj && colonne >= 0 && colonne < g.ni))
            return false;
        v = valeurs[size_t(ligne) * size_t(g.ni) + size_t(colonne)];
        return v != double(GRIB_ABSENT);
    }
    return false;
}

void vReference(fdc& c, int parametre, double v)
{
    switch (parametre) {
    case 2:
        c.isobareReference = int(dMultiple(v / 100, c.isobareIntervalle));
        break;
    case 11: case 80:
        c.isothermeReference = dMultiple(v - 273.15, c.isothermeIntervalle);
        break;
    case 52:
        c.humiditeReference = int(dMultiple(v, c.humiditeIntervalle));
        break;
    case 34:
        if (bSansIntervalle(c.ventIntervalle))
            c.ventClasse = iForceBeaufort(float(v));
        else
            c.ventReference = dMultiple(v, c.ventIntervalle);
        break;
    case 50: c.courantReference = dMultiple(v, c.courantIntervalle); break;
    case 61: c.pluieReference = dMultiple(v, c.pluieIntervalle); break;
    case 67: c.couche67Reference = dMultiple(v, c.couche67Intervalle); break;
    case 100: case 102: case 105: case 202: case 203:
        if (bSansIntervalle(c.vaguesIntervalle))
            c.vaguesClasse = iClasseMer(float(v));
        else
            c.vaguesReference = dMultiple(v, c.vaguesIntervalle);
        break;
    case 103: case 106: case 108: case 110: case 201:
        c.periodeReference = std::trunc(dMultiple(v, c.periodeIntervalle));
        break;
    default:
        break;
    }
}

}  // namespace

void fdc::change_reference()
{
    if (!champs || !isoplageAffichee || !isoplageAffichee->champ)
        return;
    const Grib& g = *isoplageAffichee->champ;
    double v;
    if (!bValeurSous(g, dLatitude(Fl::event_y()), dLongitude(Fl::event_x()), v))
        return;
    // No family has values this large: the references keep a sane range.
    if (!(std::fabs(v) < 1.0e9))
        return;
    vReference(*this, g.parametre, v);
    redraw();
}
