// What each kind of chart makes of a sample: the value drawn, its label
// and its colour.
#include "map/histogramme.h"

#include "map/fl_histogramme.h"

#include <FL/Enumerations.H>
#include <cmath>
#include <cstdio>

namespace {

const Fl_Color VERT_PALE = fl_rgb_color(0, 254, 128), VERT = fl_rgb_color(0, 254, 0),
               JAUNE = fl_rgb_color(254, 254, 0), ORANGE = fl_rgb_color(254, 128, 0),
               ROUGE = fl_rgb_color(254, 32, 32), ROUGE_FONCE = fl_rgb_color(192, 32, 32),
               BLEU = fl_rgb_color(0, 0, 255);

// The colour of the first bound the value lies under, else the last.
Fl_Color echelle(double v, const double (&bornes)[5], Fl_Color orange = ORANGE)
{
    const Fl_Color couleurs[6] = {VERT_PALE, VERT, JAUNE, orange, ROUGE, ROUGE_FONCE};
    int i = 0;
    while (i < 5 && !(v < bornes[i]))
        ++i;
    return couleurs[i];
}

// Wind in knots, sea in metres, current in knots.
Fl_Color W(double noeuds) { return echelle(noeuds, {7, 16, 28, 41, 56}, fl_rgb_color(254, 164, 0)); }
Fl_Color M(double metres) { return echelle(metres, {0.5, 1.25, 2.5, 6, 14}); }
Fl_Color U(double noeuds) { return echelle(noeuds, {0.1, 0.2, 0.5, 1.0, 2.0}); }

// Three colours by two bounds.
Fl_Color trois(double v, double b1, double b2, Fl_Color c1, Fl_Color c2, Fl_Color c3)
{
    return v < b1 ? c1 : v < b2 ? c2 : c3;
}

const char* formatPluie(double v) { return v < 1 ? "%.2f" : v < 2 ? "%.1f" : "%.f"; }

struct Entree {
    double valeur;
    const char* format;
    double libelle;  // the number the label shows
    Fl_Color couleur;
    bool fleche;     // the glyph kinds: their labels hold the direction
};

bool bEntree(int genre, double v, double second, Entree& e)
{
    const double noeuds = v * 3600 / 1852;
    switch (genre) {
    case 1: e = {v, "%.f", second, W(v), true}; return true;
    case 2:
    case 3:
    case 4:
    case 5:
    case 6: e = {v, "%.f", second, M(v), true}; return true;
    case 7: e = {v, "%.f", v, trois(v, 1015, 1020, ROUGE, JAUNE, BLEU), false}; return true;
    case 8: e = {v, "%.f", v, trois(v, 15, 15, BLEU, BLEU, ROUGE), false}; return true;
    case 13: e = {v, "%.1f", v, trois(v, 15, 15, BLEU, BLEU, ROUGE), false}; return true;
    case 9:
        // No total known: an empty place, nothing claimed.
        if (std::isnan(v))
            e = {0, "", 0, VERT, false};
        else
            e = {v, formatPluie(v), v, trois(v, 20, 40, VERT, ORANGE, ROUGE), false};
        return true;
    case 22: e = {v, formatPluie(v), v, trois(v, 5, 10, VERT, ORANGE, ROUGE), false}; return true;
    case 10: e = {noeuds * 1.5, "%.f", noeuds * 1.5, W(noeuds), false}; return true;
    case 11: {
        const double kmh = noeuds * 1.852 * 1.5;
        e = {kmh, "%.f", kmh, W(noeuds), false};
        return true;
    }
    case 12: {
        const double hmax = v * 1.9;
        e = {hmax, hmax < 4 ? "%.1f" : "%.f", hmax < 4 ? hmax : std::rint(hmax), M(v), false};
        return true;
    }
    case 14: e = {v, "%.f", second, U(v), true}; return true;
    case 23: e = {v, v >= 1 ? "%.1f" : "%.2f", v, U(v), false}; return true;
    case 15:
    case 16:
    case 17:
    case 18:
    case 19:
        e = {v, v < 6 ? "%.1f" : "%.f", v, trois(v, 12, 12, BLEU, BLEU, ROUGE), false};
        return true;
    case 20: e = {v, "%.f", v, W(v), false}; return true;
    case 21: e = {v, v <= 5 ? "%.1f" : "%.f", v, M(v), false}; return true;
    default: return false;
    }
}

}  // namespace

void Histogramme::add_chart(double value, double second)
{
    Entree e;
    if (!bEntree(genre, value, second, e))
        return;
    if (e.fleche)
        histogramme->textsize = 10;
    char libelle[64];
    std::snprintf(libelle, sizeof libelle, e.format, e.libelle);
    histogramme->add(e.valeur, libelle, e.couleur);
}
