#include "ui/place_libelle.h"

#include "ui/boites_construites.h"
#include "ui/boutons.h"
#include "ui/defilement.h"

#include <FL/Fl.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Light_Button.H>
#include <FL/Fl_Scroll.H>
#include <FL/fl_draw.H>
#include <algorithm>
#include <cstring>

namespace {

constexpr Fl_Align COTES = FL_ALIGN_LEFT | FL_ALIGN_RIGHT;

bool bDedans(Fl_Align a)
{
    return (a & FL_ALIGN_INSIDE) || !(a & (FL_ALIGN_TOP | FL_ALIGN_BOTTOM | COTES));
}

// A box tried for the label, and the alignment it is drawn with there.
struct Essai {
    int x, y, w, h;
    Fl_Align align;
};

// What the toolkit leaves of a box's width to its label: the box less its
// frame, less 3 px on each side for a label aligned left or right; a
// round or check button draws it after its mark, the program's picture
// buttons on their whole box.
int iPlace(Fl_Widget* w, const Essai& e)
{
    if (dynamic_cast<classeBoutonImage*>(w))
        return e.w;
    const int cadre = Fl::box_dw(w->box());
    if (dynamic_cast<Fl_Light_Button*>(w))
        return e.w - cadre - 4 - w->labelsize();
    const int l = e.w - cadre;
    return l > 11 && (e.align & COTES) ? l - 6 : l;
}

// The text's width and height in the widget's font and size, wrapped at
// `largeur` (0: on one line).
void vMesurer(Fl_Widget* w, int largeur, int& l, int& h)
{
    fl_font(w->labelfont(), w->labelsize());
    l = largeur;
    h = 0;
    fl_measure(w->label(), l, h, 0);
}

bool bTient(Fl_Widget* w, const Essai& e)
{
    const int place = iPlace(w, e);
    if (place <= 0)
        return false;
    int l, h;
    vMesurer(w, e.align & FL_ALIGN_WRAP ? place : 0, l, h);
    return l <= place && (!(e.align & FL_ALIGN_WRAP) || h <= e.h - Fl::box_dh(w->box()));
}

// No sibling but those under or over the widget as built meets the box.
bool bLibre(Fl_Widget* w, const Essai& construit, const Essai& e)
{
    Fl_Group* p = w->parent();
    for (int i = 0; p && i < p->children(); ++i) {
        Fl_Widget* s = p->child(i);
        auto coupe = [s](const Essai& r) {
            return s->x() < r.x + r.w && r.x < s->x() + s->w() && s->y() < r.y + r.h &&
                   r.y < s->y() + s->h();
        };
        if (s != w && s->w() && s->h() && !coupe(construit) && coupe(e))
            return false;
    }
    return true;
}

// The box `e` as wide as the text needs in it, grown within the room from
// the side its text is aligned to.
Essai elargi(Fl_Widget* w, const Essai& e, const Libre& libre)
{
    int l, h;
    vMesurer(w, 0, l, h);
    Essai r = e;
    r.w = std::min(std::max(e.w, l + e.w - iPlace(w, e)), libre.droite - libre.gauche);
    r.x = e.align & FL_ALIGN_RIGHT ? e.x + e.w - r.w : std::min(e.x, libre.droite - r.w);
    r.x = std::max(libre.gauche, r.x);
    return r;
}

// The whole room's width, as tall as the text wrapped there, about the
// box's middle.
Essai enLignes(Fl_Widget* w, const Essai& e, const Libre& libre)
{
    Essai r{libre.gauche, e.y, libre.droite - libre.gauche, e.h,
            Fl_Align(e.align | FL_ALIGN_WRAP)};
    int l, h;
    vMesurer(w, iPlace(w, r), l, h);
    r.h = std::max(e.h, h + Fl::box_dh(w->box()));
    r.y = std::max(libre.haut, std::min(e.y + (e.h - r.h) / 2, libre.bas - r.h));
    return r;
}

// The boxes tried at one size, in order.
int iEssais(Fl_Widget* w, const Essai& construit, const Libre& libre, Essai essais[5])
{
    int n = 0;
    essais[n++] = construit;
    if (construit.align & COTES)
        essais[n++] = {construit.x, construit.y, construit.w, construit.h,
                       Fl_Align(construit.align & ~COTES)};
    for (int i = 0, m = n; i < m; ++i)
        essais[n++] = elargi(w, essais[i], libre);
    if (libre.bas - libre.haut > construit.h && std::strchr(w->label(), ' '))
        essais[n++] = enLignes(w, construit, libre);
    return n;
}

void vPoser(Fl_Widget* w, const Essai& e)
{
    if (e.x != w->x() || e.y != w->y() || e.w != w->w() || e.h != w->h()) {
        w->resize(e.x, e.y, e.w, e.h);
        if (w->parent())
            w->parent()->redraw();
    }
    w->align(e.align);
    w->redraw();
}

// The fit from the box as built, whatever earlier fits made of it.
void vAjusterDedans(Fl_Widget* w, int taille, const Libre& libre)
{
    const Boite b = boiteConstruite(w);
    const Essai construit{b.x, b.y, b.w, b.h, Fl_Align(b.align & ~FL_ALIGN_WRAP)};
    Essai essais[5];
    for (int t = taille; t >= TAILLE_PLANCHER; --t) {
        w->labelsize(t);
        const int n = iEssais(w, construit, libre, essais);
        for (int i = 0; i < n; ++i)
            if (bTient(w, essais[i]) && (i == 0 || bLibre(w, construit, essais[i]))) {
                vPoser(w, essais[i]);
                vBulleEntiere(w, false);
                vRetenirAjustement(w, b);
                return;
            }
    }
    // The widest box on one line, drawn centred.
    iEssais(w, construit, libre, essais);
    const Essai& large = essais[(construit.align & COTES) ? 3 : 1];
    vPoser(w, bLibre(w, construit, large) ? large : construit);
    vBulleEntiere(w, true);
    vRetenirAjustement(w, b);
}

// Outside its widget a label only changes size: its room runs from the
// widget to the room's edge on its side (the widget's width above or
// below it).
void vAjusterDehors(Fl_Widget* w, int taille, const Libre& libre)
{
    const Fl_Align a = w->align();
    int place = w->w();
    if (!(a & (FL_ALIGN_TOP | FL_ALIGN_BOTTOM)))
        place = a & FL_ALIGN_LEFT ? w->x() - 3 - libre.gauche
                                  : libre.droite - (w->x() + w->w() + 3);
    bAjusterTaille(w, taille, place);
    w->redraw();
    if (w->parent())
        w->parent()->redraw();
}

void vCouper(Libre& l, const Libre& par)
{
    l.gauche = std::max(l.gauche, par.gauche);
    l.droite = std::min(l.droite, par.droite);
    l.haut = std::max(l.haut, par.haut);
    l.bas = std::min(l.bas, par.bas);
}

// What an area that scrolls up and down shows of its content across: its
// inner box less its scrollbar, counted whether or not it shows now, and
// within its children's bounds, as a scroll repaints the margin beyond
// them with its background and not with what lies there. (Nothing is
// kept from one that scrolls sideways.)
Libre contenuDefilant(Fl_Scroll* s)
{
    constexpr int SANS = 1 << 20;
    Libre c{-SANS, SANS, -SANS, SANS};
    if (s->type() != Fl_Scroll::VERTICAL && s->type() != Fl_Scroll::VERTICAL_ALWAYS)
        return c;
    const int barre = iEpaisseurBarres(s);
    c.gauche = s->x() + Fl::box_dx(s->box());
    c.droite = c.gauche + s->w() - Fl::box_dw(s->box());
    if (s->scrollbar.align() & FL_ALIGN_LEFT)
        c.gauche += barre;
    else
        c.droite -= barre;
    EtendueContenu e;
    if (bEtendueContenu(s, e))
        c.gauche = std::max(c.gauche, e.gauche), c.droite = std::min(c.droite, e.droite);
    return c;
}

}  // namespace

