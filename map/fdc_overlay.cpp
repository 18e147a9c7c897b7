// The request frame's bounds: snapped and published through the request
// page after every change, taken from the zone fields, hidden, and moved
// onto the view's centre or the pointer.
#include "map/fdc.h"

#include "gribdata/age_reseau.h"
#include "map/cadre_carte.h"
#include "map/hote_carte.h"
#include "ui/horloge.h"

#include <FL/Fl.H>
#include <algorithm>

Fl_RGB_Image* FDCTR = nullptr;

namespace {

// The frame's envelope over the moving zone: the frame and its centre
// carried to the last pressed time (times are the buttons' numbers);
// false when the zone is fixed or no time is pressed.
bool bEnveloppeMobile(const fdc& c, double& n, double& s, double& w, double& e)
{
    ZoneMobile z;
    z.essai = 1;
    if (!hoteCarte.zoneMobile || !hoteCarte.zoneMobile(z))
        return false;
    const int age = iAgeReseau(iHote(hoteCarte.modele), heurecourante);
    bool presse = false;
    double lat = 0, lon = 0;
    for (const TempsZone& t : z.temps) {
        if (!t.presse)
            continue;
        presse = true;
        vCentreMobile((c.cadreNord + c.cadreSud) / 2, (c.cadreOuest + c.cadreEst) / 2, z.cap,
                      z.vitesse, iAvanceEcheance(t.numero, age), c.cadreOuest, lat, lon);
    }
    if (!presse)
        return false;
    n = std::max(lat, c.cadreNord);
    s = std::min(lat, c.cadreSud);
    w = std::min(lon, c.cadreOuest);
    e = std::max(lon, c.cadreEst);
    return true;
}

// The frame of the same size centred on a point, kept on the globe.
void vCentrer(double latitude, double longitude, double demiHauteur, double demiLargeur,
              double& n, double& s, double& w, double& e)
{
    n = latitude + demiHauteur;
    s = latitude - demiHauteur;
    w = longitude - demiLargeur;
    e = longitude + demiLargeur;
    vCadreDansLeGlobe(n, s);
}

}  // namespace

void fdc::overlay_cadre()
{
    double n = cadreNord, s = cadreSud, w = cadreOuest, e = cadreEst;
    const bool mobile = bEnveloppeMobile(*this, n, s, w, e);
    if (hoteCarte.setgetCoordonnees)
        hoteCarte.setgetCoordonnees(cadreNord, cadreSud, cadreOuest, cadreEst);
    if (hoteCarte.vZone)
        hoteCarte.vZone(cadreNord, cadreSud, cadreOuest, cadreEst);
    if (hoteCarte.setgetCoordonnees)
        hoteCarte.setgetCoordonnees(cadreNord, cadreSud, cadreOuest, cadreEst);
    if (hoteCarte.cadreModele) {
        if (mobile)
            hoteCarte.cadreModele(n, s, w, e);
        else
            hoteCarte.cadreModele(cadreNord, cadreSud, cadreOuest, cadreEst);
    }
    coordonneesmouse();
    if (hoteCarte.redessinerZone)
        hoteCarte.redessinerZone();
}

void fdc::overlay_output(int mode)
{
    if (mode == 1) {
        overlay = 0;
        redraw();
        return;
    }
    if (mode == 2) {
        double n, s, w, e;
        if (!hoteCarte.getCoordonnees || !hoteCarte.getCoordonnees(n, s, w, e))
            return;
        if (w > e)
            w -= 360;
        cadreNord = n, cadreSud = s, cadreOuest = w, cadreEst = e;
        overlay_cadre();
        etendueCadreLatitude = cadreNord - cadreSud;
        etendueCadreLongitude = cadreEst - cadreOuest;
        vOverlayDepuisBornes();
        overlay = 1;
    }
    // The texts are drawn by the map's drawing only: the other modes ask
    // for it.
    if (mode == 0 && dessinEnCours)
        vEcrireBornesCadre();
    coordonneesmouse();
    if (mode != 0)
        redraw();
}

void fdc::overlay_move()
{
    if (!overlay)
        return;
    const float demiHauteur = float((cadreNord - cadreSud) / 2);
    const float demiLargeur = float((cadreEst - cadreOuest) / 2);
    vCentrer(centreLatitude, centreLongitude, demiHauteur, demiLargeur, cadreNord, cadreSud,
             cadreOuest, cadreEst);
    overlay_cadre();
    overlay_output(0);
    redraw();
}

void fdc::overlay_deplace()
{
    if (!overlay)
        return;
    const double latitude = dLatitude(Fl::event_y()), longitude = dLongitude(Fl::event_x());
    // The zone fields take the frame; the map reads it back from them.
    double n, s, w, e;
    vCentrer(latitude, longitude, (cadreNord - cadreSud) / 2, (cadreEst - cadreOuest) / 2, n, s,
             w, e);
    if (hoteCarte.vZone)
        hoteCarte.vZone(n, s, w, e);
    if (hoteCarte.setCoordonnees)
        hoteCarte.setCoordonnees(n, s, w, e);
}

bool fdc::inputCallback(int which, float value)
{
    if (!bVueLibre())
        return false;
    if (which)
        zoom(value, centreLongitude, 0, 1);
    else
        zoom(centreLatitude, value, 0, 1);
    if (overlay)
        overlay_move();
    return true;
}
