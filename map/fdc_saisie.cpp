// The mouse on the map: entering and leaving, moves, presses and double
// clicks.
#include "map/fdc.h"

#include "gribdata/champ_grib.h"
#include "gribdata/enregistrement_grib.h"
#include "map/hote_carte.h"
#include "map/popup_overlay.h"
#include "routes/classe_route.h"
#include "routes/dru_routes.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

namespace {

bool bLectureMontree()
{
    return popupOverlay && popupOverlay->visible();
}

// The read-out is on as the user sees it: its popup shows, or it waits,
// on a map showing a file, for a validity with a field to read.
bool bLectureActive(const fdc& c)
{
    return bLectureMontree() || (c.lecture && c.gribListe && !c.bChampLisible());
}

// Turns the read-out off, hiding its popup.
void vCacherLecture(fdc& c)
{
    if (!bLectureActive(c))
        return;
    if (bLectureMontree())
        popupOverlay->hide();
    c.lecture = 0;
}

// Counts a press of one button in a row (0 left, 1 middle, 2 right).
void vCompterPression(fdc& c, int bouton)
{
    int* compteurs[3] = {&c.pressionGauche, &c.pressionMilieu, &c.pressionDroite};
    for (int i = 0; i < 3; ++i)
        *compteurs[i] = i == bouton ? *compteurs[i] + 1 : 0;
}

// A single click stops any auto-repeat zoom; true when one ran.
bool bArreterRepetition(fdc& c)
{
    if (!c.zoomIn && !c.zoomOut)
        return false;
    c.vArreterZooms();
    if (hoteCarte.titre)
        hoteCarte.titre(&c);
    Fl::event_is_click(0);
    return true;
}

void vDoubleClic(fdc& c, bool gauche, bool milieu, bool droit)
{
    if (!c.bVueLibre())
        return;
    if (gauche) {
        if (c.zoomOut > 1) {
            c.zoomOut = 0;
            Fl::remove_timeout(fdc::vDezoomerTimeout, &c);
        }
        if (c.zoomIn)
            return;
        c.zoomIn = 1;
        c.ancreY = (Fl::event_y() - c.carteY) * c.echelleCourante + c.oy;
        c.ancreX = (Fl::event_x() - c.carteX) * c.echelleCourante + c.ox;
        zoomer(&c);
        if (hoteCarte.titre)
            hoteCarte.titre(&c);
    } else if (droit && !milieu) {
        c.ancreX = c.ancreY = 0;
        if (c.zoomIn > 1) {
            c.zoomIn = 0;
            Fl::remove_timeout(fdc::vZoomerTimeout, &c);
        }
    }
}

// The edited route's active position moves to the cursor.
void vDeplacerPosition(fdc& c, classeRoute& r, double latitude, double longitude)
{
    r.change(r.actif - 1, latitude, longitude);
    classePosition* p = r.position(r.actif - 1);
    const int devientUtilisateur = p && p->type == 2;
    if (devientUtilisateur)
        p->type = 1;
    Dru_Routes->vModifyPosition(&r, devientUtilisateur);
    c.redraw();
}

// A position appended to the edited route at the cursor: dated from the
// previous point's speed, or at the validity shown.
void vAjouterPosition(fdc& c, classeRoute& r, double latitude, double longitude)
{
    r.append();
    if (c.champs && c.champs->champ)
        r.set(long(c.champs->champ->tValidite), latitude, longitude);
    else
        r.set(latitude, longitude, 1);
    r.recalcul(0);
    Dru_Routes->vRemoveAddPack(&r, 99999);
    c.redraw();
}

void vClicDroit(fdc& c, int bouton, double latitude, double longitude)
{
    if (bArreterRepetition(c))
        return;
    if (classeRoute* r = Dru_Routes ? pRouteEditee() : nullptr) {
        vAjouterPosition(c, *r, latitude, longitude);
    } else if (c.page != 0 && c.gribListe) {
        // Whatever the validity: one without a field is read once the
        // page steps to one with it.
        if (bouton != 1)
            return;
        if (bLectureActive(c)) {
            vCacherLecture(c);
        } else {
            c.lecture = 1;
            c.mousemove();
        }
    } else if (c.page == 0 && c.overlay) {
        if (hoteCarte.zone) {
            hoteCarte.zone(ZONE_OUEST);
            hoteCarte.zone(ZONE_EST);
        }
        c.overlay_deplace();
        c.overlay_output(2);
    } else if (c.bVueLibre()) {
        c.zoom(latitude, longitude, c.etendue, 1);
    }
}

}  // namespace

int fdc::handle(int event)
{
    switch (event) {
    case FL_ENTER:
        vPrendreClavier();
        return 1;
    case FL_LEAVE:
        // Only the keyboard this map took goes back to the window.
        if (Fl::focus() == this)
            if (Fl_Window* principale = top_window())
                Fl::focus(principale);
        vCacherLecture(*this);
        return 1;
    default:
        break;
    }
    const bool suitePression = event == FL_DRAG || event == FL_RELEASE;
    if (event > FL_MOUSEWHEEL || (!suitePression && !bPointeurDessus()))
        return 0;
    switch (event) {
    case FL_PUSH:
        return bouton_presse(1);
    case FL_RELEASE:
        fl_cursor(FL_CURSOR_DEFAULT, FL_BLACK, FL_WHITE);
        pressionGauche = pressionMilieu = pressionDroite = 0;
        return 1;
    case FL_DRAG:
        if (bVueLibre())
            mousedrag();
        return 1;
    case FL_KEYDOWN:
    case FL_SHORTCUT:
        return clavier();
    case FL_MOVE:
        // The toolkit sends no enter to a map already under the pointer
        // when its window shows again (full screen): a move gives the keys.
        if (Fl::focus() != this)
            vPrendreClavier();
        mousemove();
        return 1;
    case FL_MOUSEWHEEL:
        if (bVueLibre())
            mousewheel();
        return 1;
    default:
        return 0;
    }
}

// The position is stored before the read-out, which reads it: the values
// shown are those under the cursor, not at the previous event's place.
void fdc::mousemove()
{
    // A move lets go of the request frame.
    priseX = 0;
    coordonneesmouse();
    curseurX = Fl::event_x() - carteX;
    curseurY = Fl::event_y() - carteY;
    if (lecture)
        mouseValeurs();
}

int fdc::bouton_presse(int bouton)
{
    const int etat = Fl::event_state();
    const bool gauche = etat & FL_BUTTON1, milieu = etat & FL_BUTTON2, droit = etat & FL_BUTTON3;
    if (Fl::event_clicks()) {
        vDoubleClic(*this, gauche, milieu, droit);
        // A third click is not a double click.
        Fl::event_is_click(0);
        return 1;
    }
    const double latitude = dLatitude(Fl::event_y()), longitude = dLongitude(Fl::event_x());
    if (gauche) {
        vCacherLecture(*this);
        fl_cursor(FL_CURSOR_MOVE, FL_BLACK, FL_WHITE);
        vCompterPression(*this, 0);
        classeRoute* r = Dru_Routes ? pRouteEditee() : nullptr;
        if (!bArreterRepetition(*this) && r)
            vDeplacerPosition(*this, *r, latitude, longitude);
    } else if (milieu) {
        vCacherLecture(*this);
        vCompterPression(*this, 1);
        if (page != 0)
            change_reference();
    } else if (droit) {
        vCompterPression(*this, 2);
        vClicDroit(*this, bouton, latitude, longitude);
    }
    return 1;
}
