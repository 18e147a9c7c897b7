#include "pages/recapitulatif_page.h"

#include "pages/vr.h"
#include "ui/boutons.h"

#include <FL/Fl_Output.H>

namespace {

void vEcrire(Fl_Output* sortie, const char* texte)
{
    if (!sortie)
        return;
    sortie->value(texte);
    sortie->redraw();
}

}  // namespace

void RecapitulatifPage::vVolume(const char* texte)
{
    vEcrire(grib_ ? page_.volumeGrib : page_.volumeBulletins, texte);
}

void RecapitulatifPage::vCout(const char* texte)
{
    vEcrire(grib_ ? page_.coutGrib : page_.coutBulletins, texte);
}

void RecapitulatifPage::vEnvoi(bool actif)
{
    if (!grib_ || !page_.boutonEnvoyer)
        return;
    // A moving zone its model refused holds the request back.
    actif && !page_.deplacementHorsModele ? page_.boutonEnvoyer->activate()
                                          : page_.boutonEnvoyer->deactivate();
}
