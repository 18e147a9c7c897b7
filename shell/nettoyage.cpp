#include "shell/nettoyage.h"

#include "gribdata/interpolation.h"
#include "gribdata/restes.h"
#include "transport/scan.h"
#include "ui/boites_message.h"
#include "ui/globales_ui.h"
#include "ui/local.h"

#include <FL/Fl.H>
#include <cstring>

namespace {

const char* const TAG = "<TORMASKEL2>";
const char* const AVIS_INSTANCE_SECONDAIRE =
    CLE_LOCAL("Autre instance sur ce dossier : ni reglages ni routes enregistres en quittant");

bool bTemporaire(const char* nom)
{
    const size_t n = std::strlen(nom);
    return n > 4 && std::strcmp(nom + n - 4, ".tmp") == 0;
}

}  // namespace

void vSupprimerRestesArret()
{
    iSupprimerRestes(".", bResteInterpolation, TAG);
    for (const char* dossier : {"lockdir", "etc/grib", "etc/bull"})
        iSupprimerRestes(dossier, bTemporaire, TAG);
    for (const char* dossier : {".", "dat", "dat/bulletin", "dat/image"})
        iSupprimerRestes(dossier, bResteDeplacement, TAG);
}

// A box opened inside another's loop, or under a menu, would be answered
// in the wrong order: it waits for the main loop alone.
void vAvertirInstanceSecondaire(void*)
{
    if (!LOAD_FDC || pBoiteMessage() || Fl::modal() || Fl::grab()) {
        Fl::repeat_timeout(0.5, vAvertirInstanceSecondaire);
        return;
    }
    fl_message("%s", pcTraduire(AVIS_INSTANCE_SECONDAIRE));
}
