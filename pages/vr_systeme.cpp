// The system request: what the service offers now. In connected mode it is
// asked directly, on the GUI thread, which waits for the short answer
// within limits of its own; its message goes to the hand-over folder,
// where the incoming-folder scan opens it. Otherwise it goes through the
// send window.
#include "pages/vr.h"

#include "gribdata/globales.h"
#include "transport/http.h"
#include "transport/popup_http.h"
#include "transport/reponse.h"
#include "transport/service_http.h"
#include "ui/boites_message.h"
#include "ui/boutons.h"
#include "ui/configuration.h"
#include "ui/local.h"

#include <memory>

namespace {

const char* const TEXTE_SYSTEME = "@mto@reqt@sys@";

void vDemanderDisponibilite(classeBouton* bouton)
{
    const int canal = popupHttp(bouton);
    if (canal < 0) {
        fl_alert("%s", pcTraduire("Trop de transferts en cours, reessayez plus tard"));
        return;
    }
    const ServiceHttp& service = serviceHttp();
    std::unique_ptr<char[]> query(formatRequeteHttp(TEXTE_SYSTEME, service.email.c_str(), nullptr));
    int longueur = 0;
    char* reponse = httpgrib(service.hote.c_str(), service.port.c_str(), service.chemin.c_str(),
                             query.get(), longueur, 0, lienCanal(canal), DELAIS_SYSTEME);
    int ok = 0;
    const int statut = iAnalyseRequeteHttp(reponse, longueur, ok);
    vJournal("<HTTPGRIB>", "requete systeme: statut %d, %d octets\n", statut, longueur);
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
