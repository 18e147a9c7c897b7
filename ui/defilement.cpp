#include "ui/defilement.h"

#include <FL/Fl.H>
#include <FL/Fl_Pack.H>
#include <FL/Fl_Scroll.H>
#include <algorithm>

int iHauteurContenu(const Fl_Widget* w)
{
    const Fl_Pack* p = dynamic_cast<const Fl_Pack*>(w);
    if (!p || p->horizontal())
        return w->h();
    int h = 0, montres = 0;
    for (int i = 0; i < p->children(); ++i)
        if (p->child(i)->visible()) {
            h += p->child(i)->h();
            ++montres;
        }
    return h + std::max(0, montres - 1) * p->spacing() + Fl::box_dh(p->box());
}

int iEpaisseurBarres(const Fl_Scroll* s)
{
    return s->scrollbar_size() ? s->scrollbar_size() : Fl::scrollbar_size();
}

bool bEtendueContenu(const Fl_Scroll* s, EtendueContenu& c)
{
    bool vide = true;
    for (int i = 0; i < s->children(); ++i) {
        const Fl_Widget* e = s->child(i);
        if (e == &s->scrollbar || e == &s->hscrollbar)
            continue;
        const EtendueContenu f{e->x(), e->x() + e->w(), e->y(), e->y() + iHauteurContenu(e)};
        c = vide ? f
                 : EtendueContenu{std::min(c.gauche, f.gauche), std::max(c.droite, f.droite),
                                  std::min(c.haut, f.haut), std::max(c.bas, f.bas)};
        vide = false;
    }
    return !vide;
}

void vDefilerVers(Fl_Scroll* s, int y)
{
    s->scroll_to(s->xposition(), y);
}

void vBornerDefilement(Fl_Scroll* s)
{
    EtendueContenu c;
    if (!(s->type() & Fl_Scroll::VERTICAL) || !bEtendueContenu(s, c))
        return;
    const int interieur =
        s->h() - Fl::box_dh(s->box()) - (s->hscrollbar.visible() ? iEpaisseurBarres(s) : 0);
    // How far the content's top lies above the view, and how far it may.
    const int defile = s->y() + Fl::box_dy(s->box()) - c.haut;
    const int maximum = std::max(0, c.bas - c.haut - interieur);
    if (defile > maximum)
        vDefilerVers(s, s->yposition() - (defile - maximum));
}

void vBornerDefilements(Fl_Widget* racine)
{
    Fl_Group* g = racine ? racine->as_group() : nullptr;
    if (!g)
        return;
    for (int i = 0; i < g->children(); ++i)
        vBornerDefilements(g->child(i));
    if (Fl_Scroll* s = dynamic_cast<Fl_Scroll*>(g))
        vBornerDefilement(s);
}
