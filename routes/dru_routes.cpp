// The route window's construction, layout and teardown, and what the maps
// and the language switch reach through the global Dru_Routes.
#include "routes/dru_routes.h"

#include "routes/classe_route.h"
#include "routes/route_exemple.h"
#include "ui/aide.h"
#include "ui/boutons.h"
#include "ui/globales_ui.h"
#include "ui/configuration.h"
#include "ui/crochets.h"
#include "ui/globales_ui.h"
#include "ui/images/images.h"
#include "ui/libelles.h"
#include "ui/local.h"
#include "ui/palette.h"

#include <FL/Fl.H>
#include <FL/Fl_Help_View.H>
#include <FL/Fl_Menu_Button.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Scroll.H>
#include <FL/Fl_Tabs.H>

DRU_Routes* Dru_Routes = nullptr;

namespace {

classeBouton* pBoutonOutils(int x, int y, const char* symbole, Fl_Color haut)
{
    classeBouton* b = new classeBouton(x, y, 20, 20, symbole);
    b->box(FL_NO_BOX);
    b->couleurHaut = haut;
    return b;
}

}  // namespace

DRU_Routes::DRU_Routes(int x, int y, int w, int h)
    : Fl_Pack(x, y, w, h), aide(nullptr), groupeAide(nullptr), routes(nullptr),
      fdcCourant(nullptr), tabsRoutes(nullptr), premierOnglet(nullptr), ongletCourant(nullptr),
      x0(x), y0(y), w0(w), h0(h), menuRoutes(nullptr), groupeOutils(nullptr),
      boutonEnregistrer(nullptr), boutonOuvrir(nullptr), packASupprimer(nullptr)
{
    type(Fl_Pack::VERTICAL);
    spacing(6);
    groupeOutils = new Fl_Group(x, y, w, 24);
    groupeOutils->box(FL_NO_BOX);
    boutonOuvrir = pBoutonOutils(x + 6, y + 2, "@fileopen", COLOR_ORANGE_TEXTE);
    boutonOuvrir->labelcolor(COLOR_ORANGE_TEXTE);
    boutonOuvrir->callback(vBoutonRouteOuvrirCallback, this);
    menuRoutes = new Fl_Menu_Button(x + 26, y + 1, w - 66, 22);
    menuRoutes->box(FL_PLASTIC_THIN_DOWN_BOX);
    menuRoutes->labelfont(DRU_FONT_BOLD);
    menuRoutes->labelsize(12);
    menuRoutes->labelcolor(COLOR_BOUTONS_TEXTE);
    menuRoutes->textfont(DRU_FONT);
    menuRoutes->textsize(12);
    menuRoutes->textcolor(COLOR_BOUTONS_TEXTE);
    boutonEnregistrer = pBoutonOutils(x + w - 40, y + 2, "@filesave", COLOR_ORANGE_TEXTE);
    boutonEnregistrer->labelcolor(COLOR_BLEU_GTK_TITRE);
    boutonEnregistrer->callback(vBoutonRouteEnregistrerCallback, this);
    classeBouton* aideOutils = pBoutonOutils(x + w - 20, y + 2, nullptr, COLOR_BOUTONS_TEXTE);
    aideOutils->image(skin1_image_help);
    aideOutils->shortcut(ROUTES_THEME_COURANT);
    aideOutils->callback(AIDE::vAideCallback, this);
    vTextesOutils();
    groupeOutils->end();
    groupeAide = new Fl_Group(x, y + 26, w, 210);
    aide = new AIDE(x + 8, y + 26, w - 8, "151", this, 210);
    groupeAide->end();
    routes = new Routes();
    if (!routes->load()) {
        routes->append(pRouteExemple());
        routes->save();
    }
    Fl::add_timeout(ROUTES_MINUTERIE_PREMIERE, routes_timeout);
    crochetsLangage.routes = vLangueRoutes;
    newTabsRoutes();
    end();
    resizable(tabsRoutes);
    vMenuRoutes();
    vGroupArrange(ROUTES_THEME_COURANT);
}

DRU_Routes::~DRU_Routes()
{
    if (Dru_Routes == this)
        Dru_Routes = nullptr;
    delete routes;
    routes = nullptr;
    delete packASupprimer;
    packASupprimer = nullptr;
    // Out of the window while help panes are hidden, it would outlive it.
    if (groupeAide && find(groupeAide) == children())
        delete groupeAide;
}

int DRU_Routes::handle(int event)
{
    return Fl_Group::handle(event);
}

void DRU_Routes::vTextesOutils()
{
    vBulle(boutonOuvrir,
           CLE_LOCAL("Charger le fichier de routes (version de la derniere sauvegarde)"));
    vLibeller(menuRoutes, CLE_LOCAL("Liste des routes"));
    vBulle(menuRoutes, CLE_LOCAL("Menu pour selectionnner une route"));
    vBulle(boutonEnregistrer, CLE_LOCAL("Sauvegarder le fichier de routes"));
}

Fl_Tabs* DRU_Routes::newTabsRoutes()
{
    ongletCourant = premierOnglet = nullptr;
    tabsRoutes = new Fl_Tabs(0, 0, w0, h0);
    tabsRoutes->box(FL_FLAT_BOX);
    for (structureRoute* c = routes->premier; c; c = c->suivant) {
        Fl_Scroll* onglet = append(c->route);
        if (!premierOnglet)
            premierOnglet = onglet;
    }
    tabsRoutes->end();
    tabsRoutes->resizable(premierOnglet);
    if (ongletCourant)
        tabsRoutes->value(ongletCourant);
    return tabsRoutes;
}

// The pack places its shown children from the top at its own width, the
// tabs taking the height left: only the heights given here hold.
void DRU_Routes::vGroupArrange(int topic)
{
    if (AFFICHE_AIDE) {
        if (tabsRoutes)
            remove(tabsRoutes);
        add(groupeAide);
        if (tabsRoutes)
            add(tabsRoutes);
        groupeAide->resize(SCROLL_DECALAGE, 205, w0, 210);
        if (tabsRoutes)
            tabsRoutes->position(w0, 421);
        position(0, y());
    } else {
        remove(groupeAide);
        if (tabsRoutes)
            tabsRoutes->position(w0, 205);
    }
    groupeOutils->size(w0, 24);
    if (AFFICHE_AIDE && topic != 0) {
        aide->name(topic == 9999 ? ROUTES_THEME_COURANT : topic);
        aide->vue->redraw();
    }
    resizable(tabsRoutes);
    redraw();
}

DRU_Routes* DRU_Routes::pFenetre(Fl_Widget* w)
{
    for (; w; w = w->parent())
        if (DRU_Routes* f = dynamic_cast<DRU_Routes*>(w))
            return f;
    return nullptr;
}

void DRU_Routes::vRedessinerCarte()
{
    if (fdcCourant)
        fdcCourant->redraw();
}

void vLangueRoutes()
{
    if (Dru_Routes)
        Dru_Routes->langue();
}

classeRoute* pRouteEditee()
{
    if (!Dru_Routes || !Dru_Routes->routes)
        return nullptr;
    for (structureRoute* c = Dru_Routes->routes->premier; c; c = c->suivant)
        if (c->route->visible && c->route->actif > 0)
            return c->route;
    return nullptr;
}
