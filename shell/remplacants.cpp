#include "shell/remplacants.h"

#include "gribdata/globales.h"
#include "map/chargement_fonds.h"
#include "map/tdc.h"
#include "shell/globales_shell.h"
#include "shell/remplacants_shell.h"
#include "ui/remplacants_ui.h"

#include <FL/Fl.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Shared_Image.H>

WindowsSend* fenetreEnvoi = nullptr;
vr** gvr = nullptr;
int ngvr = 0;
DRU_Routes* Dru_Routes = nullptr;
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

}  // namespace

void ctrl_fdctdc(void*)
{
    if (LOAD_FDCSAT != 1 || LOAD_FDC1 != 1 || LOAD_TDC != 1) {
        Fl::repeat_timeout(1.0, ctrl_fdctdc, nullptr);
        return;
    }
    LOAD_FDC = 1;
    if (interlude)
        interlude->release();
    interlude = nullptr;
    if (GUI)
        GUI->activate();
    DEMARRAGE = 0;
}

void* load_fdcsat(void*) { return vLeverDrapeau(&LOAD_FDCSAT); }

// Puts no page on its saved view yet: the pages do not exist.
void* load_tdc(void*)
{
    vJournal("<THREADS>", "LOAD_TDC : chargement préliminaire des zooms\n");
    if (tdc1)
        tdc1->load();
    return vLeverDrapeau(&LOAD_TDC);
}

void vLangagePages() {}
void vLangageRoutes() {}

void scan_newfiles(void* fenetre)
{
    Fl::repeat_timeout(1.0, scan_newfiles, fenetre);
}

TYPEDEF_LISTE_METAREA* Metareas()
{
    return new TYPEDEF_LISTE_METAREA{nullptr, nullptr};
}

void vLibererMetareas(TYPEDEF_LISTE_METAREA* arbre)
{
    delete arbre;
}
