// Help panes inside the pages: the viewer's accordion and the holder of a
// pane whose help button was pressed.
#include "pages/vr.h"

#include "routes/dru_routes.h"
#include "ui/aide.h"
#include "ui/defilement.h"
#include "ui/globales_ui.h"

#include <FL/Fl_Pack.H>
#include <FL/Fl_Scroll.H>
#include <FL/Fl_Tabs.H>
#include <cstdlib>

void vr::vGroupVisualisateurArrange(int topic)
{
    if (topic == 9999)
        topic = aideVisualisateur;
    else
        aideVisualisateur = topic;
    if (!packVisualisateur || !aideVisu || !scrollVisualisateur)
        return;
    const int k = std::abs(topic) % 10;
    packVisualisateur->remove(aideVisu);
    if (AFFICHE_AIDE) {
        packVisualisateur->insert(*aideVisu, k >= 2 ? k - 2 : 0);
        int y = 0;
        for (int i = 0; packVisualisateur->child(i) != aideVisu; ++i)
            y += packVisualisateur->child(i)->h();
        vDefilerVers(scrollVisualisateur, y);
    }
    scrollVisualisateur->redraw();
    if (AFFICHE_AIDE && topic != 0)
        aideVisu->name(topic);
}

void vAideRearranger(void* proprietaire, int sujet)
{
    if (!proprietaire)
        return;
    const bool routesVisibles = Dru_Routes && Dru_Routes->visible();
    if (Dru_Routes && proprietaire == static_cast<void*>(Dru_Routes)) {
        if (routesVisibles)
            Dru_Routes->vGroupArrange(sujet);
        return;
    }
    vr* page = static_cast<vr*>(proprietaire);
    if (routesVisibles)
        Dru_Routes->vGroupArrange(sujet);
    else if (page->index != 0)
        page->vGroupVisualisateurArrange(sujet);
    else
        page->vRequeteurArrange(sujet);
}

// The request page re-lays the accordion of the product page shown.
void vr::vRequeteurArrange(int sujet)
{
    if (groupeForfaits && groupeForfaits->visible())
        vGroupRequeteurPredefiniesArrange(sujet);
    else if (scrollGrib && scrollGrib->visible())
        vGroupRequeteurGribArrange(sujet);
    else if (groupeBulletins && groupeBulletins->visible())
        vGroupRequeteurBulletinsArrange(sujet);
    else if (groupeImages && groupeImages->visible())
        vGroupRequeteurImagesArrange(sujet);
}
