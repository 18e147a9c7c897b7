// A route's tab: its name, the Active and Visible toggles, the tools menu,
// the boat figure, colour, line style and line width choosers, the chart
// button, two help buttons, and the rows of its positions. The commands
// find these widgets by their index, so the order they are made in binds.
#include "routes/dru_routes.h"

#include "routes/attributs_route.h"
#include "routes/classe_route.h"
#include "ui/aide.h"
#include "ui/boutons.h"
#include "ui/defilement_molette.h"
#include "ui/globales_ui.h"
#include "ui/images/images.h"
#include "ui/libelles.h"
#include "ui/local.h"
#include "ui/palette.h"
#include "ui/place_libelle.h"
#include "ui/saisie_annulable.h"

#include <FL/Fl_Bitmap.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Menu_Button.H>
#include <FL/Fl_Pack.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Scroll.H>
#include <FL/Fl_Tabs.H>
#include <FL/fl_draw.H>
#include <algorithm>
#include <initializer_list>

namespace {

struct Figure {
    const char* nom;
    bool traduit;
    bool separateur;
};

const Figure FIGURES[] = {
    {CLE_LOCAL("Monocoque"), true, false}, {CLE_LOCAL("Catamaran"), true, false},
    {CLE_LOCAL("Trimaran"), true, true},   {CLE_LOCAL("Cyclone N"), true, false},
    {CLE_LOCAL("Cyclone S"), true, false}, {"A", false, false},
    {"D", false, false},                   {"H", false, false},
    {"L", false, true},                    {CLE_LOCAL("Chalutier"), true, false},
    {CLE_LOCAL("Tanker"), true, true},     {CLE_LOCAL("Point"), true, false},
    {CLE_LOCAL("Plus"), true, false},
};
const int FIGURES_NOMBRE = int(sizeof FIGURES / sizeof FIGURES[0]);

// The row of tools after the Visible toggle, up to the chart button's end;
// a menu draws its picture beside its arrow, 4 px left of its box: the row
// starts that much further.
const int RETRAIT_OUTILS = 4, LARGEUR_OUTILS = 126;
static_assert(FIGURES_NOMBRE == ROUTE_SYMBOLES, "the figures a route file may name");

// A menu's label image, its look, its tooltip.
Fl_Menu_Button* pMenu(int x, int y, Fl_Image* image, const char* bulle, int taille)
{
    Fl_Menu_Button* m = new Fl_Menu_Button(x, y, 20, 20);
    m->box(FL_FLAT_BOX);
    m->color(COLOR_FOND);
    m->image(image);
    m->labelfont(DRU_FONT);
    m->labelsize(12);
    m->labelcolor(COLOR_ORANGE_TEXTE);
    m->textfont(DRU_FONT);
    m->textsize(taille);
    m->textcolor(COLOR_ORANGE_TEXTE);
    vBulle(m, bulle);
    return m;
}

classeBouton* pBoutonSansBoite(int x, int y, int w, int h, Fl_Image* image)
{
    classeBouton* b = new classeBouton(x, y, w, h);
    b->box(FL_NO_BOX);
    b->image(image);
    return b;
}

classeBoutonImage* pBascule(int x, int w, const char* libelle, Fl_Color haut, int valeur,
                            const char* bulle)
{
    classeBoutonImage* b = new classeBoutonImage(x, 24, w, 18);
    b->copy_label(libelle);
    b->type(FL_TOGGLE_BUTTON);
    b->couleurHaut = haut;
    b->value(valeur);
    vBulle(b, bulle);
    return b;
}

}  // namespace

Fl_Image* pFigureRoute(int symbole)
{
    Fl_Bitmap* const figures[] = {
        image_monocoque, image_catamaran, image_trimaran, image_cyclone1, image_cyclonehs,
        image_lettrea,   image_lettred,   image_lettreh,  image_lettrel,  image_chalutier,
        image_tanker,    image_point,     image_plus1};
    return symbole >= 0 && symbole < FIGURES_NOMBRE ? figures[symbole] : nullptr;
}

