// The chart widget's drawing: its box, the chart of its type inside, its
// label.
#include "map/fl_histogramme.h"

#include "gribdata/globales.h"
#include "map/histogramme_glyphes.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>
#include <algorithm>
#include <cmath>

namespace {

const Fl_Color ROUGE = 0xFE202000, ROUGE_FONCE = 0xC0202000;

// Rounded to pixels, held far inside an int (a value that is not a number
// counts as 0).
int rint_(double v)
{
    if (!(std::fabs(v) < 1.0e6))
        return std::isnan(v) ? 0 : v < 0 ? -1000000 : 1000000;
    return int(std::rint(v));
}

// White on the two reds, else the chart's text colour.
Fl_Color couleurLibelle(const FL_CHART_ENTRY_PAT& e, Fl_Color texte)
{
    return e.col == ROUGE || e.col == ROUGE_FONCE ? FL_WHITE : texte;
}

void fl_rectbound_pat(int x, int y, int w, int h, Fl_Color couleur)
{
    if (w == 0 || h == 0)
        return;
    fl_color(couleur);
    fl_rectf(x + 1, y + 1, w - 2, h - 2);
    fl_color(32, 32, 32);
    fl_line(x + w - 1, y, x + w - 1, y + h);
    fl_line(x + 1, y + h, x + w - 1, y + h);
    fl_color(FL_WHITE);
    fl_line(x + 1, y, x + 1, y + h - 1);
    fl_line(x + 1, y, x + w - 2, y);
}

// Type 0: bars up from the bottom edge, labels at their tops.
void draw_barchart(const ZoneHistogramme& z)
{
    const double cas = std::trunc(z.dCase());
    const double incr = z.max != 0 ? z.h / z.max : z.h;
    for (int i = 0; i < z.numb; ++i) {
        const FL_CHART_ENTRY_PAT& e = z.entries[i];
        const int hh = rint_(e.val * incr);
        const int xb = z.x + int(i * cas);
        if (z.max != 0 && hh > 0)
            fl_rectbound_pat(xb, z.y + z.h - hh, int(cas) + 1, hh + 1, e.col);
        else if (z.max != 0 && hh < 0)
            fl_rectbound_pat(xb, z.y + z.h, int(cas) + 1, 1 - hh, e.col);
    }
    for (int i = 0; i < z.numb; ++i) {
        const FL_CHART_ENTRY_PAT& e = z.entries[i];
        const int hh = rint_(e.val * incr);
        fl_color(couleurLibelle(e, z.textcolor));
        fl_draw(e.str, z.x + rint_((i + 0.5) * cas), z.y + z.h - hh, 0, 0,
                e.val > 0 && hh > 11 ? FL_ALIGN_TOP : FL_ALIGN_BOTTOM);
    }
}

// Types 2 (line), 3 (filled line) and 4 (spikes).
void draw_linechart(int type, const ZoneHistogramme& z)
{
    const double cas = z.dCase();
    const double incr =
        z.max == z.min ? z.h - fl_height() : (z.h - fl_height()) / (z.max - z.min);
    const int zy = rint_(z.y + z.h + z.min * incr);
    auto yv = [&](int i) { return zy - rint_(z.entries[i].val * incr); };
    for (int i = 0; i < z.numb; ++i) {
        const int x0 = z.x + rint_((i - 0.5) * cas), x1 = z.x + rint_((i + 0.5) * cas);
        const int y1 = yv(i);
        if (type == HISTO_PICS) {
            fl_color(z.entries[i].col);
            fl_line(x1, zy, x1, y1);
            continue;
        }
        if (i == 0)
            continue;
        const int y0 = yv(i - 1);
        fl_color(z.entries[i - 1].col);
        if (type == HISTO_LIGNE) {
            fl_line(x0, y0, x1, y1);
            continue;
        }
        const double a = z.entries[i - 1].val, b = z.entries[i].val;
        if ((a < 0) != (b < 0) && a != b) {
            const int xz = z.x + rint_((i - 0.5 + a / (a - b)) * cas);
            fl_polygon(x0, zy, x0, y0, xz, zy);
            fl_polygon(xz, zy, x1, y1, x1, zy);
        } else {
            fl_polygon(x0, zy, x0, y0, x1, y1, x1, zy);
        }
        fl_color(z.textcolor);
        fl_line(x0, y0, x1, y1);
    }
    fl_line(z.x, zy, z.x + z.iUtile(), zy);
    for (int i = 0; i < z.numb; ++i) {
        const FL_CHART_ENTRY_PAT& e = z.entries[i];
        fl_color(couleurLibelle(e, z.textcolor));
        fl_draw(e.str, z.x + rint_((i + 0.5) * cas), yv(i), 0, 0,
                e.val >= 0 ? FL_ALIGN_BOTTOM : FL_ALIGN_TOP);
    }
}

// Type 1: bars across from a zero column, labels beside it.
void draw_horbarchart(const ZoneHistogramme& z)
{
    int lw = 0;
    for (int i = 0; i < z.numb; ++i)
        lw = std::max(lw, int(fl_width(z.entries[i].str)));
    if (lw > 0)
        lw += 4;
    double incr = z.w;
    int zx = z.x + z.w / 2;
    if (z.max != z.min) {
        incr = z.w / (z.max - z.min);
        if (-z.min * incr < lw) {
            incr = (z.w - lw + z.min * incr) / (z.max - z.min);
            zx = z.x + lw;
        } else {
            zx = rint_(z.x - z.min * incr);
        }
    }
    const int n = z.autosize || z.maxnumb <= 0 ? z.numb : z.maxnumb;
    const int bh = rint_(double(z.h) / n);
    for (int i = 0; i < z.numb && !(z.min == 0 && z.max == 0); ++i) {
        const int ww = rint_(z.entries[i].val * incr);
        if (ww != 0)
            fl_rectbound_pat(ww > 0 ? zx : zx + ww, z.y + i * bh, std::abs(ww) + 1, bh + 1,
                             z.entries[i].col);
    }
    for (int i = 0; i < z.numb; ++i) {
        fl_color(64, 64, 64);
        fl_draw(z.entries[i].str, zx - 1, z.y + bh / 2 - 2 + i * bh, 0, 0, FL_ALIGN_CENTER);
        fl_color(z.textcolor);
        fl_draw(z.entries[i].str, zx, z.y + bh / 2 + i * bh, 0, 0, FL_ALIGN_CENTER);
    }
}

// Types 5 and 6: a pie of the positive values, the first slice pulled out
// for type 6.
void draw_piechart(const ZoneHistogramme& z, int detache)
{
    double somme = 0;
    for (int i = 0; i < z.numb; ++i)
        somme += std::max(0.0f, z.entries[i].val);
    if (somme <= 0)
        return;
    const double r = (z.h - 2.0 * fl_height()) / (detache ? 2.3 : 2.0) / 1.1;
    const double cx = z.x + z.w / 2.0, cy = z.y + z.h - 1.1 * r - fl_height();
    const double parUnite = 360.0 / somme;
    double angle = 0;
    for (int i = 0; i < z.numb; ++i) {
        const FL_CHART_ENTRY_PAT& e = z.entries[i];
        if (e.val <= 0)
            continue;
        const double fin = angle + e.val * parUnite, milieu = (angle + fin) / 2 * M_PI / 180;
        double xc = cx, yc = cy;
        if (detache && i == 0)
            xc += 0.3 * r * std::cos(milieu), yc -= 0.3 * r * std::sin(milieu);
        for (int passe = 0; passe < 2; ++passe) {
            fl_color(passe ? z.textcolor : Fl_Color(e.col));
            passe ? fl_begin_loop() : fl_begin_polygon();
            fl_vertex(xc, yc);
            fl_arc(xc, yc, r, angle, fin);
            passe ? fl_end_loop() : fl_end_polygon();
        }
        fl_color(z.textcolor);
        const double xl = xc + 1.1 * r * std::cos(milieu), yl = yc - 1.1 * r * std::sin(milieu);
        fl_draw(e.str, rint_(xl), rint_(yl), 0, 0, xl < cx ? FL_ALIGN_RIGHT : FL_ALIGN_LEFT);
        angle = fin;
    }
}

}  // namespace

