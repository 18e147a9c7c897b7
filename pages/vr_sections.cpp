// The viewer's two sections: one button per displayable parameter, one
// per validity in rows by day, each section with its title and help
// button, stacked in the accordion above the help pane.
#include "pages/vr.h"

#include "gribdata/globales.h"
#include "gribdata/parametres.h"
#include "map/fdc.h"
#include "pages/menus_modeles.h"
#include "pages/rangees_boutons.h"
#include "ui/aide.h"
#include "ui/boutons.h"
#include "ui/globales_ui.h"
#include "ui/horloge.h"
#include "ui/local.h"
#include "ui/palette.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_Menu_Bar.H>
#include <FL/Fl_Pack.H>
#include <FL/Fl_Scroll.H>
#include <FL/fl_draw.H>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <set>
#include <utility>
#include <vector>

namespace {

constexpr int LARGEUR = 212;

classeBoutonImage* pBouton(int x, int y, int w, const char* texte, int type, long numero,
                           Fl_Callback* rappel)
{
    classeBoutonImage* b = new classeBoutonImage(x, y, w, 20);
    b->copy_label(texte);
    b->type(uchar(type));
    b->shortcut(int(numero));
    // The map reads the number from the user data.
    b->callback(rappel, reinterpret_cast<void*>(intptr_t(numero)));
    return b;
}

Fl_Group* pSection(int x, int y, int h, const char* titre, Fl_Box*& libelle)
{
    Fl_Group* g = new Fl_Group(x, y, LARGEUR, h);
    g->box(FL_PLASTIC_THIN_UP_BOX);
    g->color(COLOR_BOUTONS_MOYEN);
    Fl_Box* t = new Fl_Box(x + 4, y + 4, 184, 20);
    t->copy_label(pcTraduire(titre));
    t->labelfont(DRU_FONT_BOLD);
    t->labelsize(13);
    t->labelcolor(COLOR_ORANGE_TEXTE);
    t->align(FL_ALIGN_INSIDE | FL_ALIGN_LEFT);
    libelle = t;
    return g;
}

// The widgets made before their section, put into it.
void vAjouter(Fl_Group* section, Fl_Widget** widgets)
{
    for (; widgets && *widgets; ++widgets)
        section->add(*widgets);
}

}  // namespace

void vr::vVisualisateurMenu(int np, int nv, int)
{
    const int x0 = 18, y0 = iy + 122;
    Fl_Group* courant = Fl_Group::current();
    Fl_Group::current(nullptr);
    const int r1 = vVisualisateurMenuParametres(x0, y0 + 32, np,
                                                carte && carte->superposition ? FL_TOGGLE_BUTTON
                                                                              : FL_RADIO_BUTTON,
                                                vBoutonVisualisateurParametresCallback);
    vVisualisateurDeleteMenu();
    groupeParametres = pSection(x0, y0 + 4, r1 - (y0 + 4) + 76, CLE_LOCAL("Parametres"),
                                titresVisualisateur[0]);
    pBoutonAide(x0 + 188, y0 + 8, 42);
    vAjouter(groupeParametres, reinterpret_cast<Fl_Widget**>(boutonsParametres));
    vReglagesParametres(x0, r1);
    groupeParametres->end();
    const int y2 = groupeParametres->y() + groupeParametres->h();
    const int r2 = vVisualisateurMenuValidites(x0, y2 + 28, nv, 0, FL_RADIO_BUTTON,
                                               vBoutonVisualisateurEcheancesCallback);
    groupeValidites = pSection(x0, y2, r2 - y2 + 74, CLE_LOCAL("Validites"),
                               titresVisualisateur[2]);
    pBoutonAide(x0 + 188, y2 + 4, 43);
    vAjouter(groupeValidites, reinterpret_cast<Fl_Widget**>(boitesJours));
    vAjouter(groupeValidites, reinterpret_cast<Fl_Widget**>(boutonsValidites));
    vReglagesValidites(x0, r2);
    groupeValidites->end();
    Fl_Group::current(courant);
    // The sections go first, the help pane after them, on their topic.
    packVisualisateur->insert(*groupeParametres, 0);
    packVisualisateur->insert(*groupeValidites, 1);
    if (packVisualisateur->find(aideVisu) < packVisualisateur->children()) {
        packVisualisateur->remove(aideVisu);
        packVisualisateur->add(aideVisu);
    }
    aideVisu->name(42);
    gribsynchro();
    scrollVisualisateur->redraw();
}

