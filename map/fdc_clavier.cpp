// The keys of the map: pan and zoom (or the request zone), whole-world and
// home views, route edits, validity steps and a few switches.
#include "map/fdc.h"

#include "map/grille_isoplages.h"
#include "map/hote_carte.h"
#include "map/pays.h"
#include "routes/classe_route.h"
#include "routes/dru_routes.h"
#include "ui/selecteur.h"

#include <FL/Fl.H>
#include <algorithm>

namespace {

// The view pans, or on the request page with its frame shown the zone
// moves or is resized.
bool bZoneDuCadre(const fdc& c)
{
    return c.overlay && c.page == 0;
}

int iPanOuZone(fdc& c, int dx, int dy, int mouvement)
{
    if (!bZoneDuCadre(c)) {
        if (!c.bVueLibre())
            return 1;
        c.deplacer(dx, dy);
    } else {
        if (hoteCarte.zone)
            hoteCarte.zone(mouvement);
        c.overlay_output(2);
    }
    c.redraw();
    return 1;
}

// Page Up and Down: a predefined package keeps its zone's size.
int iZoomOuZone(fdc& c, double pas, int mouvement)
{
    if (!bZoneDuCadre(c) || iHote(hoteCarte.forfait)) {
        if (!c.bVueLibre())
            return 1;
        c.zoom(pas);
        c.redraw();
        return 1;
    }
    return iPanOuZone(c, 0, 0, mouvement);
}

// The whole-world and home views.
int iVers(fdc& c, double latitude, double longitude, double etendue)
{
    if (c.bVueLibre())
        c.zoom(latitude, longitude, etendue, 1);
    return 1;
}

// The route keys; 0 without an edited route.
int iRoute(fdc& c, int touche)
{
    classeRoute* r = Dru_Routes ? pRouteEditee() : nullptr;
    if (!r || (touche == 'z' && r->actif <= 1))
        return 0;
    const int positions = r->dernierNumero + 1;
    int rang = 0;
    bool fait = true;
    switch (touche) {
    case FL_Insert:
        fait = r->insert(r->actif - 1) != 0;
        rang = r->actif + 1;
        break;
    case FL_Delete:
        fait = r->del(r->actif - 1) != 0;
        rang = r->actif;
        break;
    case 'd':
        rang = r->classeRouteInsertionDateCourante();
        fait = rang != 0;
        break;
    default:
        r->actif = std::min(r->actif + (touche == 'r' ? 1 : -1), positions);
        Dru_Routes->vRefreshPosition(r);
        c.redraw();
        return 1;
    }
    if (fait) {
        Dru_Routes->vRemoveAddPack(r, rang);
        c.redraw();
    }
    return 1;
}

// Fields loaded from now on are refined 1, 2 or not at all (0); the
// displayed ones are loaded again.
void vOptimisation(fdc& c)
{
    OPTIMISATION = OPTIMISATION == 1 ? 2 : OPTIMISATION == 2 ? 0 : 1;
    if (c.champs && c.gribListe)
        c.vGrib(c.gribListe, c.gribParametres, c.gribValidites, c.boiteTitre, c.boiteSeconde,
                c.boiteDroite, c.boiteGauche);
}

}  // namespace

int fdc::clavier()
{
    const int touche = Fl::event_key();
    switch (touche) {
    case FL_Left:
        return iPanOuZone(*this, -10, 0, ZONE_OUEST);
    case FL_Up:
        return iPanOuZone(*this, 0, -10, ZONE_NORD);
    case FL_Right:
        return iPanOuZone(*this, 10, 0, ZONE_EST);
    case FL_Down:
        return iPanOuZone(*this, 0, 10, ZONE_SUD);
    case FL_Page_Up:
        return iZoomOuZone(*this, 1, ZONE_PLUS);
    case FL_Page_Down:
        return iZoomOuZone(*this, -1, ZONE_MOINS);
    case FL_Insert:
    case FL_Delete:
    case 'd':
    case 'r':
    case 'z':
        return iRoute(*this, touche);
    case 'a':
        return iVers(*this, 0, 180, 180);
    case 'f':
        return iVers(*this, 46, 1, 12);
    case 'g':
        return iVers(*this, 0, 0, 180);
    case 'c':
        if (hoteCarte.copierRequete)
            hoteCarte.copierRequete();
        return 1;
    case 'e':
        if (!Dru_Routes)
            return 0;
        Dru_Routes->vActivateRoute();
        return 1;
    case 'h':
    case 'n':
        if (page != 0 && hoteCarte.echeance)
            hoteCarte.echeance(page, touche == 'n');
        return 1;
    case 'p':
        POSITIONDDMMSS = !POSITIONDDMMSS;
        return 1;
    case 't':
        WINDOWS_NATIVE = !WINDOWS_NATIVE;
        return 1;
    case 'w':
        Pays();
        redraw();
        return 1;
    case 'x':
        if (page != 0)
            vOptimisation(*this);
        return 1;
    default:
        return 0;
    }
}
