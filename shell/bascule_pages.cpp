// The switch between the request page, the viewer pages and the home page.
#include "shell/gui.h"

#include "map/popup_overlay.h"
#include "pages/vr.h"
#include "routes/dru_routes.h"
#include "shell/titre.h"
#include "ui/globales_ui.h"

#include <FL/Fl_Button.H>
#include <FL/Fl_Tabs.H>

int LASTUSE = 1;

namespace {

// Brings the page forward, with the title bar's map tools on its map.
void vMontrer(vr* page)
{
    GUI->onglets->value(page);
    GUI->titre->vSynchroniserCarte(page->carte);
    GUI->titre->activer();
}

}  // namespace

void vBoutonRequeteurVisualisateurAideCallback(Fl_Widget* bouton, void*)
{
    const int n = static_cast<Fl_Button*>(bouton)->shortcut();
    if (Dru_Routes)
        Dru_Routes->vDeactivateRoutes();
    if (!GUI || !gvr)
        return;
    if (n == 10) {
        GUI->onglets->value(GUI->accueil);
        GUI->titre->desactiver();
    } else if (n == 0 && gvr[0]) {
        gvr[0]->vRoutesAuRequeteur();
        vMontrer(gvr[0]);
    } else if ((n >= 1 && n <= 9) || n == 11) {
        if (n != 11)
            LASTUSE = n;
        vr* page = gvr[LASTUSE];
        if (!page)
            return;
        vMontrer(page);
        page->vGroupVisualisateurArrange(9999);
    }
    // The read-out shows the values of the page in front: the page come
    // forward, or the file it has just received, has others. It goes once
    // the switch is made: hiding it sends a move to the map under the
    // pointer, which must be the new page's, or the old page's read-out
    // would show again.
    vCacherPopupOverlay();
    GUI->onglets->redraw();
}
