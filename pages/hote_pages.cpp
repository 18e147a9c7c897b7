// What the maps ask of the pages: each page's map, whether it shows, the
// request page's product page shown, its zone, packages mode, zone moves
// and text copy, a viewer's validity steps.
#include "pages/vr.h"

#include "map/hote_carte.h"

#include <FL/Fl_Scroll.H>

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

// A product page counts as shown only while the request page itself is.
int iSousPage()
{
    vr* p = pPage(0);
    if (!p || !p->visible_r())
        return SOUS_PAGE_AUCUNE;
    if (p->scrollGrib && p->scrollGrib->visible())
        return SOUS_PAGE_GRIB;
    if (p->groupeBulletins && p->groupeBulletins->visible())
        return SOUS_PAGE_BULLETINS;
    if (p->groupeImages && p->groupeImages->visible())
        return SOUS_PAGE_IMAGES;
    return SOUS_PAGE_AUCUNE;
}

int iZoneRequete()
{
    vr* p = pPage(0);
    return p && p->zoneExiste;
}

int iForfait()
{
    vr* p = pPage(0);
    return p && p->modeForfaits;
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
    vr* p = pPage(0);
    if (!p)
        return;
    switch (mouvement) {
    case ZONE_OUEST: p->setCoordonneesGauche(); break;
    case ZONE_NORD: p->setCoordonneesHaut(); break;
    case ZONE_EST: p->setCoordonneesDroit(); break;
    case ZONE_SUD: p->setCoordonneesBas(); break;
    case ZONE_PLUS: p->setCoordonneesPlus(); break;
    case ZONE_MOINS: p->setCoordonneesMoins(); break;
    default: break;
    }
}

classeBoutonImage** pBoutonsImages(int genre)
{
    vr* p = pPage(0);
    if (!p)
        return nullptr;
    return genre == 0 ? p->boutonsSatellites : p->boutonsPreisos;
}

}  // namespace

void vInstallerHotePages()
{
    hoteCarte.carte = pCarte;
    hoteCarte.pageMontree = iMontree;
    hoteCarte.sousPage = iSousPage;
    hoteCarte.zoneRequete = iZoneRequete;
    hoteCarte.forfait = iForfait;
    hoteCarte.copierRequete = vCopier;
    hoteCarte.echeance = vEcheance;
    hoteCarte.zone = vZone;
    hoteCarte.boutonsImages = pBoutonsImages;
    vInstallerHoteCadre();
}
