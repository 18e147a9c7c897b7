#include "shell/remplacants.h"

#include "gribdata/globales.h"
#include "map/chargement_fonds.h"
#include "map/dru_pixmap.h"
#include "map/fdc.h"
#include "map/tdc.h"
#include "pages/vr.h"
#include "shell/globales_shell.h"
#include "shell/gui.h"
#include "shell/titre.h"

#include <FL/Fl.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Shared_Image.H>

WindowsSend* fenetreEnvoi = nullptr;
TYPEDEF_HTTP structHTTP[HTTP_CANAUX] = {};
TYPEDEF_LISTE_METAREA* GMDSS = nullptr;

namespace {

// A loader publishes its flag under the toolkit's lock.
void* vLeverDrapeau(int* drapeau)
{
    Fl::lock();
    *drapeau = 1;
    Fl::unlock();
    return nullptr;
}

const TYPEDEF_VUE& vueSauvee(int page)
{
    return configuration->preferences->vues[page];
}

// The end of loading for one page: its saved view, its base map, its
// coastline level; the map takes the pointer and the keyboard.
void vVueDeDepart(vr* page)
{
    fdc* carte = page->carte;
    const TYPEDEF_VUE& vue = vueSauvee(page->index);
    carte->zoom(vue.latitude, vue.longitude, vue.etendue, 1);
    if (FDC1ok)
        carte->pixmapHD = FDCpix1;
    carte->fdcCallback(vue.fond, 0);
    carte->niveauTraitCote = carte->fond == FDC_VECTEUR ? 1 : 0;
    carte->chargementAffiche = 0;
    carte->handle(FL_ENTER);
    if (page->visible_r() && GUI)
        GUI->titre->vSynchroniserCarte(carte);
}

}  // namespace

void ctrl_fdctdc(void*)
{
    if (LOAD_FDCSAT != 1 || LOAD_FDC1 != 1 || LOAD_TDC != 1) {
        Fl::repeat_timeout(1.0, ctrl_fdctdc, nullptr);
        return;
    }
    vJournal("<THREADS>", "-----> Chargement des FDC et TDC terminé\n");
    LOAD_FDC = 1;
    if (GUI)
        GUI->titre->vFondsDisponibles(FDCSAT != nullptr, FDC1ok);
    for (int i = 0; gvr && i < VR_PAGES && gvr[i]; ++i)
        vVueDeDepart(gvr[i]);
    if (interlude)
        interlude->release();
    interlude = nullptr;
    if (GUI)
        GUI->activate();
    DEMARRAGE = 0;
}

void* load_fdcsat(void*) { return vLeverDrapeau(&LOAD_FDCSAT); }

void* load_tdc(void*)
{
    vJournal("<THREADS>", "LOAD_TDC : chargement préliminaire des zooms\n");
    Fl::lock();
    for (int i = 0; gvr && i < VR_PAGES && gvr[i]; ++i) {
        const TYPEDEF_VUE& vue = vueSauvee(i);
        gvr[i]->carte->zoom(vue.latitude, vue.longitude, vue.etendue, 1);
        gvr[i]->carte->fdcCallback(FDC_VECTEUR, 0);
    }
    Fl::unlock();
    if (tdc1)
        tdc1->load();
    return vLeverDrapeau(&LOAD_TDC);
}

TYPEDEF_LISTE_METAREA* Metareas()
{
    return new TYPEDEF_LISTE_METAREA{nullptr, nullptr};
}

void vLibererMetareas(TYPEDEF_LISTE_METAREA* arbre)
{
    delete arbre;
}