void Fl_Histogramme::draw()
{
    if (numb == 0) {
        vJournal("<HISTOGRAMME>", "ATTENTION numb=0\n");
        return;
    }
    draw_box();
    const int xx = x() + Fl::box_dx(box()), yy = y() + Fl::box_dy(box());
    const int ww = w() - Fl::box_dw(box()), hh = h() - Fl::box_dh(box());
    fl_push_clip(xx, yy, ww, hh);
    if (max <= min) {
        min = max = 0;
        for (int i = 0; i < numb; ++i) {
            min = std::min(min, double(entries[size_t(i)].val));
            max = std::max(max, double(entries[size_t(i)].val));
        }
    }
    fl_font(textfont, textsize);
    const int t = type() > HISTO_COURANT ? int(HISTO_LIGNE) : int(type());
    const int w2 = t == HISTO_BARRES_HORIZONTALES || t == HISTO_CAMEMBERT ||
                           t == HISTO_CAMEMBERT_DETACHE
                       ? ww - 1
                       : ww;
    const int h2 = t == HISTO_BARRES_HORIZONTALES ? hh : hh - 1;
    const ZoneHistogramme z{xx, yy, w2, h2, numb, entries.data(), min, max, autosize, maxnumb,
                            textcolor};
    switch (t) {
    case HISTO_BARRES: draw_barchart(z); break;
    case HISTO_BARRES_HORIZONTALES: draw_horbarchart(z); break;
    case HISTO_CAMEMBERT:
    case HISTO_CAMEMBERT_DETACHE: draw_piechart(z, t == HISTO_CAMEMBERT_DETACHE); break;
    case HISTO_VENT: draw_windflag(*traceGlyphes, z); break;
    case HISTO_MER:
    case HISTO_MER_VALEUR:
    case HISTO_COURANT: draw_vecteur_courant(*traceGlyphes, z, t); break;
    default: draw_linechart(t, z); break;
    }
    draw_label();
    fl_pop_clip();
}
