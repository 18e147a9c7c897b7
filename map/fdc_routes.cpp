// The routes over a map: each visible route brought to the validity shown
// and charted along the file, then drawn: its legs in its colour, style and
// width, a figure with its halo at each position, the user's dates, three
// times across the antimeridian.
#include "map/fdc.h"

#include "gribdata/enregistrement_grib.h"
#include "map/decoupage.h"
#include "map/histogrammes.h"
#include "map/hote_carte.h"
#include "map/routes_carte.h"
#include "routes/classe_route.h"
#include "routes/dru_routes.h"
#include "ui/globales_ui.h"
#include "ui/images/images.h"
#include "ui/palette.h"

#include <FL/Fl_Bitmap.H>
#include <FL/fl_draw.H>
#include <cmath>
#include <cstdio>
#include <initializer_list>

namespace {

// Each symbol's figure and the halo drawn behind it.
struct Figure {
    Fl_Bitmap* const* halo;
    Fl_Bitmap* const* devant;
};
const Figure FIGURES[] = {
    {&image_monocoque0, &image_monocoque}, {&image_catamaran0, &image_catamaran},
    {&image_trimaran0, &image_trimaran},   {&image_cyclone0, &image_cyclone1},
    {&image_cyclonehs, &image_cyclonehs},  {&image_lettrea, &image_lettrea},
    {&image_lettred, &image_lettred},      {&image_lettreh, &image_lettreh},
    {&image_lettrel, &image_lettrel},      {&image_chalutier, &image_chalutier},
    {&image_tanker, &image_tanker},        {&image_point, &image_point},
    {&image_plus1, &image_plus1},
};
const int FIGURES_NOMBRE = int(sizeof FIGURES / sizeof FIGURES[0]);

// The halo enlarged to 20 x 20, made once per symbol and kept.
Fl_Image* pHalo(int symbole)
{
    static Fl_Image* halos[FIGURES_NOMBRE] = {};
    if (!halos[symbole] && *FIGURES[symbole].halo)
        halos[symbole] = (*FIGURES[symbole].halo)->copy(20, 20);
    return halos[symbole];
}

const int MARGE = 10;  // no figure nearer than this to an edge

// One route drawn on one map: positions in pixels relative to the map.
class TraceRoute {
public:
    TraceRoute(const fdc& carte, const classeRoute& route) : carte_(carte), route_(route)
    {
        if (route.symbole >= 0 && route.symbole < FIGURES_NOMBRE) {
            halo_ = pHalo(route.symbole);
            devant_ = *FIGURES[route.symbole].devant;
        }
    }
    void vPasse(double decalage);

private:
    PointPlan point(const classePosition& p, double decalage) const
    {
        return {std::rint(carte_.vueCarte().colonne(p.longitude + decalage)),
                std::trunc(carte_.dLigne(p.latitude))};
    }
    void vLeg(PointPlan a, PointPlan b);
    void vFigure(const classePosition& p, int x, int y, bool active);
    void vEtiquette(const classePosition& p, int x, int y);

