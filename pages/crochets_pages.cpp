#include "pages/crochets_pages.h"

#include "pages/vr.h"

CrochetsPages crochetsPages = {};

void vConnecterPage(Fl_Widget* bouton, void* donnees)
{
    if (crochetsPages.connecter)
        crochetsPages.connecter(bouton, donnees);
    // The bulletin automation panel follows the mode.
    if (vr* page = static_cast<vr*>(donnees))
        page->vActiverAbonnementBulletins();
}
