// Moving the view: pan, zoom by steps, about the cursor and by auto-repeat,
// centre on a point or a zone, follow the widget's size, fit a locked view
// to the displayed grid.
#include "map/fdc.h"

#include "gribdata/champ_grib.h"
#include "gribdata/enregistrement_grib.h"
#include "map/zones.h"

#include <FL/Fl.H>
#include <algorithm>

namespace {

const double PAS_REPETITION = 0.05;

}  // namespace

void fdc::deplacer(int dx, int dy)
{
    oy += dy * echelleCourante;
    ox += dx * echelleCourante;
    vCentre();
    test_limites();
    recalculer(0);
}

int fdc::zoom(double steps)
{
    const double ancienne = echelleCourante;
    echelleCourante = echelleCourante - (echelleCourante / 10) * steps;
    test_zoom();
    if (ancreY == 0) {
        ox += (ancienne * largeur - largeur * echelleCourante) / 2;
        oy += (ancienne * hauteur - hauteur * echelleCourante) / 2;
    } else {
        // The anchor keeps its place on the screen.
        ox += (ancreX - ox) * (ancienne - echelleCourante) / ancienne;
        oy += (ancreY - oy) * (ancienne - echelleCourante) / ancienne;
    }
    test_limites();
    if (echelleCourante == ancienne)
        return 1;
    etendue = hauteur * echelleCourante * 180.0 / H;
    vCentre();
    recalculer(1);
    return 0;
}

void fdc::zoom(double latitude, double longitude, double span, int resize)
{
    // The new size first: it recomputes the centre of the old view.
    if (resize && verrou)
        redimensionner();
    centreLatitude = latitude;
    centreLongitude = longitude;
    if (span != 0)
        etendue = span;
    largeur = w();
    hauteur = h();
    if (span != 0) {
        echelleCourante = span * echelleVue / 180.0;
        test_zoom();
    }
    // Half the view's real height: when the scale was clamped the span
    // asked for is not what the view shows.
    ox = (W / 360.0) * (longitude + 180.0) - largeur * echelleCourante / 2;
    oy = (90.0 - latitude) * H / 180.0 - hauteur * echelleCourante / 2;
    test_limites();
    recalculer(1);
}

void fdc::redimensionner()
{
    largeur = w();
    hauteur = h();
    echelleVue = double(H) / std::max(1, hauteur);
    test_zoom();
    test_limites();
    vCentre();
    recalculer(1);
}

void fdc::mousewheel()
{
    ancreY = (Fl::event_y() - carteY) * echelleCourante + oy;
    ancreX = (Fl::event_x() - carteX) * echelleCourante + ox;
    zoom(Fl::event_dy() < 1 ? 1.0 : -1.0);
    if (overlay)
        vOverlayDepuisBornes();
    redraw();
}

void fdc::vArreterZooms()
{
    zoomIn = zoomOut = 0;
    Fl::remove_timeout(vZoomerTimeout, this);
    Fl::remove_timeout(vDezoomerTimeout, this);
}

void fdc::zoomerCallback()
{
    if (!bVueLibre() || zoomIn) {
        zoomIn = 0;
        return;
    }
    zoomIn = 1;
    zoomer(this);
}

void fdc::dezoomerCallback()
{
    if (!bVueLibre() || zoomOut) {
        zoomOut = 0;
        return;
    }
    zoomOut = 1;
    dezoomer(this);
}

void fdc::vZoomerTimeout(void* carte)
{
    zoomer(static_cast<fdc*>(carte));
}

void fdc::vDezoomerTimeout(void* carte)
{
    dezoomer(static_cast<fdc*>(carte));
}

void zoomer(fdc* carte)
{
    Fl::remove_timeout(fdc::vZoomerTimeout, carte);
    if (carte->zoomIn == 0 || !carte->bVueLibre() || carte->zoom(0.5) == 1) {
        carte->ancreX = carte->ancreY = 0;
        carte->zoomIn = 0;
        return;
    }
    ++carte->zoomIn;
    carte->zoomOut = 0;
    carte->redraw();
    Fl::add_timeout(PAS_REPETITION, fdc::vZoomerTimeout, carte);
}

void dezoomer(fdc* carte)
{
    Fl::remove_timeout(fdc::vDezoomerTimeout, carte);
    if (carte->zoomOut == 0 || !carte->bVueLibre() || carte->zoom(-0.5) == 1) {
        carte->zoomOut = 0;
        return;
    }
    ++carte->zoomOut;
    carte->zoomIn = 0;
    Fl::remove_timeout(fdc::vZoomerTimeout, carte);
    carte->redraw();
    Fl::add_timeout(PAS_REPETITION, fdc::vDezoomerTimeout, carte);
}

void fdc::zonesCallback(int row)
{
    if (!bVueLibre() || row < 0 || row >= iNombreZones())
        return;
    const TYPEDEF_ZONE& z = ZONES[row];
    zoom(z.latitude, z.longitude, z.etendue, 1);
}

void fdc::gribVerrou(int resize)
{
    if (!verrou || !champs || !champs->champ)
        return;
    const Grib* g = champs->champ;
    const float la1 = g->la1 / 1000.0f, la2 = g->la2 / 1000.0f;
    const float lo1 = g->lo1 / 1000.0f, lo2 = g->lo2 / 1000.0f;
    const double latitude = (la1 + la2) / 2;
    double longitude, largeurGrille;
    if (lo1 <= lo2) {
        longitude = (lo1 + lo2) / 2;
        largeurGrille = lo2 - lo1;
    } else {
        // The grid crosses the antimeridian.
        longitude = (lo1 - 360 + lo2) / 2;
        largeurGrille = lo2 - lo1 + 360;
    }
    const double span = std::max(largeurGrille / 1.4, double(la1 - la2) * 1.2);
    // An idle locked map keeps its view: rebuilding it would ask for
    // another drawing, and so on.
    if (latitude == centreLatitude && longitude == centreLongitude && span == etendue &&
        largeur == w() && hauteur == h() && (vueImage || vuePixmap || (!photo && !pixmap)))
        return;
    zoom(latitude, longitude, span, resize);
}
