#include "shell/demarrage.h"

#include "gribdata/globales.h"
#include "map/chargement_fonds.h"
#include "map/dru_pixmap.h"
#include "map/masques.h"
#include "map/pays.h"
#include "map/tdc.h"
#include "pages/vr.h"
#include "shell/globales_shell.h"
#include "shell/gui.h"
#include "catalogue/metareas.h"
#include "transport/windows_send.h"
#include "shell/signaux.h"
#include "shell/verrou.h"
#include "transport/threads_http.h"
#include "ui/configuration.h"
#include "ui/globales_ui.h"
#include "ui/local.h"
#include "ui/gestion_interfaces.h"
#include "ui/horloge.h"
#include "ui/saisie_en_cours.h"
#include "ui/selecteur.h"

#include <FL/Fl.H>
#include <FL/Fl_RGB_Image.H>
#include <cstdio>

namespace {

void vEcrireReglages()
{
    if (INSTANCE_SECONDAIRE)
        vJournal("<TORMASKEL2>", "Seconde instance: reglages non ecrits\n");
    else if (configuration)
        configuration->ecriture();
}

void vLibererStockes()
{
    vEcrireReglages();
    delete configuration;
    configuration = nullptr;
    vLibererMetareas(GMDSS);
    GMDSS = nullptr;
    delete_Pays();
    free_masques();
}

void vLibererFenetres()
{
    delete navigateur;
    navigateur = nullptr;
    delete fenetreEnvoi;
    fenetreEnvoi = nullptr;
    delete FDCSAT;
    FDCSAT = nullptr;
    if (FDCpix1)
        FDCpix1->free();
    delete FDCpix1;
    FDCpix1 = nullptr;
    delete tdc1;
    tdc1 = nullptr;
    delete[] gvr;
    gvr = nullptr;
    delete langage;
    langage = nullptr;
}

}  // namespace

void vEcrireSession()
{
    // A route name being typed is part of what is written.
    vValiderSaisieEnCours();
    for (int i = 0; gvr && i < VR_PAGES; ++i)
        if (gvr[i])
            gvr[i]->vSauverSession();
    vEcrireReglages();
}

int iBoucle()
{
    vBanniere("RUN");
    return Fl::run();
}

void vArret()
{
    vSignauxFin();
    vBanniere("SORTIE");
    // Transfers end at their next wait (0.1 s); the lock, held since the
    // event loop returned, lets a thread finish what it shows.
    vArretTransferts();
    Fl::unlock();
    if (!bAttendreTransferts(2.0))
        vJournal("<TORMASKEL2>", "%d transferts encore en cours\n", iTransfertsEnCours());
    Fl::lock();
    vLibererStockes();
    vJournal("<TORMASKEL2>", "Suppression lockfile\n");
    vLeverVerrou();
    vLibererFenetres();
    vJournal("<TORMASKEL2>",
             "\n-----------------------\n Fin du programme\n----------------------- \n");
    // A transfer thread still waiting (on a name resolution, say) writes
    // nothing from now on.
    vFermerJournal();
}
