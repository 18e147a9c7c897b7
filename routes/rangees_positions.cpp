// The position rows of a route tab: one row per position, built, filled
// from the route and marked; the rows group replaced after an insertion, a
// deletion or an append. A callback may run inside the group being
// replaced, so the old group waits in packASupprimer until the next
// replacement.
#include "routes/dru_routes.h"

#include "routes/classe_route.h"
#include "routes/spinner_position.h"
#include "ui/aide.h"
#include "ui/boutons.h"
#include "ui/globales_ui.h"
#include "ui/images/images.h"
#include "ui/libelles.h"
#include "ui/local.h"
#include "ui/palette.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_Pack.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Scroll.H>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

const char* const BULLE_DATE = CLE_LOCAL(
    "Date de la position courante (Annee, mois,jour) et heure UTC (heure, minute, seconde) "
    "(modifier avec la molette de la souris ou entrer la valeur)");
const char* const BULLE_LATITUDE = CLE_LOCAL(
    "Latitude de la position (degres, minute et seconde) (modifier avec la molette de la "
    "souris ou entrer la valeur)");
const char* const BULLE_LONGITUDE = CLE_LOCAL(
    "Longitude de la position (degres, minute et seconde) (modifier avec la molette de la "
    "souris ou entrer la valeur)");
const char* const BULLE_VITESSE = CLE_LOCAL(
    "Vitesse en noeuds et 1/10° (modifier avec la molette de la souris ou entrer la valeur)");

// The thirteen fields of a row: place, range and tooltip; each as wide as
// its widest value with the field's margins (the speed's "99.9").
struct Champ {
    int x, y, w;
    double minimum, maximum;
    const char* bulle;
};

const Champ CHAMPS[RANGEE_VITESSE + 1] = {
    {22, 4, 40, 1970, 2037, BULLE_DATE},      {63, 4, 22, 1, 12, BULLE_DATE},
    {86, 4, 22, 1, 31, BULLE_DATE},           {114, 4, 22, 0, 23, BULLE_DATE},
    {137, 4, 22, 0, 59, BULLE_DATE},          {160, 4, 22, 0, 59, BULLE_DATE},
    {4, 24, 28, -90, 90, BULLE_LATITUDE},     {33, 24, 22, 0, 59, BULLE_LATITUDE},
    {56, 24, 22, 0, 59, BULLE_LATITUDE},      {84, 24, 34, -180, 360, BULLE_LONGITUDE},
    {119, 24, 22, 0, 59, BULLE_LONGITUDE},    {142, 24, 22, 0, 59, BULLE_LONGITUDE},
    {166, 24, 34, 0.1, 99.9, BULLE_VITESSE},
};

const Fl_Color GRIS_NON_MARQUE = 0xB4B4B400;

Fl_Box* pBoiteValeur(int x, int w, const char* bulle)
{
    Fl_Box* b = new Fl_Box(x, 44, w, 18);
    b->box(FL_GTK_THIN_UP_BOX);
    b->color(COLOR_BOUTONS_MOYEN);
    b->labelfont(DRU_FONT_BOLD);
    b->labelsize(12);
    b->labelcolor(COLOR_BOUTONS_TEXTE);
    b->align(FL_ALIGN_INSIDE | FL_ALIGN_RIGHT);
    vBulle(b, bulle);
    return b;
}

classeBouton* pBoutonRangee(int x, Fl_Image* image, const char* bulle, classeRoute* route)
{
    classeBouton* b = new classeBouton(x, 44, 18, 18);
    b->box(FL_NO_BOX);
    b->image(image);
    vBulle(b, bulle);
    b->callback(DRU_Routes::vBoutonRoutePositionCallback, route);
    return b;
}

void vTexte(Fl_Widget* boite, const char* format, double valeur)
{
    char texte[48];
    std::snprintf(texte, sizeof texte, format, valeur);
    boite->copy_label(texte);
}

// The rows of the route's rows group.
int iRangees(const classeRoute* route)
{
    return route->packPositions ? route->packPositions->children() : 0;
}

Fl_Group* pRangee(const classeRoute* route, int j)
{
    return static_cast<Fl_Group*>(route->packPositions->child(j));
}

}  // namespace

