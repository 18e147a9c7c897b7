// The commands of a route tab: edit mode and visibility, colour, boat
// figure, line style and width, the tools menu's toggles and constant
// speed, the name, the chart button; and edit mode from the map's key e.
// Each one keeps the tab's widgets in step with the route and asks the
// map that drew the routes last to draw again.
#include "routes/dru_routes.h"

#include "routes/classe_route.h"
#include "routes/regles_fenetre.h"
#include "ui/images/images.h"
#include "ui/saisie_en_cours.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Menu_.H>
#include <FL/Fl_Pack.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Scroll.H>
#include <FL/Fl_Tabs.H>
#include <FL/Fl_Color_Chooser.H>
#include <algorithm>
#include <cmath>

namespace {

// The tab of a widget of the tab's first rows (its parent), and the window.
DRU_Routes* pFenetreDe(Fl_Widget* w)
{
    return DRU_Routes::pFenetre(w);
}

void vRedessiner(Fl_Widget* w)
{
    if (DRU_Routes* f = pFenetreDe(w))
        f->vRedessinerCarte();
}

// A tools menu toggle: the route's field flipped.
void vBasculer(Fl_Widget* menu, classeRoute* route, int classeRoute::*champ)
{
    if (!route)
        return;
    route->*champ = !(route->*champ);
    route->modifiee = 1;
    vRedessiner(menu);
}

// A chooser: the picked item's index into the route's field.
bool bChoisir(Fl_Widget* menu, classeRoute* route, int classeRoute::*champ)
{
    const int v = static_cast<Fl_Menu_*>(menu)->value();
    if (!route || v < 0)
        return false;
    route->*champ = v;
    route->modifiee = 1;
    vRedessiner(menu);
    return true;
}

double dDixieme(double v)
{
    return int(std::rint(v * 10)) / 10.0;
}

}  // namespace

void DRU_Routes::vBoutonRouteActiveCallback(Fl_Widget* bouton, void* donnees)
{
    if (!bValiderAvantPression(bouton))
        return;
    classeRoute* route = static_cast<classeRoute*>(donnees);
    Fl_Button* actif = static_cast<Fl_Button*>(bouton);
    DRU_Routes* f = pFenetreDe(bouton);
    if (!route)
        return;
    if (!actif->value()) {
        if (route->actif > 0)
            route->actif = -route->actif;
    } else if (!route->visible) {
        actif->value(0);
        actif->redraw();
    } else {
        if (f)
            f->vDeactivateRoutes();
        actif->value(1);
        route->actif = 0;
        Fl_Pack* rangees = route->packPositions;
        for (int k = 0; rangees && k < rangees->children(); ++k) {
            Fl_Group* rangee = static_cast<Fl_Group*>(rangees->child(k));
            const bool marquee = rangee->children() > RANGEE_MARQUE &&
                                 static_cast<Fl_Button*>(rangee->child(RANGEE_MARQUE))->value();
            if (marquee)
                route->actif = std::min(k + 1, route->dernierNumero + 1);
            changeGroupeRoutePosition(rangee, marquee);
        }
        if (route->actif == 0 && rangees && rangees->children() > 0) {
            changeGroupeRoutePosition(static_cast<Fl_Group*>(rangees->child(0)), 1);
            route->actif = 1;
        }
    }
    route->modifiee = 1;
    if (bouton->parent())
        bouton->parent()->redraw();
    vRedessiner(bouton);
}

void DRU_Routes::vBoutonRouteVisibleCallback(Fl_Widget* bouton, void* donnees)
{
    classeRoute* route = static_cast<classeRoute*>(donnees);
    if (!route)
        return;
    if (!static_cast<Fl_Button*>(bouton)->value()) {
        route->visible = 0;
        if (route->actif > 0)
            route->actif = -route->actif;
        if (Fl_Widget* actif = pEnfantOnglet(bouton->parent(), ROUTE_ONGLET_ACTIF)) {
            static_cast<Fl_Button*>(actif)->value(0);
            actif->redraw();
        }
    } else {
        route->visible = 1;
    }
    bouton->redraw();
    vRedessiner(bouton);
}

void DRU_Routes::vBoutonRouteColorCallback(Fl_Widget* bouton, void* donnees)
{
    classeRoute* route = static_cast<classeRoute*>(donnees);
    if (!route)
        return;
    uchar r, g, b;
    Fl::get_color(Fl_Color(route->couleur), r, g, b);
    if (!fl_color_chooser("Color:", r, g, b))
        return;
    const unsigned couleur = r == 0 && g == 0 && b == 0
                                 ? unsigned(FL_BLACK)
                                 : (unsigned(r) << 24) + (unsigned(g) << 16) + (unsigned(b) << 8);
    route->couleur = int(couleur);
    if (Fl_Widget* figure = pEnfantOnglet(bouton->parent(), ROUTE_ONGLET_SYMBOLE)) {
        figure->labelcolor(Fl_Color(couleur));
        figure->redraw();
    }
    route->modifiee = 1;
    vRedessiner(bouton);
}

