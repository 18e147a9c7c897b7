// The map's drawing: the splash during start-up, then the base image and
// the layers in their fixed order.
#include "map/fdc.h"

#include "map/chargement_fonds.h"
#include "map/hote_carte.h"
#include "map/satellite.h"
#include "ui/calcul_image.h"
#include "ui/palette.h"

#include <FL/Fl_Shared_Image.H>
#include <FL/fl_draw.H>

namespace {

// Metarea zones beneath (mode 1) the layer drawn between, or over it (2).
template <class Couche>
void vSousZones(fdc& c, Couche&& couche)
{
    if (c.zonesGmdss == 1)
        c.bulletins(1);
    couche();
    if (c.zonesGmdss == 2)
        c.bulletins(2);
}

// What the page draws over the coastline. The request page's sub-pages
// come first, whatever page the map belongs to.
void vCouchesPage(fdc& c)
{
    switch (iHote(hoteCarte.sousPage)) {
    case SOUS_PAGE_GRIB:
        if (iHote(hoteCarte.zoneRequete))
            c.modeles();
        vSousZones(c, [&c] { c.drawLatLon(); });
        return;
    case SOUS_PAGE_BULLETINS:
        c.bulletins(0);
        return;
    case SOUS_PAGE_IMAGES:
        c.images();
        c.preisos();
        vSousZones(c, [] {});
        return;
    default:
        break;
    }
    if (c.page == 0) {
        vSousZones(c, [&c] { c.drawLatLon(); });
        return;
    }
    // The field labels go over the graticule and the white zones.
    vSousZones(c, [&c] {
        c.drawgrib(0);
        c.drawLatLon();
    });
    c.drawgrib(1);
}

}  // namespace

void fdc::draw()
{
    fl_push_clip(x(), y(), w(), h());
    if (DEMARRAGE && interlude) {
        vDessinerCouvrant(interlude, x(), y(), w(), h());
        draw_message(0, nullptr);
        fl_pop_clip();
        return;
    }
    dessinEnCours = 1;
    const int redimensionne = w() != largeur || h() != hauteur;
    if (redimensionne)
        redimensionner();
    gribVerrou(1);
    if (vueImage) {
        vueImage->draw(x(), y());
    } else if (vuePixmap) {
        vuePixmap->draw(x(), y());
    } else {
        // The coastline paints the sea once its levels are loaded.
        fl_color(FL_MER);
        fl_rectf(x(), y(), w(), h());
    }
    if ((niveauTraitCote != 0 || fond == FDC_VECTEUR) && LOAD_TDC) {
        draw_tdc(redimensionne, niveauTraitCote);
        pays();
        pays2();
    }
    vCouchesPage(*this);
    if (fond == FDC_SATELLITE)
        draw_message(2, FDCHAINE);
    if (overlay && page == 0)
        draw_overlay(redimensionne);
    drawRoutes();
    if (chargementAffiche)
        draw_message(0, nullptr);
    // The read-out follows the forecast time just drawn.
    if (page != 0 && lecture && animation)
        mouseValeurs();
    echelle();
    // Over a map showing no field: a forecast is never hidden by it.
    if (!champs)
        draw_message(3, nullptr);
    dessinEnCours = 0;
    fl_pop_clip();
}