    const fdc& carte_;
    const classeRoute& route_;
    Fl_Image* halo_ = nullptr;
    Fl_Bitmap* devant_ = nullptr;
    TronconsVisibles troncons_;
};

void TraceRoute::vPasse(double decalage)
{
    int k = 0;
    PointPlan precedent{0, 0};
    for (const structurePosition* c = route_.premier; c; c = c->suivant) {
        const classePosition& p = *c->position;
        const PointPlan ici = point(p, decalage);
        if (c->precedent)
            vLeg(precedent, ici);
        precedent = ici;
        if (p.type != POSITION_CALCULEE && ici.x > MARGE && ici.x < carte_.w() - MARGE &&
            ici.y > MARGE && ici.y < carte_.h() - MARGE) {
            const bool active = k == route_.actif - 1 && p.type == POSITION_UTILISATEUR;
            vFigure(p, int(ici.x), int(ici.y), active);
        }
        if (p.type == POSITION_CALCULEE || p.type == POSITION_UTILISATEUR)
            ++k;
    }
}

// The part of the leg inside the view, its far ends brought onto the edges.
void TraceRoute::vLeg(PointPlan a, PointPlan b)
{
    const PointPlan leg[2] = {a, b};
    fl_color(Fl_Color(route_.couleur));
    troncons_.vVider();
    vDecouperPolyligne(leg, 2, {0, 0, double(carte_.w() - 1), double(carte_.h() - 1)},
                       troncons_);
    for (size_t t = 0; t < troncons_.debuts.size(); ++t) {
        const PointPlan& u = troncons_.points[troncons_.debuts[t]];
        const PointPlan& v = troncons_.points[troncons_.iFin(t) - 1];
        fl_line(carte_.x() + int(std::lrint(u.x)), carte_.y() + int(std::lrint(u.y)),
                carte_.x() + int(std::lrint(v.x)), carte_.y() + int(std::lrint(v.y)));
    }
}

void TraceRoute::vFigure(const classePosition& p, int x, int y, bool active)
{
    if (!devant_)
        return;
    const Fl_Color couleur = Fl_Color(route_.couleur);
    const int X = carte_.x() + x, Y = carte_.y() + y;
    if (active || p.type < POSITION_AUTRE_ECHEANCE) {
        fl_color(active ? couleur : COLOR_MOYEN);
        if (halo_)
            halo_->draw(X - 10, Y - 10);
    }
    fl_color(active                               ? FL_BLACK
             : p.type == POSITION_UTILISATEUR     ? couleur
             : p.type == POSITION_ECHEANCE        ? FL_RED
                                                  : FL_WHITE);
    devant_->draw(X - 8, Y - 8);
    if (route_.texte && p.type == POSITION_UTILISATEUR)
        vEtiquette(p, x, y);
}

// "dd/mm-hhh" under the figure, over two dark copies, when it fits.
void TraceRoute::vEtiquette(const classePosition& p, int x, int y)
{
    char texte[32];
    std::snprintf(texte, sizeof texte, "%2.2d/%2.2d-%2.2dh", p.dateUTC[2] % 100,
                  p.dateUTC[1] % 100, p.dateUTC[3] % 100);
    const int hw = int(fl_width(texte)) / 2 + 1;
    if (x - hw <= 0 || x + hw >= carte_.w() || y <= 0 || y + 20 >= carte_.h())
        return;
    const int X = carte_.x() + x, Y = carte_.y() + y;
    fl_color(fl_rgb_color(64, 64, 64));
    fl_draw(texte, X - hw - 1, Y + 17);
    fl_draw(texte, X - hw + 1, Y + 19);
    fl_color(Fl_Color(route_.couleur));
    fl_draw(texte, X - hw, Y + 18);
}

void vTracer(const fdc& carte, const classeRoute& route)
{
    const Fl_Color avant = fl_color();
    fl_font(DRU_FONT, 10);
    fl_color(Fl_Color(route.couleur));
    fl_line_style(route.style | FL_CAP_ROUND | FL_JOIN_ROUND, route.taille);
    TraceRoute trace(carte, route);
    for (double decalage : {-360.0, 0.0, 360.0})
        trace.vPasse(decalage);
    fl_line_style(FL_SOLID);
    fl_color(avant);
}

}  // namespace

void fdc::drawRoutes()
{
    Routes* liste = pRoutesCarte();
    if (!liste)
        return;
    if (Dru_Routes)
        Dru_Routes->fdcCourant = this;
    // A route's new chart window opens on this map.
    if (hoteCarte.noterPrincipale) {
        int x = 0, y = 0;
        vCoinEcran(*this, x, y);
        hoteCarte.noterPrincipale(x, y);
    }
    if (!champs)
        vDateEcheanceRoutes(0);
    else if (champs->champ)
        vDateEcheanceRoutes(champs->tValidite);
    for (structureRoute* c = liste->premier; c; c = c->suivant) {
        classeRoute* r = c->route;
        if (!r || !r->visible)
            continue;
        classeRoute* a = r->classeRouteRecalculAvecDateEcheanceCourante();
        const classeRoute* b = r->classeRouteRecalculAvecToutesLesEcheances(gribListe);
        vTracer(*this, b ? *b : a ? *a : *r);
    }
}
