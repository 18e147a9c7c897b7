// Stand-ins for the request page's panels still to come, so that the
// product tabs, the accordion and the model choice run now: the packages,
// bulletin and image pages are empty, and the automation panel is not
// built. Each goes when its panel is built.
#include "pages/vr.h"

#include "map/fdc.h"
#include "transport/requete.h"
#include "ui/aide.h"
#include "ui/boutons.h"
#include "ui/globales_ui.h"

#include <initializer_list>
#include <FL/Fl_Pack.H>

void vr::vGroupRequeteurForfaits(int x, int y, int w, int h)
{
    groupeForfaits = new Fl_Group(x, y, w, h);
    groupeForfaits->end();
}

void vr::vGroupRequeteurBulletins(int x, int y, int w, int h)
{
    groupeBulletins = new Fl_Group(x, y, w, h);
    groupeBulletins->end();
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

void vr::vGroupRequeteurBulletinsArrange(int topic)
{
    if (topic < 9999)
        aideBulletins = topic;
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

void vr::vBoutonRequeteurGmdssReinitialiseCallback(Fl_Widget*, void* donnees)
{
    vr* page = static_cast<vr*>(donnees);
    if (!page || !page->requeteBulletins)
        return;
    page->requeteBulletins->vFreeObjets();
    for (classeBoutonImage** b : {page->boutonsGmdss, page->boutonsSatellites,
                                  page->boutonsPreisos, page->boutonsNavtex, page->boutonsLarge,
                                  page->boutonsCotes})
        for (; b && *b; ++b) {
            (*b)->value(0);
            (*b)->redraw();
        }
    page->boutonEnvoyer->deactivate();
    page->requeteBulletins->vEcrire(0);
}
