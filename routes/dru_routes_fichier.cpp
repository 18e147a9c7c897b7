// The route window's stores and its route list: open, save, copy and
// delete a route, the language switch, the release of edit mode and the
// route list menu.
#include "routes/dru_routes.h"

#include "routes/classe_route.h"
#include "ui/aide.h"
#include "ui/alerte_differee.h"
#include "ui/boutons.h"
#include "ui/local.h"
#include "ui/saisie_en_cours.h"
#include "ui/texte_brut.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Menu_Button.H>
#include <FL/Fl_Scroll.H>
#include <FL/Fl_Tabs.H>
#include <algorithm>
#include <cstdio>

namespace {

int iNombreRoutes(const Routes& routes)
{
    int n = 0;
    for (const structureRoute* c = routes.premier; c; c = c->suivant)
        ++n;
    return n;
}

}  // namespace

// Menus of a tab save too, one of them while its tab waits for deletion:
// the box waits for the main loop.
int DRU_Routes::iEnregistrer()
{
    const int ok = routes->save();
    if (!ok)
        vAlerteDifferee(pcTraduire("Le fichier de routes n'a pas pu etre enregistre"));
    return ok;
}

void DRU_Routes::vDetruireOnglets()
{
    menuRoutes->clear();
    for (structureRoute* c = routes->premier; c; c = c->suivant)
        c->route->packPositions = nullptr, c->route->scrollOnglet = nullptr;
    delete packASupprimer;
    packASupprimer = nullptr;
    if (!tabsRoutes)
        return;
    tabsRoutes->hide();
    remove(tabsRoutes);
    redraw();
    delete tabsRoutes;
    tabsRoutes = nullptr;
    premierOnglet = ongletCourant = nullptr;
}

void DRU_Routes::vAjouterOnglets()
{
    Fl_Group* courant = Fl_Group::current();
    Fl_Group::current(nullptr);
    add(newTabsRoutes());
    Fl_Group::current(courant);
    resizable(tabsRoutes);
    vMenuRoutes();
    redraw();
}

void DRU_Routes::vMenuRoutes()
{
    menuRoutes->clear();
    for (int i = 0; tabsRoutes && i < tabsRoutes->children(); ++i) {
        Fl_Widget* onglet = tabsRoutes->child(i);
        const classeRoute* route = pRouteOnglet(onglet);
        // A label no entry can hold first (a name is one line), so that
        // the add cannot take the entry of another; then the name as it
        // stands, without the add's menu paths.
        char cle[16];
        std::snprintf(cle, sizeof cle, "\n%d", i);
        const int k = menuRoutes->add(cle, 0, vTabsRouteCallback, onglet);
        menuRoutes->replace(k, sEntreeMenuBrute(route ? route->nom : "").c_str());
    }
}

void DRU_Routes::vDeactivateRoutes()
{
    for (structureRoute* c = routes->premier; c; c = c->suivant)
        if (c->route->actif > 0) {
            c->route->actif = -c->route->actif;
            c->route->modifiee = 1;
        }
    for (int i = 0; tabsRoutes && i < tabsRoutes->children(); ++i)
        if (Fl_Widget* actif = pEnfantOnglet(tabsRoutes->child(i), ROUTE_ONGLET_ACTIF)) {
            static_cast<Fl_Button*>(actif)->value(0);
            actif->redraw();
        }
}

void DRU_Routes::vTabsRouteCallback(Fl_Widget* menu, void* onglet)
{
    DRU_Routes* f = pFenetre(menu);
    Fl_Widget* o = static_cast<Fl_Widget*>(onglet);
    if (!f || !f->tabsRoutes || f->tabsRoutes->find(o) == f->tabsRoutes->children())
        return;
    f->vDeactivateRoutes();
    f->tabsRoutes->value(o);
    f->tabsRoutes->redraw();
    f->vRedessinerCarte();
}

void DRU_Routes::vBoutonRouteFermerCallback(Fl_Widget*, void* fenetre)
{
    static_cast<DRU_Routes*>(fenetre)->vDetruireOnglets();
}

