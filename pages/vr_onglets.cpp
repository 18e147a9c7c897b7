// The request page's product tabs: what follows the change of product page
// (the bottom strip, the product bar's first slot, packages mode, the
// settings' "onglets", then the send button as its rule says for the page
// shown), and the product page shown at start.
#include "pages/vr.h"

#include "map/fdc.h"
#include "pages/abonnement.h"
#include "routes/dru_routes.h"
#include "transport/requete.h"
#include "ui/aide.h"
#include "ui/boutons.h"
#include "ui/configuration.h"

#include <initializer_list>
#include <FL/Fl_Pack.H>
#include <FL/Fl_Scroll.H>
#include <FL/Fl_Tabs.H>

namespace {

int* pOnglets()
{
    static int aucun[2];
    return configuration ? configuration->preferences->onglets : aucun;
}

}  // namespace

void vr::vTabsRequeteurCallback(Fl_Widget*, void* donnees)
{
    vr* page = static_cast<vr*>(donnees);
    if (Dru_Routes)
        Dru_Routes->vDeactivateRoutes();
    if (page->bEnvoiBulletins())
        page->vOngletBulletinsImages();
    else if (!page->groupeForfaits->visible())
        page->vOngletGrib();
    else
        page->vOngletForfaits();
    page->vRafraichirEnvoi();
    if (page->carte)
        page->carte->redraw();
}

void vr::vOngletBulletinsImages()
{
    int* onglets = pOnglets();
    vBasGrib(0);
    if (groupeBulletins->visible()) {
        vAideBulletinsImages(ONGLET_BULLETINS);
        // The automation panel comes back from the image page.
        if (abonnementBulletins)
            packBulletins->add(abonnementBulletins);
        vGroupRequeteurBulletinsArrange(9999);
        onglets[0] = ONGLET_BULLETINS;
    } else if (groupeImages->visible()) {
        vAideBulletinsImages(ONGLET_IMAGES);
        // The image page has no automation panel of its own: the
        // bulletin request's goes under the help pane.
        if (abonnementBulletins && packImages)
            packImages->add(abonnementBulletins);
        vGroupRequeteurImagesArrange(9999);
        onglets[0] = ONGLET_IMAGES;
    } else {
        if (Dru_Routes)
            Dru_Routes->vGroupArrange(9999);
        onglets[0] = ONGLET_ROUTES;
    }
}

void vr::vOngletGrib()
{
    int* onglets = pOnglets();
    if (modeForfaits) {
        vReinitialiserGrib(abonnementGrib);
        vBoutonRequeteurGribZoneEffacerCallback(nullptr, this);
        // From a bulletin or image page the bar still shows that page.
        setBoutonsGBI(GBI_GRIB);
    } else if (onglets[0] == ONGLET_GRIB) {
        // Grib pressed on the GRIB page: the slot offers the packages.
        boutonsGBI[GBI_FORFAITS]->show();
        boutonsGBI[GBI_GRIB]->hide();
        setBoutonsGBI(GBI_FORFAITS);
        return;
    } else {
        setBoutonsGBI(GBI_GRIB);
    }
    groupeForfaits->hide();
    modeForfaits = 0;
    vGroupRequeteurGribArrange(9999);
    vBasGrib(1);
    onglets[0] = ONGLET_GRIB;
    onglets[1] = 0;
}

void vr::vOngletForfaits()
{
    int* onglets = pOnglets();
    if (modeForfaits) {
        if (onglets[0] == ONGLET_GRIB) {
            // Forfaits pressed on the packages page: the slot offers GRIB.
            boutonsGBI[GBI_GRIB]->show();
            boutonsGBI[GBI_FORFAITS]->hide();
            setBoutonsGBI(GBI_GRIB);
            return;
        }
        setBoutonsGBI(GBI_FORFAITS);
    } else {
        // The GRIB page's frame goes, with its message on the map.
        if (carte) {
            carte->overlay_output(1);
            carte->chargementAffiche = 0;
        }
        deplacementHorsModele = 0;
        for (classeBoutonImage** b = boutonsForfaits; b && *b; ++b)
            (*b)->value(0);
        vReinitialiserGrib(abonnementForfaits);
        setBoutonsGBI(GBI_FORFAITS);
        if (abonnementForfaits)
            abonnementForfaits->deactivate();
    }
    scrollGrib->hide();
    vBasGrib(1);
    vGroupRequeteurPredefiniesArrange(9999);
    modeForfaits = 1;
    onglets[1] = 1;
    onglets[0] = ONGLET_GRIB;
}

void vr::vBasGrib(int grib)
{
    for (Fl_Widget* w : {static_cast<Fl_Widget*>(editionGrib), static_cast<Fl_Widget*>(recapGrib)})
        if (w)
            grib ? w->show() : w->hide();
    for (Fl_Widget* w : {static_cast<Fl_Widget*>(editionBulletins),
                         static_cast<Fl_Widget*>(recapBulletins)})
        if (w)
            grib ? w->hide() : w->show();
}

void vr::vTabsActivate()
{
    const int* onglets = pOnglets();
    switch (onglets[0]) {
    case ONGLET_GRIB:
        if (onglets[1] == 1) {
            // As if the packages page had just been chosen: the request
            // and the frame start empty anyway.
            ongletsRequeteur->value(groupeForfaits);
            modeForfaits = 1;
        } else {
            ongletsRequeteur->value(scrollGrib);
        }
        return;
    case ONGLET_BULLETINS:
        ongletsRequeteur->value(groupeBulletins);
        return;
    case ONGLET_IMAGES:
        if (abonnementBulletins && packImages)
            packImages->add(abonnementBulletins);
        ongletsRequeteur->value(groupeImages);
        return;
    default:
        if (Dru_Routes)
            ongletsRequeteur->value(Dru_Routes);
        return;
    }
}

void vr::vAideBulletinsImages(int onglet)
{
    Fl_Pack* pack = onglet == ONGLET_BULLETINS ? packBulletins : packImages;
    if (pack && voletAideBulletins)
        pack->add(voletAideBulletins);
}