Fl_Scroll* DRU_Routes::append(classeRoute* route)
{
    const int D = SCROLL_DECALAGE;
    Fl_Scroll* onglet = new DefilementMolette(0, 0, w0, h0);
    onglet->labeltype(FL_NO_LABEL);
    onglet->box(FL_FLAT_BOX);
    onglet->color(COLOR_FOND);
    onglet->type(Fl_Scroll::VERTICAL);
    onglet->scrollbar.align(FL_ALIGN_LEFT);

    // Escape puts back the route's name.
    Fl_Input* nom = new ChampAnnulable<Fl_Input>(D, 0, w0 - D - 20, 20);
    nom->box(FL_GTK_THIN_DOWN_BOX);
    nom->color(COLOR_FOND);
    nom->textsize(12);
    nom->textcolor(COLOR_BOUTONS_MOYEN);
    nom->value(route->nom);
    // The field shows the name's start, not the end the insertion point
    // was left at.
    nom->position(0);
    // Enter takes the name as leaving the field does.
    nom->when(FL_WHEN_RELEASE | FL_WHEN_ENTER_KEY);
    nom->callback(vBoutonRouteRenommerCallback, route);

    fl_font(DRU_FONT, 12);
    classeBoutonImage* actif = pBascule(D, 19, "@circle", COLOR_ORANGE_TEXTE, route->actif > 0,
                                        CLE_LOCAL("Mode edition de la route (si bleu clair)"));
    actif->callback(vBoutonRouteActiveCallback, route);
    const char* visible = pcTraduire("Visible");
    fl_font(DRU_FONT, 12);
    // As wide as its text, but the row of tools after it ends before the
    // help buttons: a longer text takes a smaller size.
    const int largeur = std::min(int(fl_width(visible)) + 8,
                                 x0 + w0 - 20 - 1 - LARGEUR_OUTILS - RETRAIT_OUTILS - (D + 20));
    classeBoutonImage* montre =
        pBascule(D + 20, largeur, visible, COLOR_BOUTONS_TEXTE, route->visible != 0,
                 CLE_LOCAL("Afficher la route sur la carte (si bleu clair)"));
    montre->callback(vBoutonRouteVisibleCallback, route);
    const int X = D + 20 + largeur + RETRAIT_OUTILS;

    Fl_Menu_Button* outils = pMenu(
        X + 2, 24, image_outils,
        CLE_LOCAL("Fixer une vitesse constante depuis la position marquee (en mode edition) ou "
                  "copier la route (creer une route) ou supprimer la route courante"),
        12);
    // The menu copies the items' labels: a language switch frees the
    // catalogue they come from.
    outils->add(pcTraduire("Texte Route"), 0, vBoutonRouteTexteCallback, route,
                FL_MENU_TOGGLE | (route->texte ? FL_MENU_VALUE : 0));
    outils->add(pcTraduire("Vitesse fixe"), 0, vBoutonRouteVitesseFixeCallback, route,
                FL_MENU_TOGGLE | FL_MENU_DIVIDER | (route->vitesseFixe ? FL_MENU_VALUE : 0));
    outils->add(pcTraduire("Vitesse constante"), 0, vBoutonRouteVitesseConstanteCallback, route);
    outils->add(pcTraduire("Copier la route"), 0, vBoutonRouteCopierCallback, route);
    outils->add(pcTraduire("Supprimer la route"), 0, vBoutonRouteSupprimerCallback, route);

    classeBouton* couleur = pBoutonSansBoite(X + 42, 24, 20, 20, image_couleurs);
    vBulle(couleur, CLE_LOCAL("Modifier la couleur de la route"));
    couleur->callback(vBoutonRouteColorCallback, route);

    Fl_Menu_Button* figure =
        pMenu(X + 22, 22, pFigureRoute(route->symbole), CLE_LOCAL("Choisir la figurine du bateau"), 12);
    figure->labelcolor(Fl_Color(route->couleur));
    for (const Figure& f : FIGURES)
        figure->add(f.traduit ? pcTraduire(f.nom) : f.nom, 0, vBoutonRouteSymboleCallback, route,
                    f.separateur ? FL_MENU_DIVIDER : 0);

    Fl_Menu_Button* style =
        pMenu(X + 64, 24, image_continu_pointille, CLE_LOCAL("Choisir le style du trace"), 14);
    for (const char* s : {"@+2line", "- - -", ". . ."})
        style->add(s, 0, vBoutonRouteStyleCallback, route);
    Fl_Menu_Button* taille =
        pMenu(X + 84, 24, image_epaisseur_trait, CLE_LOCAL("Modifier l'epaisseur du trait"), 14);
    for (const char* s : {"0", "1", "2", "3"})
        taille->add(s, 0, vBoutonRouteTailleCallback, route);

    classeBouton* histogramme =
        pBoutonSansBoite(X + 106, 26, 20, 15,
                         route->histogramme ? image_histogram20152 : image_histogram2015);
    histogramme->align(FL_ALIGN_INSIDE | FL_ALIGN_CLIP);
    histogramme->value(route->histogramme != 0);
    vBulle(histogramme, CLE_LOCAL("Histogramme tooltip"));
    histogramme->callback(vBoutonRouteHistogrammeCallback, route);

    for (int sujet : {152, 153}) {
        classeBouton* aideOnglet = pBoutonAide(x0 + w0 - 20, sujet == 152 ? 0 : 22, sujet, this);
        aideOnglet->size(20, 20);
        aideOnglet->box(FL_NO_BOX);
    }

    // Fitted in its own box: the tools' pictures overrun theirs.
    vAjusterLibelle(montre, montre->labelsize(),
                    {montre->x(), montre->x() + montre->w(), montre->y(),
                     montre->y() + montre->h()});
    Fl_Pack* rangees = appendPack(route);
    onglet->end();
    if (route->visible)
        ongletCourant = onglet;
    route->packPositions = rangees;
    route->scrollOnglet = onglet;
    return onglet;
}

Fl_Widget* DRU_Routes::pEnfantOnglet(Fl_Widget* onglet, int i)
{
    Fl_Scroll* s = dynamic_cast<Fl_Scroll*>(onglet);
    if (!s || i < 0)
        return nullptr;
    for (int k = 0; k < s->children(); ++k) {
        Fl_Widget* w = s->child(k);
        if (w == &s->scrollbar || w == &s->hscrollbar)
            continue;
        if (i-- == 0)
            return w;
    }
    return nullptr;
}

classeRoute* DRU_Routes::pRouteOnglet(Fl_Widget* onglet)
{
    Fl_Widget* nom = pEnfantOnglet(onglet, ROUTE_ONGLET_NOM);
    return nom ? static_cast<classeRoute*>(nom->user_data()) : nullptr;
}
