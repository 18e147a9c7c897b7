// One coastline record on the map: its outline or its filled ring, cut to
// the view first.
#include "map/fdc.h"

#include "map/fdc_couches.h"
#include "ui/palette.h"

#include <FL/fl_draw.H>

namespace {

// Scratch space of the GUI thread, which alone draws.
TraceTdc& trace()
{
    static TraceTdc t;
    return t;
}

// Which lines an overlay level shows: 1 the shore only, 2 the shore and
// the borders, 0 and 3 everything.
bool bMontre(int niveauTrait, int type)
{
    if (niveauTrait == 1)
        return type == 1;
    if (niveauTrait == 2)
        return type == 1 || type == 21 || type == 22 || type == 41 || type == 51;
    return true;
}

Fl_Color couleurTrait(int type, int mode, bool vecteur)
{
    if (mode == -1)
        return fl_rgb_color(64, 64, 64);
    if (type == 1)
        return fl_rgb_color(160, 160, 160);
    if (type >= 10 && type <= 17)
        return vecteur ? FL_ETANG : Fl_Color(63);
    if (type >= 18 && type <= 20)
        return FL_MER;
    if (type == 21 || type == 51)
        return fl_rgb_color(192, 192, 192);
    if (type == 22)
        return fl_rgb_color(128, 128, 128);
    if (type == 23)
        return Fl_Color(223);
    if (type == 41)
        return fl_rgb_color(164, 164, 164);
    return Fl_Color(88);
}

Fl_Color couleurSurface(int type)
{
    switch (type) {
    case 1:
        return FL_TERRE;
    case 2:
        return FL_LAC;
    case 3:
        return FL_ILE;
    case 4:
        return FL_ETANG;
    default:
        return Fl_Color(88);
    }
}

}  // namespace

void fdc::draw_tdc_vecteur(TYPEDEF_TDC* t, double decalage, double echelleNiveau, double sud,
                           double ouest, int, int mode)
{
    fl_line_style(FL_SOLID, 1);
    if (!bMontre(niveauTraitCote, t->niveau))
        return;
    const TronconsVisibles& r =
        trace().contour(t, decalage, echelleNiveau, sud, ouest, projectionCarte(*this));
    if (r.debuts.empty())
        return;
    fl_color(couleurTrait(t->niveau, mode, fond == FDC_VECTEUR));
    for (size_t k = 0; k < r.debuts.size(); ++k) {
        fl_begin_line();
        for (size_t i = r.debuts[k]; i < r.iFin(k); ++i)
            fl_vertex(r.points[i].x, r.points[i].y);
        fl_end_line();
    }
}

void fdc::draw_tdc_vecteur_fill(TYPEDEF_TDC* t, double decalage, double echelleNiveau,
                                double sud, double ouest)
{
    const std::vector<PointPlan>& s =
        trace().surface(t, decalage, echelleNiveau, sud, ouest, projectionCarte(*this));
    if (s.empty())
        return;
    fl_color(couleurSurface(t->niveau));
    fl_begin_complex_polygon();
    for (const PointPlan& p : s)
        fl_vertex(p.x, p.y);
    fl_end_complex_polygon();
}
