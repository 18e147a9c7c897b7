// The time interpolation of the page's file: the worker runs on a thread
// of its own, never joined, and reports through GRIB_INTERPOLATION_START;
// the page polls it every 0.1 s, turning the button's label meanwhile, and
// tells a failure or an incomplete output. Its output reaches a viewer
// page through the incoming-folder scan. The input path, output path and
// state are single globals: one worker at a time, and a path that does not
// fit the input is refused, never cut.
#include "pages/vr.h"

#include "gribdata/globales.h"
#include "gribdata/interpolation.h"
#include "pages/reglages_visualisateur.h"
#include "ui/alerte_differee.h"
#include "ui/boites_message.h"
#include "ui/boutons.h"
#include "ui/local.h"

#include <FL/Fl.H>
#include <cstring>
#include <pthread.h>

void* (*travailleurInterpolation)(void*) = gintertime;

namespace {

const char* const ETIQUETTE = "<INTERPOLATION>";
constexpr double PERIODE = 0.1;

// The path into the worker's input; false (logged, told) when too long.
bool bEntree(const char* chemin)
{
    const size_t n = std::strlen(chemin);
    if (n >= size_t(GRIB_INTERPOLATION_TAILLE)) {
        vJournal(ETIQUETTE, "chemin de %zu caracteres, %d au plus : %s\n", n,
                 GRIB_INTERPOLATION_TAILLE - 1, chemin);
        fl_alert("%s", pcTraduire("Chemin du fichier trop long pour l'interpolation"));
        return false;
    }
    std::memcpy(GRIB_INTERPOLATION_ENTREE, chemin, n + 1);
    return true;
}

void vDemarrer(vr& page)
{
    GRIB_INTERPOLATION_SORTIE[0] = 0;
    GRIB_INTERPOLATION_START = 1;
    if (classeBouton* b = page.boutonInterpolation) {
        b->value(1);
        b->deactivate();
    }
    Fl::add_timeout(PERIODE, vInterpolationTimeout, &page);
    pthread_t fil;
    if (pthread_create(&fil, nullptr, travailleurInterpolation, &page) != 0) {
        vJournal(ETIQUETTE, "sous-thread INTERPOLATION non demarre\n");
        GRIB_INTERPOLATION_START = 2;
        return;
    }
    pthread_detach(fil);
    vJournal("<THREADS>", "----------> Lancement du sous-thread INTERPOLATION: %s\n",
             GRIB_INTERPOLATION_ENTREE);
}

}  // namespace

void vr::vBoutonVisualisateurInterpolationCallback(Fl_Widget*, void* donnees)
{
    vr& page = *static_cast<vr*>(donnees);
    const char* chemin = page.nomsFichiers[page.fichierCourant];
    // Another page's worker may be running, or its failure not yet told.
    if (GRIB_INTERPOLATION_START.load() != 0 || !chemin || !bEntree(chemin)) {
        if (page.boutonInterpolation && !Fl::has_timeout(vInterpolationTimeout, &page))
            page.boutonInterpolation->value(0);
        return;
    }
    vDemarrer(page);
}

void vInterpolationTimeout(void* donnees)
{
    vr& page = *static_cast<vr*>(donnees);
    classeBouton* b = page.boutonInterpolation;
    const int etat = GRIB_INTERPOLATION_START.load();
    if (etat == 1) {
        if (b) {
            b->label(pcInterpolationSuivante(b->label()));
            b->value(1);
            b->redraw();
        }
        Fl::repeat_timeout(PERIODE, vInterpolationTimeout, donnees);
        return;
    }
    if (etat == 2 || etat == 3) {
        // The poll may run inside another box's loop: the notice waits for
        // the main loop, and an incomplete output opens meanwhile.
        GRIB_INTERPOLATION_START = 0;
        vAlerteDifferee(pcTraduire(etat == 2 ? "Erreur interpolation"
                                             : "Interpolation incomplete : voir log.txt"));
    }
    if (b) {
        b->value(0);
        b->label(INTERPOLATION_REPOS);
        b->activate();
        b->redraw();
    }
    vJournal("<THREADS>", "----------> Fin execution du sous-thread INTERPOLATION...(timeout)\n");
}
