// What the maps ask of the pages: each page's map, whether it shows, the
// request page's zone moves and text copy, a viewer's validity steps. The
// request page has no sub-pages, zone or packages until its panels are
// built: those questions stay unanswered (none).
#include "pages/vr.h"

#include "map/hote_carte.h"

namespace {

vr* pPage(int index)
{
    return gvr && index >= 0 && index < VR_PAGES ? gvr[index] : nullptr;
}

fdc* pCarte(int index)
{
    vr* page = pPage(index);
    return page ? page->carte : nullptr;
}

int iMontree(int index)
{
    vr* page = pPage(index);
    return page && page->visible_r();
}

void vCopier()
{
    if (vr* requeteur = pPage(0))
        requeteur->vRequeteurCopyRequete();
}

void vEcheance(int index, int suivante)
{
    vr* page = pPage(index);
    if (!page)
        return;
    if (suivante)
        vr::vBoutonVisualisateurEcheancesNextCallback(nullptr, page);
    else
        vr::vBoutonVisualisateurEcheancesPreviousCallback(nullptr, page);
}

void vZone(int mouvement)
{
    static void (vr::*const MOUVEMENTS[])() = {
        &vr::setCoordonneesGauche, &vr::setCoordonneesHaut, &vr::setCoordonneesDroit,
        &vr::setCoordonneesBas,    &vr::setCoordonneesPlus, &vr::setCoordonneesMoins};
    vr* requeteur = pPage(0);
    if (requeteur && mouvement >= ZONE_OUEST && mouvement <= ZONE_MOINS)
        (requeteur->*MOUVEMENTS[mouvement])();
}

}  // namespace

void vInstallerHotePages()
{
    hoteCarte.carte = pCarte;
    hoteCarte.pageMontree = iMontree;
    hoteCarte.copierRequete = vCopier;
    hoteCarte.echeance = vEcheance;
    hoteCarte.zone = vZone;
}
