#include "pages/recapitulatif_page.h"

#include "pages/vr.h"

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

// The request's own verdict is read by the rule, with the rest of the page.
void RecapitulatifPage::vEnvoi(bool)
{
    page_.vRafraichirEnvoi();
}