void DRU_Routes::vBoutonRouteTexteCallback(Fl_Widget* menu, void* donnees)
{
    vBasculer(menu, static_cast<classeRoute*>(donnees), &classeRoute::texte);
}

void DRU_Routes::vBoutonRouteVitesseFixeCallback(Fl_Widget* menu, void* donnees)
{
    vBasculer(menu, static_cast<classeRoute*>(donnees), &classeRoute::vitesseFixe);
}

void DRU_Routes::vBoutonRouteStyleCallback(Fl_Widget* menu, void* donnees)
{
    bChoisir(menu, static_cast<classeRoute*>(donnees), &classeRoute::style);
}

void DRU_Routes::vBoutonRouteTailleCallback(Fl_Widget* menu, void* donnees)
{
    bChoisir(menu, static_cast<classeRoute*>(donnees), &classeRoute::taille);
}

void DRU_Routes::vBoutonRouteSymboleCallback(Fl_Widget* menu, void* donnees)
{
    classeRoute* route = static_cast<classeRoute*>(donnees);
    if (!bChoisir(menu, route, &classeRoute::symbole))
        return;
    menu->image(pFigureRoute(route->symbole));
    menu->redraw();
}

// From the marked position on, every leg takes its speed rounded to a
// tenth; the dates follow from the speeds, recomputed once all are set
// (a recomputation walks the whole route: one per position froze the
// program on long routes).
void DRU_Routes::vBoutonRouteVitesseConstanteCallback(Fl_Widget* menu, void* donnees)
{
    if (!bValiderAvantPression(menu))
        return;
    classeRoute* route = static_cast<classeRoute*>(donnees);
    if (!route)
        return;
    double v = -1;
    bool change = false;
    int i = 0;
    for (structurePosition* c = route->premier; c; c = c->suivant, ++i) {
        if (i == route->actif - 1) {
            c->position->vitesse = v = dDixieme(c->position->vitesse);
        } else if (v > 0 && v <= ROUTE_VITESSE_MAX) {
            c->position->vitesse = dDixieme(v);
            change = true;
        }
    }
    if (change)
        route->recalcul(1);
    if (DRU_Routes* f = pFenetreDe(menu))
        f->vRemplirRangees(route);
    if (route->scrollOnglet)
        route->scrollOnglet->redraw();
    vRedessiner(menu);
}

// A name is one line of the routes file, and "@end" would end the file
// where it stands: the input then shows the name kept.
void DRU_Routes::vBoutonRouteRenommerCallback(Fl_Widget* champ, void* donnees)
{
    classeRoute* route = static_cast<classeRoute*>(donnees);
    Fl_Input* saisie = static_cast<Fl_Input*>(champ);
    if (!route)
        return;
    std::string nom;
    if (!bNomRoute(saisie->value(), nom)) {
        saisie->value(route->nom);
        return;
    }
    std::snprintf(route->nom, sizeof route->nom, "%s", nom.c_str());
    if (nom != saisie->value())
        saisie->value(route->nom);
    if (DRU_Routes* f = pFenetreDe(champ))
        f->vMenuRoutes();
}

void DRU_Routes::vBoutonRouteHistogrammeCallback(Fl_Widget* bouton, void* donnees)
{
    if (!bValiderAvantPression(bouton))
        return;
    classeRoute* route = static_cast<classeRoute*>(donnees);
    Fl_Button* b = static_cast<Fl_Button*>(bouton);
    if (!route)
        return;
    if (b->value()) {
        b->value(0);
        route->histogramme = 0;
        route->vSupprimerHistogrammes();
        b->image(image_histogram2015);
    } else {
        b->value(1);
        route->histogramme = 1;
        b->image(image_histogram20152);
    }
    b->redraw();
    route->modifiee = 1;
    vRedessiner(bouton);
}

void DRU_Routes::vActivateRoute()
{
    if (!tabsRoutes || tabsRoutes->children() == 0 || !routes)
        return;
    Fl_Widget* onglet = tabsRoutes->value();
    Fl_Button* actif = static_cast<Fl_Button*>(pEnfantOnglet(onglet, ROUTE_ONGLET_ACTIF));
    const int i = tabsRoutes->find(onglet);
    structureRoute* c = routes->premier;
    for (int k = 0; c && k < i; ++k)
        c = c->suivant;
    if (!actif || !c)
        return;
    if (!c->route->visible) {
        actif->value(0);
        actif->redraw();
        return;
    }
    actif->value(!actif->value());
    vBoutonRouteActiveCallback(actif, c->route);
}
