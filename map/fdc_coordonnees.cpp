// Conversions between the map's pixels and latitude / longitude, the view's
// limits and the cursor read-out.
#include "map/fdc.h"

#include "codes/navigation.h"
#include "ui/place_libelle.h"

#include <FL/Fl.H>
#include <FL/Fl_Input_.H>
#include <FL/Fl_Window.H>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace {

// The width a field shows of its text: inside its box, less the 2 pixels
// the toolkit keeps on each side.
int iLargeurVisible(const Fl_Input_& champ)
{
    return champ.w() - Fl::box_dw(champ.box()) - 4;
}

// A position written whole from its first character: a text cut at its
// start would read 8° for 48°. Where the field's own size is too wide
// for it, a smaller one. Fonts are measured only on a window shown: a
// field nobody sees may have no display to measure with.
void vEcrirePosition(Fl_Input_& champ, const char* texte)
{
    const bool montre = champ.window() && champ.window()->shown();
    champ.textsize(montre ? iTailleAjustee(texte, champ.textfont(), FDC_ENTREE_TAILLE,
                                           iLargeurVisible(champ), FDC_ENTREE_TAILLE_MIN)
                          : FDC_ENTREE_TAILLE);
    champ.value(texte);
    champ.position(0);
    champ.redraw();
}

}  // namespace

VueCarte fdc::vueCarte() const
{
    VueCarte v;
    v.W = W, v.H = H, v.largeur = largeur, v.hauteur = hauteur;
    v.x = carteX, v.y = carteY, v.ox = ox, v.oy = oy, v.s = echelleCourante;
    return v;
}

double fdc::dLongitudeDecalage() const
{
    return vueCarte().decalageLongitude();
}

double fdc::dLatitude(int sy) const
{
    return vueCarte().latitude(sy - carteY);
}

double fdc::dLongitude(int sx) const
{
    return vueCarte().longitude(sx - carteX);
}

double fdc::dLigne(double latitude) const
{
    return vueCarte().ligne(latitude);
}

int fdc::iColonne(double longitude) const
{
    return iTronqueBorne(vueCarte().colonne(longitude));
}

void fdc::vCentre()
{
    centreLatitude = 90.0 - ((hauteur / 2) * echelleCourante + oy) * 180.0 / H;
    centreLongitude = ((largeur / 2) * echelleCourante + ox) * 360.0 / W + dLongitudeDecalage();
}

void fdc::test_zoom()
{
    if (echelleCourante > echelleVue)
        echelleCourante = echelleVue;
    else if (echelleCourante > echelleMax)
        echelleVue = echelleCourante = echelleMax;
    else if (echelleMin > echelleCourante)
        echelleCourante = echelleMin;
    else if (echelleGribMin > echelleCourante)
        echelleCourante = echelleGribMin;
}

int fdc::test_limites()
{
    if (oy < 0)
        oy = 0;
    const double bas = std::rint(hauteur * echelleCourante + oy);
    if (bas > H) {
        oy = H - hauteur * echelleCourante;
        if (oy < 0) {
            oy = 0;
            echelleCourante = echelleVue;
        }
    }
    return int(bas);
}

void fdc::vEnrouler()
{
    if (ox < -W || (ox < 0 && largeur * echelleCourante + ox < 0))
        ox += W;
    else if (ox >= W)
        ox -= W;
    if (ox > ancreX)
        ancreX += W;
    else if (ancreX > ox + W)
        ancreX -= W;
}

int fdc::DMS(int isLongitude, double degrees, char* out)
{
    const long s = std::labs(std::lrint(degrees * 3600.0));
    const int d = int(s / 3600), m = int((s % 3600) / 60), sec = int(s % 60);
    // The letter test is strict: the equator is S, Greenwich W.
    if (isLongitude)
        std::snprintf(out, FDC_TEXTE_POSITION, " %3d\u00b0%2.2d'%2.2d\"%c", d, m, sec,
                      degrees > 0 ? 'E' : 'W');
    else
        std::snprintf(out, FDC_TEXTE_POSITION, " %2d\u00b0%2.2d'%2.2d\"%c", d, m, sec,
                      degrees > 0 ? 'N' : 'S');
    return int(std::strlen(out));
}

int fdc::iDecimal(int isLongitude, double degrees, char* out)
{
    const char lettre = isLongitude ? (degrees > 0 ? 'E' : 'W') : (degrees > 0 ? 'N' : 'S');
    std::snprintf(out, FDC_TEXTE_POSITION, " %6.4f%c", std::fabs(degrees), lettre);
    return int(std::strlen(out));
}

// The read-out follows the pointer over this map only. A drawing does not
// write it (a field changed during another widget's drawing is not drawn
// again), nor does it overwrite the field the user is typing in.
void fdc::coordonneesmouse()
{
    if (!bPointeurDessus() || dessinEnCours)
        return;
    static char latitude[FDC_TEXTE_POSITION];
    static char longitude[FDC_TEXTE_POSITION];
    const double lat = dLatitude(Fl::event_y());
    const double lon = dReplieLongitude(dLongitude(Fl::event_x()));
    if (POSITIONDDMMSS) {
        DMS(0, lat, latitude);
        DMS(1, lon, longitude);
    } else {
        iDecimal(0, lat, latitude);
        iDecimal(1, lon, longitude);
    }
    for (auto [entree, texte] : {std::pair{FDC_ENTREE_LATITUDE, latitude},
                                 std::pair{FDC_ENTREE_LONGITUDE, longitude}})
        if (entree && Fl::focus() != entree)
            vEcrirePosition(*entree, texte);
}
