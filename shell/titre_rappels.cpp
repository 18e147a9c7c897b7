// The title bar's callbacks. Every map tool looks the page in front up
// afresh and does nothing when no page is visible.
#include "shell/titre.h"

#include "gribdata/globales.h"
#include "map/fdc.h"
#include "map/popup_overlay.h"
#include "map/saisie_position.h"
#include "pages/vr.h"
#include "shell/gui.h"
#include "shell/titre_fabrique.h"
#include "ui/aide.h"
#include "ui/alerte_differee.h"
#include "ui/boutons.h"
#include "ui/configuration.h"
#include "ui/globales_ui.h"
#include "ui/images/images.h"
#include "ui/langage.h"
#include "ui/libelles.h"
#include "ui/local.h"
#include "ui/saisie_annulable.h"

#include <FL/Fl_Float_Input.H>
#include <FL/Fl_Menu_.H>
#include <FL/Fl_RGB_Image.H>
#include <cmath>
#include <cstdio>
#include <string>

namespace {

classGroupeTitre* titreDe(void* donnees)
{
    return static_cast<classGroupeTitre*>(donnees);
}

// A position refused: the field shows its position again and the reason
// comes later, once. The callback runs on an unfocus or on the hide of the
// tool row too, where no box may open.
void vRefuser(ChampAnnulable<Fl_Float_Input>* champ, const char* raison, const std::string& texte)
{
    vJournal("<TITRE>", "position refusee (%s): %.40s\n", raison, texte.c_str());
    champ->vRetablir();
    char alerte[256];
    std::snprintf(alerte, sizeof alerte, "%s \"%.40s\"", pcTraduire(raison), texte.c_str());
    vAlerteDifferee(alerte);
}

// A typed coordinate re-centres the view, the other one kept, and the
// request frame with it. It reads what the map's read-out writes there
// or decimal degrees; anything else, or out of range, is refused, and so
// is any position on a locked map, which keeps its view.
void vRecentrer(Fl_Widget* entree, bool latitude)
{
    auto* champ = static_cast<ChampAnnulable<Fl_Float_Input>*>(entree);
    double v = 0;
    const std::string texte = champ->value() ? champ->value() : "";
    if (!bLirePosition(texte.c_str(), !latitude, v)) {
        vRefuser(champ, latitude ? CLE_LOCAL("Latitude incorrecte") : CLE_LOCAL("Longitude incorrecte"),
                 texte);
        return;
    }
    fdc* carte = classGroupeTitre::pCarteDevant();
    if (!carte)
        return;
    if (!carte->inputCallback(latitude ? 1 : 0, float(v)))
        vRefuser(champ, CLE_LOCAL("Carte verrouillee, position non appliquee"), texte);
}

// Starts or stops the repeat; both buttons then show the map's counters
// (a zoom out that starts stops the zoom in).
void vZoom(void* donnees, void (fdc::*bascule)())
{
    fdc* carte = classGroupeTitre::pCarteDevant();
    if (!carte)
        return;
    (carte->*bascule)();
    titreDe(donnees)->vMontrerZooms(carte);
}

void vFond(void* donnees, int kind, int cycle)
{
    fdc* carte = classGroupeTitre::pCarteDevant();
    if (!carte)
        return;
    carte->fdcCallback(kind, cycle);
    titreDe(donnees)->vMontrerFond(kind);
}

}  // namespace

void classGroupeTitre::vBoutonLangage(Fl_Widget* bouton, void* donnees)
{
    static const char* const CODES[4] = {"fr", "en", "de", "sp"};
    const int n = static_cast<Fl_Button*>(bouton)->shortcut();
    // Another window open: no change, and the flag pressed goes back up.
    if (!bLangageModifiable() || n < 0 || n > 3) {
        titreDe(donnees)->setDrapeau();
        return;
    }
    change_langage(CODES[n]);
}