int vr::vVisualisateurMenuParametres(int x, int y, int n, int type, Fl_Callback* rappel)
{
    vVisualisateurMenuDeleteParametres();
    boutonsParametres = new classeBoutonImage*[n + 1]();
    std::vector<int> largeurs;
    for (int i = 0; i < n; ++i) {
        boutonsParametres[i] = pBouton(x + 4, y, 0, pcTraduire(parametres[i]->libelle), type,
                                       parametres[i]->parametre, rappel);
        largeurs.push_back(iLargeurBouton(boutonsParametres[i]));
    }
    std::vector<std::pair<int, int>> places;
    const int bas = iDisposerBoutons(largeurs, x + 4, y, 21, places, x + LARGEUR - 2);
    for (int i = 0; i < n; ++i)
        boutonsParametres[i]->resize(places[i].first, places[i].second, largeurs[i], 20);
    if (n > 0)
        boutonsParametres[0]->value(1);
    // The bottom of the last row.
    return bas - 2;
}

// The parameter buttons flowed again when a new name no longer fits one:
// the rows under them in the section follow, and the section grows or
// shrinks with them.
void vr::vRedisposerParametres()
{
    if (!groupeParametres || !boutonsParametres || !boutonsParametres[0])
        return;
    std::set<Fl_Widget*> boutons;
    int avant = 0;
    for (classeBoutonImage** b = boutonsParametres; *b; ++b) {
        boutons.insert(*b);
        avant = std::max(avant, (*b)->y() + (*b)->h());
    }
    const int apres =
        iRedisposerBoutons(boutonsParametres, 21, groupeParametres->x() + LARGEUR - 2);
    if (!apres)
        return;
    for (int i = 0; i < groupeParametres->children(); ++i) {
        Fl_Widget* w = groupeParametres->child(i);
        if (!boutons.count(w) && w->y() >= avant)
            w->position(w->x(), w->y() + apres - avant);
    }
    // Its children keep their sizes.
    Fl_Widget* etire = groupeParametres->resizable();
    groupeParametres->resizable(nullptr);
    groupeParametres->size(groupeParametres->w(), groupeParametres->h() + apres - avant);
    groupeParametres->resizable(etire);
    groupeParametres->init_sizes();
    scrollVisualisateur->redraw();
}

int vr::vVisualisateurMenuValidites(int x, int y, int n, int, int type, Fl_Callback* rappel)
{
    vVisualisateurMenuDeleteValidites();
    boutonsValidites = new classeBoutonImage*[n + 1]();
    boitesJours = new Fl_Box*[VR_JOURS + 1]();
    fl_font(DRU_FONT, 12);
    int jours = 0, bx = x, ligne = y + 1 - 21, jour = -1, i = 0;
    for (; i < n; ++i) {
        const int v = validites[i];
        if (v / 100 != jour) {
            if (jours == VR_JOURS) {
                vJournal("<VISUALISATEUR>", "plus de %d jours : validites suivantes non montrees\n",
                         VR_JOURS);
                break;
            }
            jour = v / 100;
            ligne += 21;
            char date[16];
            std::snprintf(date, sizeof date, "%d", jour);
            Fl_Box* b = boitesJours[jours++] = new Fl_Box(x, ligne, 70, 20);
            b->copy_label(date);
            b->labelsize(12);
            b->align(FL_ALIGN_INSIDE | FL_ALIGN_RIGHT);
            b->labelcolor(jour == AAAAMMJJ ? COLOR_ORANGE_TEXTE : 255);
            bx = x + 70;
        }
        char heure[16];
        std::snprintf(heure, sizeof heure, "%2.2d", v % 100);
        const int w = int(fl_width(heure)) + 2;
        if (bx + w > x + LARGEUR)
            ligne += 21, bx = x + 70;
        boutonsValidites[i] = pBouton(bx, ligne, w, heure, type, v, rappel);
        bx += w + 1;
    }
    if (i > 0)
        boutonsValidites[0]->value(1);
    return ligne + 20;
}

void vr::vVisualisateurMenuDeleteValidites()
{
    delete[] boutonsValidites;
    delete[] boitesJours;
    boutonsValidites = nullptr;
    boitesJours = nullptr;
}

void vr::vVisualisateurMenuDeleteParametres()
{
    delete[] boutonsParametres;
    boutonsParametres = nullptr;
}

// The visible iso menus' choices go back into the hidden menu bar before
// their section goes.
void vr::vVisualisateurDeleteMenu()
{
    if (groupeParametres && menuIso)
        menuCache->copy(menuIso->menu(), this);
    menuIso = nullptr;
    boutonSuperposition = boutonIsolignes = boutonIsotaches = nullptr;
    boutonInterpolation = boutonAnimeArriere = boutonPause = boutonAnime = nullptr;
    sliderTransparence = sliderVitesse = nullptr;
    boutonPrecedent = boutonSuivant = nullptr;
    for (Fl_Box*& t : titresVisualisateur)
        t = nullptr;
    for (Fl_Group** section : {&groupeParametres, &groupeValidites}) {
        if (!*section)
            continue;
        packVisualisateur->remove(*section);
        delete *section;
        *section = nullptr;
    }
}
