#include "ui/boites_construites.h"

#include <FL/Fl.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Scroll.H>
#include <memory>
#include <unordered_map>

namespace {

// What is kept of a widget, relative to its parent's content.
struct Fiche {
    Fl_Widget* w = nullptr;  // nulled by the toolkit when the widget is deleted
    Boite construite, posee;
    Fiche() = default;
    Fiche(const Fiche&) = delete;
    Fiche& operator=(const Fiche&) = delete;
    // The toolkit watches the pointer by its address: it lets it go
    // whether or not it nulled it.
    ~Fiche() { Fl::release_widget_pointer(w); }
};

using Fiches = std::unordered_map<const Fl_Widget*, std::unique_ptr<Fiche>>;

Fiches& fiches()
{
    static Fiches f;
    return f;
}

// The origin the widget's box is kept from: its parent's top left (a
// window's children are in its own coordinates), in a scroll area the top
// of its content, which scrolling moves. (Not its left: the area counts
// an inset of its content as a sideways scroll once drawn, without moving
// anything.)
void vOrigine(const Fl_Widget* w, int& x, int& y)
{
    Fl_Group* p = w->parent();
    x = y = 0;
    if (!p || p->as_window())
        return;
    x = p->x(), y = p->y();
    if (const Fl_Scroll* s = dynamic_cast<const Fl_Scroll*>(p))
        y -= s->yposition();
}

Boite relative(const Fl_Widget* w, Boite b)
{
    int x, y;
    vOrigine(w, x, y);
    b.x -= x, b.y -= y;
    return b;
}

Boite absolue(const Fl_Widget* w, Boite b)
{
    int x, y;
    vOrigine(w, x, y);
    b.x += x, b.y += y;
    return b;
}

bool bEgales(const Boite& a, const Boite& b)
{
    return a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h && a.align == b.align;
}

// The fiche of `w`, null when none is kept; a fiche whose widget went
// (its address taken again since) is dropped.
Fiche* pFiche(const Fl_Widget* w)
{
    Fiches& f = fiches();
    auto i = f.find(w);
    if (i == f.end())
        return nullptr;
    if (i->second->w != w) {
        f.erase(i);
        return nullptr;
    }
    return i->second.get();
}

// The fiches of deleted widgets, dropped once they are as many as the
// ones kept at the last sweep.
void vBalayer()
{
    static size_t seuil = 64;
    Fiches& f = fiches();
    if (f.size() < seuil)
        return;
    for (auto i = f.begin(); i != f.end();)
        i = i->second->w ? std::next(i) : f.erase(i);
    seuil = 2 * f.size() + 64;
}

}  // namespace

Boite boiteActuelle(const Fl_Widget* w)
{
    return {w->x(), w->y(), w->w(), w->h(), w->align()};
}

Boite boiteConstruite(Fl_Widget* w)
{
    const Boite maintenant = boiteActuelle(w);
    const Fiche* f = pFiche(w);
    if (!f || !bEgales(relative(w, maintenant), f->posee))
        return maintenant;
    return absolue(w, f->construite);
}

void vRetenirAjustement(Fl_Widget* w, const Boite& construite)
{
    Fiche* f = pFiche(w);
    if (!f) {
        vBalayer();
        auto nouvelle = std::make_unique<Fiche>();
        nouvelle->w = w;
        Fl::watch_widget_pointer(nouvelle->w);
        f = nouvelle.get();
        fiches()[w] = std::move(nouvelle);
    }
    f->construite = relative(w, construite);
    f->posee = relative(w, boiteActuelle(w));
}