void classGroupeTitre::vBoutonSkins(Fl_Widget* bouton, void* donnees)
{
    classGroupeTitre* titre = titreDe(donnees);
    Fl_Button* b = static_cast<Fl_Button*>(bouton);
    Fl_Window* fenetre = titre->window();
    if (!fenetre)
        return;
    if (b->value()) {
        titre->pleinX = fenetre->x(), titre->pleinY = fenetre->y();
        titre->pleinW = fenetre->w(), titre->pleinH = fenetre->h();
        fenetre->fullscreen();
        b->image(image_full_off);
        vBulle(b, CLE_LOCAL("Minimiser la fenetre tooltip"));
    } else {
        fenetre->fullscreen_off(titre->pleinX, titre->pleinY, titre->pleinW, titre->pleinH);
        b->image(image_full_on);
        vBulle(b, CLE_LOCAL("Maximiser la fenetre tooltip"));
    }
    // The read-out would float where the window's edge was.
    vCacherPopupOverlay();
    if (fenetre == GUI) {
        GUI->largeurConnue = GUI->w();
        GUI->hauteurConnue = GUI->h();
    }
    titre->changeTaille(fenetre->w(), fenetre->h(), 0);
}

void classGroupeTitre::vInputLatCallback(Fl_Widget* entree, void*)
{
    vRecentrer(entree, true);
}

void classGroupeTitre::vInputLonCallback(Fl_Widget* entree, void*)
{
    vRecentrer(entree, false);
}

void classGroupeTitre::zoomerCallback(Fl_Widget*, void* donnees)
{
    vZoom(donnees, &fdc::zoomerCallback);
}

void classGroupeTitre::dezoomerCallback(Fl_Widget*, void* donnees)
{
    vZoom(donnees, &fdc::dezoomerCallback);
}

void classGroupeTitre::vBoutonFdc0Callback(Fl_Widget*, void* donnees)
{
    vFond(donnees, FDC_SATELLITE, 1);
}

void classGroupeTitre::vBoutonFdc1Callback(Fl_Widget*, void* donnees)
{
    vFond(donnees, FDC_DESSINEE, 1);
}

void classGroupeTitre::vBoutonFdc4Callback(Fl_Widget*, void* donnees)
{
    vFond(donnees, FDC_VECTEUR, 0);
}

void classGroupeTitre::vMenuZonesCallback(Fl_Widget* menu, void*)
{
    fdc* carte = pCarteDevant();
    // No item chosen is -1: the map ignores a row outside its table.
    if (carte)
        carte->zonesCallback(static_cast<Fl_Menu_*>(menu)->value());
}

void classGroupeTitre::vBoutonZonesBulletinsCallback(Fl_Widget* bouton, void* donnees)
{
    fdc* carte = pCarteDevant();
    if (!carte)
        return;
    // The button shows the overlay on: beneath goes on top, on top goes off.
    int& mode = carte->zonesGmdss;
    if (static_cast<Fl_Button*>(bouton)->value())
        mode = mode == 1 ? 2 : 0;
    else
        mode = 1;
    titreDe(donnees)->vMontrerZonesBulletins(mode);
    bouton->redraw();
    carte->redraw();
}

void classGroupeTitre::vBoutonHelp(Fl_Widget* bouton, void*)
{
    if (vr* page = pPageDevant())
        AIDE::vAideCallback(bouton, page);
}

void classGroupeTitre::vBoutonEdit(Fl_Widget*, void*)
{
    if (GUI)
        GUI->vEditeur();
}

void classGroupeTitre::vBoutonAide(Fl_Widget*, void*)
{
    // A button of no group: made inside an open group it would land there.
    SansGroupeCourant sans;
    Fl_Button page(0, 0, 10, 10);
    page.hide();
    page.shortcut(10);
    vBoutonRequeteurVisualisateurAideCallback(&page, nullptr);
}

void classGroupeTitre::vBoutonConnecterCallback(Fl_Widget* bouton, void*)
{
    classeBouton* b = static_cast<classeBouton*>(bouton);
    MODE_CONNECTE = b->value() ? 0 : 1;
    b->value(MODE_CONNECTE);
    b->image(MODE_CONNECTE ? skin1_image_connecter : skin1_image_deconnecter);
    // A bulletin selection made for one mode is not sent in the other.
    if (gvr && gvr[0])
        vr::vBoutonRequeteurGmdssReinitialiseCallback(b, gvr[0]);
    b->redraw();
}
