// The main window's pages and the windows it owns beside them: the
// read-out popup and the transfer slots' popups.
#include "shell/gui.h"

#include "gribdata/globales.h"
#include "map/popup_overlay.h"
#include "pages/vr.h"
#include "transport/canaux.h"
#include "transport/popup_http.h"
#include "transport/scan.h"
#include "transport/threads_http.h"
#include "ui/gestion_interfaces.h"
#include "ui/globales_ui.h"
#include "ui/horloge.h"

#include <FL/Fl.H>
#include <FL/Fl_Help_View.H>
#include <FL/Fl_Tabs.H>
#include <cstdlib>

namespace {

const char* const ETIQUETTE = "<GUI>";

}  // namespace

void gui::new_tab()
{
    if (ngvr >= VR_PAGES) {
        vJournal(ETIQUETTE, "page %d refusee: dix pages au plus\n", ngvr + 1);
        std::exit(1);
    }
    if (!gvr)
        gvr = new vr*[VR_PAGES]();
    vr* page = new vr(0, 99, INTERFACE_LARGEUR, hauteurOnglets, nullptr);
    gvr[ngvr] = page;
    page->initialisation(this, INTERFACE_FDC_HAUTEUR, ngvr);
    ++ngvr;
    // The home page stays the last tab.
    onglets->remove(accueil);
    onglets->add(accueil);
}

void gui::gshow()
{
    for (int i = 0; i < VR_PAGES; ++i)
        new_tab();
    Fl_Group::current(nullptr);
    popupOverlay = new PopupOverlay(this);
    Fl::focus(this);
    vInitialiserCanaux();
}

gui::~gui()
{
    vJournal(ETIQUETTE, "sortie demandée\n");
    // Transfer threads still running leave the widgets alone from now on.
    vArretTransferts();
    Fl::remove_timeout(clock_Date, this);
    Fl::remove_timeout(scan_newfiles, this);
    vueAide->link(nullptr);
    for (int i = 0; gvr && i < VR_PAGES && gvr[i]; ++i) {
        vr* page = gvr[i];
        gvr[i] = nullptr;
        delete page;
    }
    ngvr = 0;
    vJournal(ETIQUETTE, "delete popupOverlay\n");
    if (popupOverlay)
        popupOverlay->hide();
    vDetruireFenetre(popupOverlay);
    vDetruirePopupsHttp(ETIQUETTE);
    vJournal(ETIQUETTE, "DESTRUCTEUR\n");
}
