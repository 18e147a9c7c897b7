// What the language switch and the window menu ask of the pages: each
// page relabelled whole (the read-out popup hidden), and the chart windows
// listed.
#include "pages/vr.h"

#include "map/fdc.h"
#include "map/histogrammes.h"
#include "map/popup_overlay.h"
#include "map/routes_carte.h"
#include "ui/boutons_rva.h"
#include "ui/defilement.h"
#include "ui/gestion_interfaces.h"

void vr::langue()
{
    if (boutonsRVA)
        boutonsRVA->vLangage();
    if (index == 0)
        vRequeteurLangage();
    else
        vVisualisateurLangage();
    // A chart window keeps the texts of the old language: it closes, and
    // the window menu loses it.
    vFermerGraphiques();
    // Content shorter in the new language shows from its end, not past it.
    vBornerDefilements(this);
}

void vLangueDesPages()
{
    // The read-out is written in the old language: it goes until the next
    // read.
    vCacherPopupOverlay();
    for (int i = 0; gvr && i < VR_PAGES && i < ngvr; ++i)
        if (gvr[i])
            gvr[i]->langue();
}

int iMenuGraphiques(Fl_Menu_* menu)
{
    int entrees = 0;
    for (int i = 1; gvr && i < VR_PAGES && gvr[i]; ++i) {
        Histogrammes* graphiques = gvr[i]->carte ? gvr[i]->carte->histogrammes : nullptr;
        if (graphiques)
            entrees += gestion_interfaces::iEntree(menu, pcEntreeMenu(graphiques->label()),
                                                   graphiques);
    }
    return entrees + iMenuGraphiquesRoutes(menu);
}
