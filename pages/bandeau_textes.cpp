#include "pages/bandeau_textes.h"

#include <FL/Fl_Box.H>
#include <FL/fl_draw.H>
#include <algorithm>

namespace {

// The sizes the boxes were built with: the validity larger.
constexpr int TAILLE_TITRE = 18, TAILLE = 12;

MesureTexte mesure(const Fl_Box* b)
{
    return [b](int taille) {
        fl_font(b->labelfont(), taille);
        return int(fl_width(b->label() ? b->label() : "")) + 1;
    };
}

// A box over its text: drawn centred in it, so no side margin is taken.
void vPoser(Fl_Box* b, const PlaceTexte& p, int largeurTexte)
{
    b->resize(p.x, b->y(), p.l, b->h());
    b->labelsize(p.taille);
    const Fl_Align haut = b->align() & FL_ALIGN_BOTTOM;
    const bool coupe = largeurTexte > p.l;
    b->align(haut | FL_ALIGN_INSIDE | (coupe ? FL_ALIGN_CLIP | FL_ALIGN_LEFT : 0));
    vBulleEntiere(b, coupe, true);
}

}  // namespace

PlaceTexte placeSeule(int gauche, int droite, int taille, const MesureTexte& largeur)
{
    const int place = droite - gauche;
    taille = iTailleTenant(taille, TAILLE_PLANCHER, place, largeur);
    const int l = std::min(largeur(taille), place);
    return {gauche + (place - l) / 2, l, taille};
}

void vPlacerPaire(int gauche, int droite, int taille, const MesureTexte& lg,
                  const MesureTexte& ld, PlaceTexte& g, PlaceTexte& d)
{
    const int place = droite - gauche;
    taille = iTailleTenant(taille, TAILLE_PLANCHER, place,
                           [&](int t) { return lg(t) + BANDEAU_ECART + ld(t); });
    int a = lg(taille), b = ld(taille);
    if (a + BANDEAU_ECART + b > place) {
        const int reste = std::max(0, place - BANDEAU_ECART);
        a = a + b > 0 ? int(long(reste) * a / (a + b)) : 0;
        b = reste - a;
    }
    g = {gauche, a, taille};
    d = {droite - b, b, taille};
}

void BandeauTextes::vTextes(Fl_Box* titre, Fl_Box* second, Fl_Box* gauche, Fl_Box* droite)
{
    titre_ = titre, second_ = second, gauche_ = gauche, droite_ = droite;
}

void BandeauTextes::vPlacer()
{
    if (!titre_ || !second_ || !gauche_ || !droite_)
        return;
    const int g = x() + BANDEAU_BORD, d = x() + w() - BANDEAU_BORD;
    for (auto [b, taille] : {std::pair{titre_, TAILLE_TITRE}, {second_, TAILLE}}) {
        const MesureTexte m = mesure(b);
        const PlaceTexte p = placeSeule(g, d, taille, m);
        vPoser(b, p, m(p.taille));
    }
    PlaceTexte pg, pd;
    const MesureTexte mg = mesure(gauche_), md = mesure(droite_);
    vPlacerPaire(g, d, TAILLE, mg, md, pg, pd);
    vPoser(gauche_, pg, mg(pg.taille));
    vPoser(droite_, pd, md(pd.taille));
}

void BandeauTextes::draw()
{
    vPlacer();
    // One text laid out again may move the others: every part of the
    // strip is drawn, its bands under its texts.
    for (int i = 0; i < children(); ++i)
        draw_child(*child(i));
}
