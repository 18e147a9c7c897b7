// The coastline loader and the watch that ends start-up once the three
// loaders are done.
#include "map/chargement_fonds.h"

#include "gribdata/globales.h"
#include "map/fdc.h"
#include "map/hote_carte.h"
#include "map/satellite.h"
#include "map/tdc.h"
#include "ui/configuration.h"
#include "ui/globales_ui.h"

#include <FL/Fl.H>
#include <FL/Fl_Shared_Image.H>

namespace {

const char* const THREADS = "<THREADS>";

// The page's view as the settings keep it; the default one without
// settings.
TYPEDEF_VUE vueSauvee(int page)
{
    if (!configuration || !configuration->preferences || page >= CONFIGURATION_VUES)
        return TYPEDEF_VUE{FDC_DESSINEE, 45.0, 0.0, 30.0};
    return configuration->preferences->vues[page];
}

// The end of loading for one map: its saved view, its base map, its
// coastline level.
void vVueDeDepart(fdc& carte, int page)
{
    const TYPEDEF_VUE vue = vueSauvee(page);
    carte.zoom(vue.latitude, vue.longitude, vue.etendue, 1);
    if (FDC1ok)
        carte.pixmapHD = FDCpix1;
    carte.fdcCallback(vue.fond, 0);
    carte.niveauTraitCote = carte.fond == FDC_VECTEUR ? 1 : 0;
    carte.chargementAffiche = 0;
    if (hoteCarte.pageMontree && hoteCarte.pageMontree(page) && hoteCarte.titre)
        hoteCarte.titre(&carte);
}

}  // namespace

void* load_tdc(void*)
{
    vJournal(THREADS, "LOAD_TDC : chargement préliminaire des zooms\n");
    Fl::lock();
    vCartes([](fdc& carte, int page) {
        const TYPEDEF_VUE vue = vueSauvee(page);
        carte.zoom(vue.latitude, vue.longitude, vue.etendue, 1);
        carte.fdcCallback(FDC_VECTEUR, 0);
    });
    Fl::unlock();
    if (tdc1)
        tdc1->load();
    Fl::lock();
    LOAD_TDC = 1;
    Fl::unlock();
    return nullptr;
}

void ctrl_fdctdc(void*)
{
    if (LOAD_FDCSAT != 1 || LOAD_FDC1 != 1 || LOAD_TDC != 1) {
        Fl::repeat_timeout(1.0, ctrl_fdctdc, nullptr);
        return;
    }
    vJournal(THREADS, "-----> Chargement des FDC et TDC terminé\n");
    LOAD_FDC = 1;
    if (hoteCarte.fondsDisponibles)
        hoteCarte.fondsDisponibles(FDC0ok, FDC1ok);
    vCartes(vVueDeDepart);
    if (interlude)
        interlude->release();
    interlude = nullptr;
    if (hoteCarte.activer)
        hoteCarte.activer();
    // The keyboard stays with the window unless the pointer is on the map
    // in front already; else the map takes it when the pointer comes in.
    vCartes([](fdc& carte, int) { carte.vPrendreClavier(); });
    DEMARRAGE = 0;
}
