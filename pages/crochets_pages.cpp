#include "pages/crochets_pages.h"

CrochetsPages crochetsPages = {};

void vConnecterPage(Fl_Widget* bouton, void* donnees)
{
    if (crochetsPages.connecter)
        crochetsPages.connecter(bouton, donnees);
}
