// The system request: what the service offers now. In connected mode it is
// asked directly on a transfer thread, its popup showing each step; its
// message goes to the hand-over folder, where the incoming-folder scan
// opens it. Otherwise it goes through the send window.
#include "pages/vr.h"

#include "gribdata/globales.h"
#include "transport/popup_http.h"
#include "transport/systeme_http.h"
#include "ui/boites_message.h"
#include "ui/boutons.h"
#include "ui/configuration.h"
#include "ui/local.h"

namespace {

void vDemanderDisponibilite(classeBouton* bouton)
{
    const int canal = popupHttp(bouton);
    if (canal < 0) {
        fl_alert("%s", pcTraduire("Trop de transferts en cours, reessayez plus tard"));
        return;
    }
    bLancerSysteme(lienCanal(canal));
}

}  // namespace

void vr::vBoutonRequeteurGribSystemeCallback(Fl_Widget* bouton, void* donnees)
{
    vr* page = static_cast<vr*>(donnees);
    if (MODE_CONNECTE) {
        vDemanderDisponibilite(dynamic_cast<classeBouton*>(bouton));
        return;
    }
    page->vSystemeParCourrier(bouton);
}
