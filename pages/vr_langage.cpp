// What the language switch and the window menu ask of the pages.
#include "pages/vr.h"

#include "map/fdc.h"
#include "map/histogrammes.h"
#include "map/routes_carte.h"
#include "map/satellite.h"
#include "ui/boutons_rva.h"
#include "ui/gestion_interfaces.h"

void vLangagePages()
{
    for (int i = 0; gvr && i < VR_PAGES && gvr[i]; ++i) {
        vr* page = gvr[i];
        if (page->boutonsRVA)
            page->boutonsRVA->vLangage();
        // A chart window keeps the texts of the old language: it closes.
        page->vFermerGraphiques();
    }
    // The maps' satellite caption.
    vLegendeSatellite();
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
