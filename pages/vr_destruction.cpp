// The end of a page: its view and the window geometry go into the settings
// written at exit, then what the page owns is released.
#include "pages/vr.h"

#include "pages/abonnement.h"

#include "gribdata/fichier_grib.h"
#include "map/chargement_fonds.h"
#include "map/fdc.h"
#include "routes/dru_routes.h"
#include "ui/aide.h"
#include "ui/boutons.h"
#include "ui/globales_ui.h"
#include "transport/requete.h"
#include "transport/recapitulatif.h"

#include <initializer_list>
#include <FL/Fl.H>
#include <FL/Fl_Tabs.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Image.H>
#include <FL/Fl_Text_Buffer.H>

namespace {

template <class W>
void vSupprimerOrphelin(W*& widget)
{
    if (widget && !widget->parent())
        delete widget;
    widget = nullptr;
}

}  // namespace

TYPEDEF_VUE vueDeCarte(const fdc& carte)
{
    const double W = carte.W, H = carte.H, s = carte.echelleCourante;
    // The exact middle, where zoom() puts the centre back: the middle row
    // or column of an odd size would move the view half a pixel at each
    // run.
    const double w = carte.w(), h = carte.h();
    auto latitude = [&](double y) { return 90.0 - 180.0 * (carte.oy + y * s) / H; };
    TYPEDEF_VUE vue;
    vue.fond = carte.fond;
    vue.latitude = latitude(h / 2);
    vue.etendue = latitude(0) - latitude(h);
    vue.longitude = 360.0 * (carte.ox + (w / 2) * s) / W - 180.0;
    if (carte.ox <= -(carte.W / 2))
        vue.longitude += 360.0;
    else if (carte.ox > carte.W / 2)
        vue.longitude -= 360.0;
    return vue;
}

void vSauverGeometrie(TYPEDEF_PREFERENCES& p, int x, int y, int w, int h)
{
    p.x = x;
    p.y = y;
    p.w = w < 770 ? 770 : w;
    p.h = h < 539 ? 539 : h;
}

vr::~vr()
{
    vSauverSession();
    if (index == 0)
        vLibererRequeteur();
    else
        vLibererVisualisateur();
    delete[] adresseEnvoi;
    delete[] motDePasseEnvoi;
}

void vr::vLibererVisualisateur()
{
    // No timeout may come back to a page that is gone.
    vArreterAnimation();
    Fl::remove_timeout(vInterpolationTimeout, this);
    // The route window lives on with the request page, which writes its
    // routes at the end: it must not go with this page.
    if (Dru_Routes && ongletsVisualisateur && Dru_Routes->parent() == ongletsVisualisateur) {
        if (gvr && gvr[0])
            gvr[0]->vRoutesAuRequeteur();
        else
            ongletsVisualisateur->remove(Dru_Routes);
    }
    delete[] boutonsPages;
    vVisualisateurMenuDeleteValidites();
    vVisualisateurMenuDeleteParametres();
    gribclose();
    // A help pane hidden by its buttons is out of the accordion.
    if (aideVisu && !aideVisu->parent())
        delete aideVisu;
}

void vr::vSauverSession()
{
    if (LOAD_TDC && LOAD_FDC)
        vSauverVue();
    if (index == 0)
        vEcrireRoutes();
}

// Under the toolkit's lock, which the route redraw timer takes too.
void vr::vEcrireRoutes()
{
    Fl::lock();
    // A second instance on the folder leaves the routes file to the first.
    if (Dru_Routes && !INSTANCE_SECONDAIRE)
        Dru_Routes->routes->save();
    Fl::unlock();
}

void vr::vSauverVue()
{
    if (!configuration || !carte || !fenetre || index < 0 || index >= CONFIGURATION_VUES)
        return;
    configuration->preferences->vues[index] = vueDeCarte(*carte);
    vSauverGeometrie(*configuration->preferences, fenetre->x(), fenetre->y(), fenetre->w(),
                     fenetre->h());
}

// The routes were written by vSauverSession; the route window's help group
// goes back into it so that it is destroyed with it. The requests go
// before their sinks, and the text buffers after the editors that show
// them: an editor detaches from its buffer when it is destroyed.
void vr::vLibererRequeteur()
{
    Fl::lock();
    // A viewer holding the window gives it back first: it is destroyed with
    // this page, not with the viewer.
    vRoutesAuRequeteur();
    if (Dru_Routes) {
        Fl::remove_timeout(routes_timeout);
        Dru_Routes->add(Dru_Routes->groupeAide);
    }
    Fl::unlock();
    delete requeteBulletins;
    delete requeteGrib;
    requeteBulletins = requeteGrib = nullptr;
    delete puitsBulletins;
    delete puitsGrib;
    puitsBulletins = puitsGrib = nullptr;
    for (classeBoutonImage** tableau :
         {boutonsForfaits, boutonsGmdss, boutonsSatellites, boutonsPreisos, boutonsNavtex,
          boutonsLarge, boutonsCotes, boutonsModeles, boutonsMailles, boutonsParametresGrib,
          boutonsEcheances, boutonsValiditesGrib})
        delete[] tableau;
    delete[] boitesJoursGrib;
    delete[] boitesForfaits;
    boitesForfaits = nullptr;
    // Panes and sections out of their accordion belong to no group.
    vSupprimerOrphelin(voletAideGrib);
    vSupprimerOrphelin(voletAideBulletins);
    vSupprimerOrphelin(abonnementGrib);
    vSupprimerOrphelin(abonnementBulletins);
    vSupprimerOrphelin(abonnementForfaits);
    for (SectionGrib& section : sectionsGrib) {
        vSupprimerOrphelin(section.titre);
        vSupprimerOrphelin(section.contenu);
    }
    clear();
    carte = nullptr;
    delete tamponGrib;
    delete tamponBulletins;
    tamponGrib = tamponBulletins = nullptr;
    delete imageFiletValider;
    imageFiletValider = nullptr;
}