spinnerPosition* DRU_Routes::spinnerRoute(int x, int y, int w, int h)
{
    spinnerPosition* s = new spinnerPosition(x, y, w, h);
    s->labeltype(FL_NO_LABEL);
    s->route = nullptr;
    s->textfont(DRU_FONT);
    s->textsize(12);
    s->step(1, 1);
    s->color(COLOR_BOUTONS_MOYEN);
    s->box(FL_GTK_THIN_DOWN_BOX);
    return s;
}

Fl_Group* DRU_Routes::newGroupeRoutePosition(classeRoute* route)
{
    Fl_Group* rangee = new Fl_Group(0, 0, 203, 66);
    rangee->box(FL_NO_BOX);
    rangee->image(image_fdcroute);
    rangee->align(FL_ALIGN_INSIDE | FL_ALIGN_CLIP);
    for (const Champ& c : CHAMPS) {
        spinnerPosition* s = spinnerRoute(c.x, c.y, c.w, 18);
        vBulle(s, c.bulle);
        s->range(c.minimum, c.maximum);
        s->route = route;
        s->callback(vSpinnerRoutePositionCallback, route);
        // A typed value acts once entered (Enter, or the field left): "-5"
        // would otherwise move the position through "-" and "-5" and every
        // value refused on the way would rewrite the field being typed.
        s->when(FL_WHEN_RELEASE | FL_WHEN_ENTER_KEY);
        s->input.when(FL_WHEN_RELEASE | FL_WHEN_ENTER_KEY);
    }
    static_cast<spinnerPosition*>(rangee->child(RANGEE_VITESSE))->step(0.1);
    pBoiteValeur(4, 30, CLE_LOCAL("Cap en degre"));
    pBoiteValeur(35, 61, CLE_LOCAL("Distance parcourue (milles nautiques)"));
    pBoiteValeur(97, 61, CLE_LOCAL("Distance restante a parcourir (milles nautiques)"));
    pBoutonRangee(163, image_plus,
                  CLE_LOCAL("Inserer une position après la position courante (pour creer un "
                            "point d'inflexion, vitesse ou cap different)"),
                  route);
    pBoutonRangee(183, image_moins,
                  CLE_LOCAL("Supprimer la position courante (on ne peut supprimer la 1ère, "
                            "supprimer la route)"),
                  route);
    classeBoutonImage* marque = new classeBoutonImage(2, 4, 18, 18, "@-1circle");
    marque->type(FL_TOGGLE_BUTTON);
    marque->couleurHaut = COLOR_ORANGE_TEXTE;
    vBulle(marque, CLE_LOCAL("Marquer cette position active (mode edition) (si bleu clair) "
                             "(modifiable sur la carte avec le bouton 1 de la souris)"));
    marque->callback(vBoutonRoutePositionCallback, route);
    const bool marquee = route->courant && route->courant->position->numero ==
                                               std::abs(route->actif) - 1;
    changeGroupeRoutePosition(rangee, marquee);
    classeBouton* aide = pBoutonAide(183, 4, 154, this);
    aide->size(20, 20);
    aide->box(FL_NO_BOX);
    aide->image(skin1_image_help2);
    rangee->end();
    return rangee;
}

void DRU_Routes::setGroupeRoutePosition(Fl_Group* rangee, classeRoute* route, double parcourue)
{
    if (!rangee || !route || !route->premier || rangee->children() < RANGEE_ENFANTS)
        return;
    if (!route->courant)
        route->courant = route->premier;
    const classePosition* p = route->courant->position;
    const double valeurs[RANGEE_VITESSE + 1] = {
        double(p->dateUTC[0]),     double(p->dateUTC[1]),          double(p->dateUTC[2]),
        double(p->dateUTC[3]),     double(p->dateUTC[4]),          double(p->dateUTC[5]),
        double(p->latitudeDegres), double(p->latitudeMinutes),     double(p->latitudeSecondes),
        double(p->longitudeDegres), double(p->longitudeMinutes),   double(p->longitudeSecondes),
        p->vitesse};
    // A field that already holds its value keeps its text: the user may be
    // typing "12." on the way to "12.5".
    for (int i = 0; i <= RANGEE_VITESSE; ++i)
        static_cast<spinnerPosition*>(rangee->child(i))->value(valeurs[i]);
    vTexte(rangee->child(RANGEE_CAP), "%.0f", p->cap);
    vTexte(rangee->child(RANGEE_PARCOURUE), "%.1lf", parcourue);
    vTexte(rangee->child(RANGEE_RESTANTE), "%.1lf", std::abs(route->totalLoxo - parcourue));
}

