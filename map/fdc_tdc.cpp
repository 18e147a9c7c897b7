// The coastline layer: the level that fits the scale, the records around
// the view, filled on the plain-sea map and outlined over pictures.
#include "map/fdc.h"

#include "map/chargement_fonds.h"
#include "map/fdc_couches.h"
#include "map/tdc.h"
#include "ui/palette.h"

#include <FL/fl_draw.H>

namespace {

enum Trace { RIEN, CONTOUR, SURFACE };

// The first pass: outlines over a picture or over opaque bands (mode -1),
// where the filed levels show only shores and lines; fills on the plain
// sea.
Trace tracePremierePasse(int type, bool carres, bool contours)
{
    if (carres && contours)
        return type < 2 || type > 9 ? CONTOUR : RIEN;
    if (contours)
        return type == 1 || type > 9 ? CONTOUR : SURFACE;
    return type < 10 ? SURFACE : RIEN;
}

}  // namespace

void fdc::draw_tdc(int, int mode)
{
    if (!tdc1 || W <= 0 || H <= 0 || !(echelleCourante > 0))
        return;
    const BoiteVue b = boiteVue(*this);
    fl_push_clip(carteX, carteY, largeur, hauteur);
    fl_color(FL_BLACK);
    fl_line_style(FL_SOLID);

    TYPEDEF_TDC* chaines[TDC_NIVEAUX];
    for (int n = 0; n < TDC_NIVEAUX; ++n)
        chaines[n] = LOAD_TDC ? tdc1->chaines[n] : tdc1->chaines[0];
    const int niveau = iNiveauTdc(echelleCourante, &seuils[1], chaines);
    ZOOMTDC = niveau;
    TYPEDEF_TDC_CASE* const* table = niveau >= 2 ? tdc1->carres[niveau] : nullptr;
    // Until level 1 loads (or when it failed) its chain is level 0's:
    // absolute hundredths of a degree, records without a box.
    const bool niveau0 = chaines[niveau] == tdc1->chaines[0];
    const double e = tdc1->echelles[niveau0 ? 0 : niveau];
    const bool vecteur = fond == FDC_VECTEUR;

    if (mode >= 1 && vecteur) {
        fl_color(FL_MER);
        fl_rectf(carteX, carteY, largeur, hauteur);
    }
    std::vector<int> carres;
    if (table)
        vCarresVisibles(b, carres);
    auto visiter = [&](double decalage, auto&& tracer) {
        if (!table) {
            for (TYPEDEF_TDC* t = chaines[niveau]; t; t = t->suivant)
                if (niveau0 || bTdcVisible(t, decalage, b))
                    tracer(t);
            return;
        }
        for (int c : carres)
            for (const TYPEDEF_TDC_CASE* k = table[c]; k; k = k->suivant)
                if (k->tdc && bTdcVisible(k->tdc, decalage, b))
                    tracer(k->tdc);
    };
    const double decalages[] = {-360.0, 0.0, 360.0};
    const bool contours = mode == -1 || !vecteur;
    for (double d : decalages)
        visiter(d, [&](TYPEDEF_TDC* t) {
            const Trace quoi = tracePremierePasse(t->niveau, table != nullptr, contours);
            if (quoi == SURFACE)
                draw_tdc_vecteur_fill(t, d, e, t->sud, t->ouest);
            else if (quoi == CONTOUR)
                draw_tdc_vecteur(t, d, e, t->sud, t->ouest, niveau, mode);
        });
    if (vecteur && niveauTraitCote >= 2)
        for (double d : decalages)
            visiter(d, [&](TYPEDEF_TDC* t) {
                if (t->niveau >= 10)
                    draw_tdc_vecteur(t, d, e, t->sud, t->ouest, niveau, mode);
            });
    fl_line_style(FL_SOLID);
    fl_pop_clip();
}
