// A press on a product button of the bulletin and image pages: the
// bulletin request is rebuilt from every button down, so that its codes
// and its volume are those of the selection shown; in connected mode the
// selection goes at once and the button comes back up. A zone chart
// button opens its chart and never enters the request.
#include "pages/vr.h"

#include "map/fdc.h"
#include "pages/abonnement.h"
#include "pages/regles_bulletins.h"
#include "transport/requete.h"
#include "ui/boites_message.h"
#include "ui/boutons.h"
#include "ui/configuration.h"
#include "ui/local.h"

void vr::vBoutonRequeteurGmdssCallback(Fl_Widget* bouton, void* donnees)
{
    vr* page = static_cast<vr*>(donnees);
    classeBouton* b = static_cast<classeBouton*>(bouton);
    const int n = b->shortcut();
    if (bBoutonCarteZones(n) && b->value()) {
        page->vGetHTTPbulletinGmdss(unsigned(n), nullptr, 0);
        b->value(0);
        b->redraw();
        return;
    }
    if (page->carte)
        page->carte->redraw();
    requete& r = *page->requeteBulletins;
    classeBoutonImage* dernier = page->pReconstruireBulletins();
    page->vActiverAbonnementBulletins();
    if (!dernier) {
        // Nothing chosen: the codes of a loaded request go with the rest.
        page->codesSansBouton.clear();
        r.vInitialisation();
        if (page->abonnementBulletins)
            page->abonnementBulletins->vReecrire();
        // The volume shown goes back to nothing with the selection.
        r.vCout();
        page->vRafraichirEnvoi();
        return;
    }
    if (r.objetsPerdus)
        fl_alert("%s", pcTraduire("Trop de produits choisis : les derniers ne seront pas demandes"));
    if (MODE_CONNECTE && MODE_BULL_HTTP) {
        page->vSetCommandeBulletins(0, dernier);
        dernier->value(0);
        dernier->redraw();
    }
    page->vRafraichirEnvoi();
}

void vr::vBoutonRequeteurGmdssReinitialiseCallback(Fl_Widget*, void* donnees)
{
    vr* page = static_cast<vr*>(donnees);
    if (!page || !page->requeteBulletins)
        return;
    page->requeteBulletins->vFreeObjets();
    page->codesSansBouton.clear();
    for (classeBoutonImage** t : page->tableauxProduits())
        for (; t && *t; ++t) {
            (*t)->value(0);
            (*t)->redraw();
        }
    page->vActiverAbonnementBulletins();
    page->requeteBulletins->vEcrire(0);
    page->vRafraichirEnvoi();
}

std::array<classeBoutonImage**, 6> vr::tableauxProduits() const
{
    return {{boutonsGmdss, boutonsSatellites, boutonsPreisos, boutonsNavtex, boutonsLarge,
             boutonsCotes}};
}

classeBoutonImage* vr::pReconstruireBulletins()
{
    requete& r = *requeteBulletins;
    r.vFreeObjets();
    classeBoutonImage* dernier = nullptr;
    for (classeBoutonImage** t : tableauxProduits())
        for (; t && *t; ++t)
            if ((*t)->value()) {
                r.vSetObjet(*t);
                dernier = *t;
            }
    for (const std::string& code : codesSansBouton)
        r.vSetObjet(code.c_str());
    return dernier;
}