void DRU_Routes::changeGroupeRoutePosition(Fl_Group* rangee, int marquee)
{
    if (!rangee || rangee->children() <= RANGEE_MARQUE)
        return;
    Fl_Button* marque = static_cast<Fl_Button*>(rangee->child(RANGEE_MARQUE));
    marque->value(marquee != 0);
    marque->labelcolor(marquee ? COLOR_BOUTON_ACTIVE : COLOR_ORANGE_TEXTE);
    for (int i = 0; i <= RANGEE_VITESSE; ++i) {
        spinnerPosition* s = static_cast<spinnerPosition*>(rangee->child(i));
        s->color(marquee ? COLOR_FOND : GRIS_NON_MARQUE);
        s->textcolor(marquee ? COLOR_BOUTON_ACTIVE : COLOR_BOUTONS_TEXTE);
    }
}

void DRU_Routes::vRefreshPosition(classeRoute* route)
{
    if (!route || !route->visible || !route->packPositions)
        return;
    const int marquee = std::abs(route->actif) - 1;
    for (int j = 0; j < iRangees(route); ++j) {
        changeGroupeRoutePosition(pRangee(route, j), j == marquee);
        pRangee(route, j)->redraw();
    }
    if (route->scrollOnglet)
        route->scrollOnglet->redraw();
}

Fl_Pack* DRU_Routes::appendPack(classeRoute* route)
{
    Fl_Pack* pack = new Fl_Pack(x0 + SCROLL_DECALAGE, 48, w0 - SCROLL_DECALAGE, h0 - 48);
    pack->labeltype(FL_NO_LABEL);
    pack->spacing(6);
    pack->color(COLOR_FOND);
    double parcourue = 0;
    for (route->courant = route->premier; route->courant;
         route->courant = route->courant->suivant) {
        parcourue += route->courant->position->loxo;
        if (route->courant->position->type == POSITION_UTILISATEUR)
            setGroupeRoutePosition(newGroupeRoutePosition(route), route, parcourue);
    }
    pack->end();
    return pack;
}

void DRU_Routes::vRemoveAddPack(classeRoute* route, int n)
{
    if (!route)
        return;
    const int nombre = route->dernierNumero + 1;
    if (n == 99999)
        route->actif = nombre;
    else if (n != 0)
        route->actif = std::min(n, nombre);
    Fl_Scroll* onglet = route->scrollOnglet;
    Fl_Pack* ancien = route->packPositions;
    if (!onglet || !ancien)
        return;
    delete packASupprimer;
    packASupprimer = nullptr;
    ancien->hide();
    onglet->remove(ancien);
    Fl_Group* courant = Fl_Group::current();
    Fl_Group::current(nullptr);
    Fl_Pack* pack = appendPack(route);
    Fl_Group::current(courant);
    onglet->add(pack);
    route->packPositions = pack;
    pack->resize(ancien->x(), ancien->y(), pack->w(), pack->h());
    onglet->redraw();
    packASupprimer = ancien;
}

void DRU_Routes::vModifyPosition(classeRoute* route, int reconstruire)
{
    if (!route)
        return;
    if (reconstruire) {
        vRemoveAddPack(route, route->actif);
        return;
    }
    vRemplirRangees(route);
}

void DRU_Routes::vRemplirRangees(classeRoute* route)
{
    if (!route || !route->packPositions)
        return;
    double parcourue = 0;
    structurePosition* c = route->premier;
    for (int j = 0; j < iRangees(route) && c; ++j, c = c->suivant) {
        route->courant = c;
        parcourue += c->position->loxo;
        setGroupeRoutePosition(pRangee(route, j), route, parcourue);
    }
    if (route->scrollOnglet)
        route->scrollOnglet->redraw();
}