Libre libreAutour(Fl_Widget* w, Libre b)
{
    Fl_Group* p = w->parent();
    const Boite c = boiteConstruite(w);
    const int x0 = c.x, x1 = x0 + c.w, y0 = c.y, y1 = y0 + c.h;
    // A framed box that grows stays 1 px off its neighbours.
    const int ecart = w->box() != FL_NO_BOX && bDedans(w->align()) ? 1 : 0;
    for (int i = 0; p && i < p->children(); ++i) {
        Fl_Widget* s = p->child(i);
        const int sx0 = s->x(), sx1 = sx0 + s->w(), sy0 = s->y(), sy1 = sy0 + s->h();
        const bool ligne = sy0 < y1 && y0 < sy1, colonne = sx0 < x1 && x0 < sx1;
        if (s == w || !s->w() || !s->h() || (ligne && colonne))
            continue;
        if (ligne && sx1 <= x0)
            b.gauche = std::max(b.gauche, sx1 + ecart);
        if (ligne && sx0 >= x1)
            b.droite = std::min(b.droite, sx0 - ecart);
        if (colonne && sy1 <= y0)
            b.haut = std::max(b.haut, sy1 + ecart);
        if (colonne && sy0 >= y1)
            b.bas = std::min(b.bas, sy0 - ecart);
    }
    // The room holds the box, whatever its neighbours.
    return {std::min(b.gauche, x0), std::max(b.droite, x1), std::min(b.haut, y0),
            std::max(b.bas, y1)};
}

Libre libreAutour(Fl_Widget* w)
{
    Fl_Group* p = w->parent();
    if (!p)
        return {w->x(), w->x() + w->w(), w->y(), w->y() + w->h()};
    const int x = p->as_window() ? 0 : p->x(), y = p->as_window() ? 0 : p->y();
    return libreAutour(w, {x, x + p->w(), y, y + p->h()});
}

Libre libreVisible(Fl_Widget* w, Libre l)
{
    for (Fl_Group* a = w->parent(); a; a = a->parent()) {
        if (a->as_window()) {
            vCouper(l, {0, a->w(), 0, a->h()});
            break;
        }
        if (Fl_Scroll* s = dynamic_cast<Fl_Scroll*>(a))
            vCouper(l, contenuDefilant(s));
    }
    return l;
}

void vAjusterLibelle(Fl_Widget* w, int taille, const Libre& libre)
{
    if (!w || !w->label() || !w->label()[0])
        return;
    Libre l = libreVisible(w, libre);
    if (bDedans(w->align())) {
        // The room holds the box as built, whatever hides it.
        const Boite b = boiteConstruite(w);
        l = {std::min(l.gauche, b.x), std::max(l.droite, b.x + b.w), std::min(l.haut, b.y),
             std::max(l.bas, b.y + b.h)};
        vAjusterDedans(w, taille, l);
    } else {
        vAjusterDehors(w, taille, l);
    }
}

void vAjusterLibelle(Fl_Widget* w, int taille)
{
    if (w)
        vAjusterLibelle(w, taille, libreAutour(w));
}
