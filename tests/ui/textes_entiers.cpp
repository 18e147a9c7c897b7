#include "tests/ui/textes_entiers.h"

#include "tests/ui/harnais_gui.h"
#include "ui/boutons.h"

#include <FL/Fl.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Input_.H>
#include <FL/Fl_Light_Button.H>
#include <FL/Fl_Menu_.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Scroll.H>
#include <FL/Fl_Valuator.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>
#include <FL/x.H>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <sstream>

namespace harnais {

namespace {

struct Rect {
    int x, y, w, h;
    bool bCoupe(const Rect& r) const
    {
        return x < r.x + r.w && r.x < x + w && y < r.y + r.h && r.y < y + h;
    }
    bool bCoupeX(int gauche, int droite) const { return x < droite && gauche < x + w; }
};

Rect rect(Fl_Widget* w)
{
    return {w->x(), w->y(), w->w(), w->h()};
}

// Where the label is drawn, with the alignment the toolkit draws it by.
struct Place {
    Rect r;
    Fl_Align align;
};

// Inside the widget: the box less its frame, less 3 px on each side for a
// label aligned left or right; the program's picture buttons draw on the
// whole box, a round or check button after its mark.
Place placeDedans(Fl_Widget* w)
{
    if (dynamic_cast<classeBoutonImage*>(w))
        return {rect(w), w->align()};
    const int bx = Fl::box_dx(w->box());
    if (dynamic_cast<Fl_Light_Button*>(w)) {
        const int lx = bx + 2 + w->labelsize() + 2;
        return {{w->x() + lx, w->y(), w->w() - lx - bx, w->h()}, w->align()};
    }
    Rect r{w->x() + bx, w->y() + Fl::box_dy(w->box()), w->w() - Fl::box_dw(w->box()),
           w->h() - Fl::box_dh(w->box())};
    if (r.w > 11 && (w->align() & (FL_ALIGN_LEFT | FL_ALIGN_RIGHT)))
        r.x += 3, r.w -= 6;
    return {r, w->align()};
}

// What a scroll area keeps of its content across: its children's left and
// right bounds, beyond which a scroll repaints its background (a vertical
// area; the whole width of one that scrolls sideways).
std::pair<int, int> bornesEnfants(Fl_Scroll* s)
{
    std::pair<int, int> b{1 << 20, -(1 << 20)};
    if (s->type() & Fl_Scroll::HORIZONTAL)
        return {-b.first, b.first};
    for (int i = 0; i < s->children(); ++i) {
        Fl_Widget* e = s->child(i);
        if (e != &s->scrollbar && e != &s->hscrollbar)
            b = {std::min(b.first, e->x()), std::max(b.second, e->x() + e->w())};
    }
    return b;
}

// The left edge a label on a widget's left may reach: the parent draws it
// from its own edge without clipping it, so in a scroll area it runs to the
// left of the area's children.
int iBordGauche(Fl_Widget* w, int px)
{
    for (Fl_Widget* a = w->parent(); a; a = a->parent())
        if (Fl_Scroll* s = dynamic_cast<Fl_Scroll*>(a))
            return std::min(px, std::max(bornesEnfants(s).first, s->x()));
    return px;
}

// Outside the widget, as its parent draws it: above or below over the
// widget's width, else on its left or right up to the parent's edge (on
// the left, to a scroll area's).
Place placeDehors(Fl_Widget* w)
{
    Fl_Group* p = w->parent();
    const bool fenetre = !p || p->as_window();
    const int px = fenetre ? 0 : p->x(), py = fenetre ? 0 : p->y();
    const int pw = p ? p->w() : w->x() + w->w(), ph = p ? p->h() : w->y() + w->h();
    const Fl_Align a = w->align();
    const Fl_Align h = a & (FL_ALIGN_LEFT | FL_ALIGN_RIGHT);
    if (a & FL_ALIGN_TOP)
        return {{w->x(), py, w->w(), w->y() - py}, Fl_Align(h | FL_ALIGN_BOTTOM)};
    if (a & FL_ALIGN_BOTTOM)
        return {{w->x(), w->y() + w->h(), w->w(), py + ph - w->y() - w->h()},
                Fl_Align(h | FL_ALIGN_TOP)};
    if (a & FL_ALIGN_LEFT) {
        const int gauche = iBordGauche(w, px);
        return {{gauche, w->y(), w->x() - 3 - gauche, w->h()}, FL_ALIGN_RIGHT};
    }
    const int x = w->x() + w->w() + 3;
    return {{x, w->y(), px + pw - x, w->h()}, FL_ALIGN_LEFT};
}

bool bDedans(Fl_Align a)
{
    return (a & FL_ALIGN_INSIDE) ||
           !(a & (FL_ALIGN_TOP | FL_ALIGN_BOTTOM | FL_ALIGN_LEFT | FL_ALIGN_RIGHT));
}

// The rows and columns the text takes in its place.
Rect rectTexte(const Place& p, int largeur, int hauteur)
{
    int x = p.r.x + (p.r.w - largeur) / 2;
    if (p.align & FL_ALIGN_LEFT)
        x = p.r.x;
    else if (p.align & FL_ALIGN_RIGHT)
        x = p.r.x + p.r.w - largeur;
    int y = p.r.y + (p.r.h - hauteur) / 2;
    if (p.align & FL_ALIGN_TOP)
        y = p.r.y;
    else if (p.align & FL_ALIGN_BOTTOM)
        y = p.r.y + p.r.h - hauteur;
    return {x, y, largeur, hauteur};
}

bool bLibelleMontre(Fl_Widget* w)
{
    const char* l = w->label();
    if (!l || l[0] == '@' || std::strspn(l, " ") == std::strlen(l) || w->as_window())
        return false;
    const Fl_Labeltype t = w->labeltype();
    if (t == FL_NO_LABEL || t == _FL_IMAGE_LABEL || t == _FL_MULTI_LABEL)
        return false;
    return !(w->type() == FL_HIDDEN_BUTTON && dynamic_cast<Fl_Button*>(w));
}

// A box that shows nothing but a picture covers only the opaque half of
// the picture (drawn centred in the box).
int iPixelsOpaques(Fl_Widget* s, const Rect& t)
{
    Fl_RGB_Image* image = dynamic_cast<Fl_RGB_Image*>(s->image());
    if (!image || image->d() != 4 || !image->data() || !image->data()[0])
        return 1;
    const int ix = s->x() + (s->w() - image->w()) / 2, iy = s->y() + (s->h() - image->h()) / 2;
    const int ligne = image->ld() ? image->ld() : image->w() * 4;
    const unsigned char* octets = reinterpret_cast<const unsigned char*>(image->data()[0]);
    int n = 0;
    for (int y = std::max(t.y, iy); y < std::min(t.y + t.h, iy + image->h()); ++y)
        for (int x = std::max(t.x, ix); x < std::min(t.x + t.w, ix + image->w()); ++x)
            n += octets[(y - iy) * ligne + (x - ix) * 4 + 3] >= 128;
    return n;
}

// Where the label of `w` is drawn: `place` gets its room; a label that
// wraps is measured on lines of the room's width.
Rect rectLibelle(Fl_Widget* w, Place& place)
{
    place = bDedans(w->align()) ? placeDedans(w) : placeDehors(w);
    fl_font(w->labelfont(), w->labelsize());
    int l = w->align() & FL_ALIGN_WRAP ? place.r.w : 0, h = 0;
    fl_measure(w->label(), l, h, 0);
    return rectTexte(place, l, h);
}

bool bImageSeule(Fl_Widget* s)
{
    return s->image() && s->box() == FL_NO_BOX && !s->as_group() &&
           (!s->label() || !s->label()[0]);
}

// Whether `s`, shown beside the label's widget, draws over the text's
// rectangle: a frameless group by what it holds, a frameless box by its
// own text; a box without label or picture drawn before the label
// (`avant`) is its background.
bool bCouvre(Fl_Widget* s, const Rect& t, bool avant)
{
    if (!s->visible())
        return false;
    const bool vide = !s->image() && (!s->label() || !s->label()[0]);
    if (avant && !s->as_group() && vide)
        return false;
    if (s->box() == FL_NO_BOX && !s->image() && !s->as_group() && bLibelleMontre(s)) {
        Place place;
        return rectLibelle(s, place).bCoupe(t);
    }
    if (!rect(s).bCoupe(t))
        return false;
    // A line of the picture across the text leaves it legible, a shape
    // under a fifth of it does not.
    if (bImageSeule(s))
        return 5 * iPixelsOpaques(s, t) > t.w * t.h;
    Fl_Group* g = s->as_group();
    if (g && s->box() == FL_NO_BOX && !bLibelleMontre(s)) {
        for (int i = 0; i < g->children(); ++i)
            if (bCouvre(g->child(i), t, avant))
                return true;
        return false;
    }
    return s->box() != FL_NO_BOX || s->image() || bLibelleMontre(s);
}

std::string sFaute(Fl_Widget* w, const Rect& t, const Rect& place)
{
    Fl_Group* p = w->parent();
    const int rang = p ? p->find(w) : 0;
    for (int i = 0; p && i < p->children(); ++i)
        if (p->child(i) != w && bCouvre(p->child(i), t, i < rang))
            return "under a sibling at " + std::to_string(p->child(i)->x()) + "," +
                   std::to_string(p->child(i)->y());
    bool defile = false;  // a scroll area brings it into view
    for (Fl_Widget* a = p; a; a = a->parent()) {
        if (a->as_window()) {
            if (!defile && (t.x < 0 || t.y < 0 || t.x + t.w > a->w() || t.y + t.h > a->h()))
                return "out of its window";
            break;
        }
        Fl_Scroll* s = dynamic_cast<Fl_Scroll*>(a);
        if (!s)
            continue;
        defile = true;
        const Fl_Scrollbar& b = s->scrollbar;
        if (b.visible() && t.bCoupeX(b.x(), b.x() + b.w()))
            return "under a scrollbar";
        if (!t.bCoupeX(s->x(), s->x() + s->w()) || t.x < s->x() || t.x + t.w > s->x() + s->w())
            return "out of its scroll area";
        const auto [gauche, droite] = bornesEnfants(s);
        if (t.x < gauche || t.x + t.w > droite)
            return "in the margin its scroll area repaints";
    }
    if (t.w > place.w)
        return std::to_string(t.w) + " px in " + std::to_string(place.w);
    if (t.h > place.h && (w->align() & FL_ALIGN_WRAP))
        return std::to_string(t.h) + " px high in " + std::to_string(place.h);
    return "";
}

// A button or a picture of a scroll area under its scrollbar.
bool bSousBarre(Fl_Widget* w)
{
    if (w->as_group() || (w->box() == FL_NO_BOX && !w->image()))
        return false;
    for (Fl_Widget* a = w->parent(); a; a = a->parent())
        if (Fl_Scroll* s = dynamic_cast<Fl_Scroll*>(a)) {
            const Fl_Scrollbar& b = s->scrollbar;
            if (&b != w && b.visible() && rect(w).bCoupeX(b.x(), b.x() + b.w()))
                return true;
        }
    return false;
}

// A control drawn after `w` by their parent over its box: a button, an
// input, a menu or a valuator, shown.
bool bCommande(Fl_Widget* w)
{
    return w->visible() && w->w() > 0 && w->h() > 0 && !w->as_group() &&
           (w->box() != FL_NO_BOX || w->image()) &&
           (dynamic_cast<Fl_Button*>(w) || dynamic_cast<Fl_Input_*>(w) ||
            dynamic_cast<Fl_Menu_*>(w) || dynamic_cast<Fl_Valuator*>(w));
}

const Fl_Widget* pSousCommande(Fl_Widget* w)
{
    Fl_Group* p = w->parent();
    if (!p || !bCommande(w))
        return nullptr;
    for (int i = p->find(w) + 1; i < p->children(); ++i)
        if (p->child(i) != w && bCommande(p->child(i)) && rect(p->child(i)).bCoupe(rect(w)))
            return p->child(i);
    return nullptr;
}

// Columns of `pixels` (RGB, `l` wide) holding a pixel of colour `c` give
// or take what the rasteriser's smoothing leaves at a glyph's core.
int iColonnesEncre(const std::vector<unsigned char>& pixels, int l, Fl_Color c)
{
    unsigned char r, v, b;
    Fl::get_color(c, r, v, b);
    const int h = l ? int(pixels.size()) / (3 * l) : 0;
    int n = 0;
    for (int x = 0; x < l; ++x)
        for (int y = 0; y < h; ++y) {
            const unsigned char* p = &pixels[size_t(3 * (y * l + x))];
            if (std::abs(p[0] - r) < 48 && std::abs(p[1] - v) < 48 && std::abs(p[2] - b) < 48) {
                ++n;
                break;
            }
        }
    return n;
}

// What the walk finds.
struct Releve {
    const std::set<Fl_Widget*>& sauf;
    std::vector<std::string>& fautes;
    std::set<std::string>* enBulle;
};

void vParcourir(Fl_Widget* w, Releve& r)
{
    if (!w->visible())
        return;
    if (bSousBarre(w) && !r.sauf.count(w))
        r.fautes.push_back("a widget at " + std::to_string(w->x()) + "," +
                           std::to_string(w->y()) + " under a scrollbar");
    if (const Fl_Widget* s = r.sauf.count(w) ? nullptr : pSousCommande(w))
        r.fautes.push_back("a widget at " + std::to_string(w->x()) + "," +
                           std::to_string(w->y()) + " under one at " + std::to_string(s->x()) +
                           "," + std::to_string(s->y()));
    if (bLibelleMontre(w) && !r.sauf.count(w)) {
        Place place;
        const Rect t = rectLibelle(w, place);
        const std::string faute = sFaute(w, t, place.r);
        const char* bulle = w->tooltip();
        if (!faute.empty() && bulle && std::strstr(bulle, w->label())) {
            if (r.enBulle)
                r.enBulle->insert(w->label());
        } else if (!faute.empty()) {
            std::ostringstream s;
            s << '"' << w->label() << "\" at " << w->x() << "," << w->y() << " " << w->w()
              << "x" << w->h() << " size " << w->labelsize() << ": " << faute;
            r.fautes.push_back(s.str());
        }
    }
    if (Fl_Group* g = w->as_group())
        for (int i = 0; i < g->children(); ++i)
            vParcourir(g->child(i), r);
}

}  // namespace

std::vector<std::string> textesCoupes(Fl_Widget* racine, const std::set<Fl_Widget*>& sauf,
                                      std::set<std::string>* enBulle)
{
    std::vector<std::string> fautes;
    Releve r{sauf, fautes, enBulle};
    if (racine)
        vParcourir(racine, r);
    return fautes;
}

std::string sEncreCoupee(Fl_Window* fenetre, Fl_Widget* w, int gauche)
{
    const int l = w->x() + w->w() - gauche, h = w->h();
    const std::vector<unsigned char> montre = lireTampon(fenetre, gauche, w->y(), l, h);
    if (l <= 0 || montre.empty())
        return "nothing drawn";
    const Fl_Color fond = fl_rgb_color(montre[0], montre[1], montre[2]);
    // The text alone, on the band's background, with room around it.
    fenetre->make_current();
    fl_font(w->labelfont(), w->labelsize());
    const int lt = int(fl_width(w->label())) + 8;
    Fl_Offscreen seul = fl_create_offscreen(lt, h);
    fl_begin_offscreen(seul);
    fl_color(fond);
    fl_rectf(0, 0, lt, h);
    fl_font(w->labelfont(), w->labelsize());
    fl_color(w->labelcolor());
    fl_draw(w->label(), 4, h - fl_descent() - (h - fl_height()) / 2);
    unsigned char* octets = fl_read_image(nullptr, 0, 0, lt, h);
    fl_end_offscreen();
    fl_delete_offscreen(seul);
    const std::vector<unsigned char> attendu(octets, octets ? octets + size_t(lt) * h * 3 : octets);
    delete[] octets;
    const int vues = iColonnesEncre(montre, l, w->labelcolor());
    const int toutes = iColonnesEncre(attendu, lt, w->labelcolor());
    return vues == toutes ? ""
                          : std::to_string(vues) + " columns drawn of " + std::to_string(toutes);
}

}  // namespace harnais