void DRU_Routes::vBoutonRouteOuvrirCallback(Fl_Widget* bouton, void* fenetre)
{
    DRU_Routes* f = static_cast<DRU_Routes*>(fenetre);
    if (Fl_Button* b = dynamic_cast<Fl_Button*>(bouton))
        b->value(0);
    f->vDetruireOnglets();
    // A file that cannot be read leaves what the read left in the list.
    f->routes->load();
    f->vAjouterOnglets();
}

void DRU_Routes::vBoutonRouteEnregistrerCallback(Fl_Widget* bouton, void* fenetre)
{
    if (!bValiderAvantPression(bouton))
        return;
    DRU_Routes* f = static_cast<DRU_Routes*>(fenetre);
    if (Fl_Button* b = dynamic_cast<Fl_Button*>(bouton))
        b->value(0);
    f->iEnregistrer();
    f->vDeactivateRoutes();
}

void DRU_Routes::langue()
{
    vTextesOutils();
    aide->load();
    boutonEnregistrer->value(0);
    const int enregistre = iEnregistrer();
    vDeactivateRoutes();
    if (enregistre) {
        vBoutonRouteOuvrirCallback(boutonOuvrir, this);
        return;
    }
    // Read back, the file would bring back the routes as last stored and
    // drop what was not: the tabs are made again from memory.
    vDetruireOnglets();
    vAjouterOnglets();
}

void DRU_Routes::vBoutonRouteCopierCallback(Fl_Widget* menu, void* donnees)
{
    if (!bValiderAvantPression(menu))
        return;
    classeRoute* source = static_cast<classeRoute*>(donnees);
    DRU_Routes* f = pFenetre(menu);
    Fl_Widget* ongletSource = menu->parent();
    if (!f || !source || !f->tabsRoutes)
        return;
    classeRoute* copie = new classeRoute(source->nom, iNombreRoutes(*f->routes));
    f->routes->append(copie);
    for (const structurePosition* c = source->premier; c; c = c->suivant)
        copie->append(long(c->position->date), c->position->latitude, c->position->longitude);
    Fl_Group* courant = Fl_Group::current();
    Fl_Group::current(nullptr);
    Fl_Scroll* onglet = f->append(copie);
    Fl_Group::current(courant);
    f->tabsRoutes->add(onglet);
    if (ongletSource)
        onglet->resize(ongletSource->x(), ongletSource->y(), ongletSource->w(), ongletSource->h());
    f->tabsRoutes->value(onglet);
    f->vMenuRoutes();
    f->iEnregistrer();
    f->vDeactivateRoutes();
    f->vRedessinerCarte();
}

// The tab whose menu asked for the deletion is destroyed once the menu is
// done with the event.
void DRU_Routes::vBoutonRouteSupprimerCallback(Fl_Widget* menu, void* donnees)
{
    if (!bValiderAvantPression(menu))
        return;
    classeRoute* route = static_cast<classeRoute*>(donnees);
    DRU_Routes* f = pFenetre(menu);
    if (!f || !route)
        return;
    Fl_Tabs* tabs = f->tabsRoutes;
    Fl_Widget* onglet = menu->parent();
    const int i = tabs ? tabs->find(onglet) : 0;
    if (tabs && tabs->children() >= 2 && i < tabs->children()) {
        onglet->hide();
        tabs->remove(onglet);
        f->routes->retirer(route);
        Fl_Widget* montre = tabs->child(std::min(i, tabs->children() - 1));
        tabs->value(montre);
        f->premierOnglet = static_cast<Fl_Scroll*>(tabs->child(0));
        tabs->resizable(f->premierOnglet);
        if (f->ongletCourant == onglet)
            f->ongletCourant = nullptr;
        Fl::delete_widget(onglet);
        f->vMenuRoutes();
        tabs->redraw();
    }
    f->iEnregistrer();
    f->vDeactivateRoutes();
    f->vRedessinerCarte();
}
