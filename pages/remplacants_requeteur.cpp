// Stand-ins for the request page's panels still to come, so that the
// product tabs, the accordion and the model choice run now: the packages
// and image pages are empty, and the automation panels are not built.
// Each goes when its panel is built.
#include "pages/vr.h"


void vr::vGroupRequeteurForfaits(int x, int y, int w, int h)
{
    groupeForfaits = new Fl_Group(x, y, w, h);
    groupeForfaits->end();
}

void vr::vGroupRequeteurImages(int x, int y, int w, int h)
{
    groupeImages = new Fl_Group(x, y, w, h);
    groupeImages->end();
}

void vr::vGroupRequeteurForfaitsArrange(int topic)
{
    if (topic < 9999)
        aideForfaits = topic;
}

void vr::vGroupRequeteurImagesArrange(int topic)
{
    if (topic < 9999)
        aideImages = topic;
}

// The automation panel the model choice builds last, and the saved
// requests' chooser, come with their own panels.
void vr::vRequeteurGribAbonnement() {}
void vr::vBoutonRequeteurBrowserCallback(Fl_Widget*, void*) {}

// The automation panel of the bulletin request comes with its own panel:
// until then its place holds an empty group, inactive like the panel.
void vr::vRequeteurBulletinsAbonnement(int x, int y, int w)
{
    abonnementBulletins = new Fl_Group(x, y, w, 114);
    abonnementBulletins->end();
    abonnementBulletins->deactivate();
}
